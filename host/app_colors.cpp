#include "host/app_colors.h"

namespace host {

namespace {

// Levels of 8 bits, spread over the 16 the host hands out (0x2A becomes 0x2A2A):
// the dialogs draw with 8 bits a channel, so the palette says no more than that.
constexpr A_u_short spread(int level) { return static_cast<A_u_short>(level * 0x101); }
constexpr PF_App_Color rgb(int r, int g, int b) { return {spread(r), spread(g), spread(b)}; }
constexpr PF_App_Color grey(int level) { return rgb(level, level, level); }

}  // namespace

std::optional<PF_App_Color> app_color(PF_App_ColorType kind) {
    switch (kind) {
        case PF_App_Color_FRAME: return grey(0x2A);
        case PF_App_Color_FILL: return grey(0x3A);
        case PF_App_Color_TEXT: return grey(0xD6);
        case PF_App_Color_LIGHT_TINGE: return grey(0x4E);
        case PF_App_Color_HILITE: return rgb(0x2C, 0x8D, 0xEA);
        case PF_App_Color_SHADOW: return grey(0x18);
        case PF_App_Color_BUTTON_PRESSED_TEXT: return grey(0xFF);
        case PF_App_Color_TEXT_DISABLED: return grey(0x76);
        case PF_App_Color_BLACK: return grey(0x00);
        case PF_App_Color_WHITE: return grey(0xFF);
        case PF_App_Color_RED: return rgb(0xE6, 0x2E, 0x2E);
        case PF_App_Color_PANEL_BACKGROUND: return grey(0x23);
        default: return std::nullopt;
    }
}

}  // namespace host
