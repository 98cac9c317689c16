// Fonts and text measurement with a real font (the DejaVu families through cairo).
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "model.h"

namespace tk::detail {

struct TkFont {
    std::string family = "DejaVu Sans";
    double size = 13;
    bool bold{};
    bool italic{};
};

struct TkTextSize {
    int width{};
    int height{};
    int ascent{};   // from the top of a line to its baseline
    int descent{};  // from the baseline to the bottom of a line
    int lineHeight{};
};

TkFont theme_font(ThemeFontID id);
// The font a control draws its text in: its font style, else its control size.
TkFont control_font(const TkView* control);
// The family name of a font family number, or empty for an unknown number.
std::string family_name(FMFontFamily family);
FMFontFamily family_number(std::string_view name);

void select_font(cairo_t* cr, const TkFont& font);
// Lines of the UTF-8 text: broken at line breaks, and at spaces to stay
// within `wrapWidth` when it is positive.
std::vector<std::string> text_lines(const TkFont& font, const std::string& utf8, double wrapWidth);
TkTextSize measure_text(const TkFont& font, const std::string& utf8, double wrapWidth = 0);

}  // namespace tk::detail
