#include "host/app_colors.h"

namespace host {

namespace {

constexpr PF_App_Color grey(A_u_short level) { return {level, level, level}; }

}  // namespace

std::optional<PF_App_Color> app_color(PF_App_ColorType kind) {
    switch (kind) {
        case PF_App_Color_FRAME: return grey(0x2A2A);
        case PF_App_Color_FILL: return grey(0x3A3A);
        case PF_App_Color_TEXT: return grey(0xD6D6);
        case PF_App_Color_LIGHT_TINGE: return grey(0x4E4E);
        case PF_App_Color_HILITE: return PF_App_Color{0x2C2C, 0x8D8D, 0xEAEA};
        case PF_App_Color_SHADOW: return grey(0x1818);
        case PF_App_Color_BUTTON_PRESSED_TEXT: return grey(0xFFFF);
        case PF_App_Color_TEXT_DISABLED: return grey(0x7676);
        case PF_App_Color_BLACK: return grey(0x0000);
        case PF_App_Color_WHITE: return grey(0xFFFF);
        case PF_App_Color_RED: return PF_App_Color{0xE6E6, 0x2E2E, 0x2E2E};
        case PF_App_Color_PANEL_BACKGROUND: return grey(0x2323);
        default: return std::nullopt;
    }
}

}  // namespace host
