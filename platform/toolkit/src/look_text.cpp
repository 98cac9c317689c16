// Standard looks of static texts and edit fields.
#include <cmath>

#include "look_paint.h"
#include "render.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {
namespace {

// Text justification values of a font style record.
constexpr SInt16 kJustCenter = 1;
constexpr SInt16 kJustRight = -1;

double line_x(ControlRef view, const TkFont& font, const std::string& line, double inset) {
    const SInt16 just = (view->fontStyle.flags & kControlUseJustMask) ? view->fontStyle.just : 0;
    if (just != kJustCenter && just != kJustRight) return inset;
    const double free = view_width(view) - 2 * inset - measure_text(font, line).width;
    return inset + (just == kJustCenter ? std::floor(free / 2) : free);
}

}  // namespace

void look_static_text(cairo_t* cr, ControlRef view) {
    const TkFont font = control_font(view);
    const std::string text = utf16_to_utf8(view->title);
    const auto lines = text_lines(font, text, view->multiline ? view_width(view) : 0);
    const int lineHeight = measure_text(font, "").lineHeight;
    const look::Colour colour = text_colour(view);
    double top = 0;
    for (const auto& line : lines) {
        draw_text_line(cr, font, line, line_x(view, font, line, 0), top, colour);
        top += lineHeight;
    }
}

void look_edit_text(cairo_t* cr, ControlRef view) {
    const int w = view_width(view), h = view_height(view);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set_colour(cr, look::kField);
    cairo_fill_preserve(cr);
    set_colour(cr, view_enabled(view) ? look::kBorder : look::kDisabledBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const TkFont font = control_font(view);
    std::string text = utf16_to_utf8(view->title);
    if (view->password) text = std::string(view->title.size(), '*');
    const TkTextSize size = measure_text(font, text);
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_clip(cr);
    draw_text_line(cr, font, text, line_x(view, font, text, look::kEditInset), std::floor((h - size.lineHeight) / 2.0),
                   text_colour(view));
}

}  // namespace tk::detail
