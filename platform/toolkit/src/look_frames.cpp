// Standard looks of group boxes (an etched frame with its title) and icons.
#include <cmath>

#include "look_paint.h"
#include "render.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {

void look_group_box(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    const TkFont font = control_font(view);
    const std::string title = utf16_to_utf8(view->title);
    const TkTextSize size = measure_text(font, title);
    // The frame's top line runs through the middle of the title.
    const double top = title.empty() ? 0 : std::floor(size.lineHeight / 2.0);
    cairo_set_line_width(cr, 1);
    set_colour(cr, look::kEtchLight);
    cairo_rectangle(cr, 1.5, top + 1.5, w - 2, h - top - 2);
    cairo_stroke(cr);
    set_colour(cr, view_enabled(view) ? look::kEtchDark : look::kDisabledBorder);
    cairo_rectangle(cr, 0.5, top + 0.5, w - 2, h - top - 2);
    cairo_stroke(cr);
    if (title.empty()) return;
    set_colour(cr, look::kWindowBackground);
    cairo_rectangle(cr, look::kGroupTitleInset - 2, 0, size.width + 4, size.lineHeight);
    cairo_fill(cr);
    draw_text_line(cr, font, title, look::kGroupTitleInset, 0, text_colour(view));
}

void look_icon(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set_colour(cr, look::kIconPlaceholder);
    cairo_fill_preserve(cr);
    set_colour(cr, look::kBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace tk::detail
