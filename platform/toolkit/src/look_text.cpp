// Standard looks of static texts and edit fields.
#include <algorithm>
#include <cmath>

#include "focus.h"
#include "look_paint.h"
#include "render.h"
#include "text_editing.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {

void look_static_text(cairo_t* cr, const TkView* view) {
    const TkFont font = control_font(view);
    const std::string text = utf16_to_utf8(view->title);
    const auto lines = text_lines(font, text, view->multiline ? view_width(view) : 0);
    const int lineHeight = measure_text(font, "").lineHeight;
    const look::Colour colour = text_colour(view);
    double top = 0;
    for (const auto& line : lines) {
        draw_text_line(cr, font, line, justified_x(view, font, line, 0), top, colour);
        top += lineHeight;
    }
}

// A focused field has a ring instead of its border, its selection behind the
// text, and a caret where typing goes when nothing is selected.
void look_edit_text(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    const bool focused = has_focus(view);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set_colour(cr, look::kField);
    cairo_fill_preserve(cr);
    set_colour(cr, view_enabled(view) ? look::kBorder : look::kDisabledBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (focused) {
        const double inset = look::kFocusRingWidth / 2.0;
        cairo_rectangle(cr, inset, inset, w - look::kFocusRingWidth, h - look::kFocusRingWidth);
        set_colour(cr, look::kFocusRing);
        cairo_set_line_width(cr, look::kFocusRingWidth);
        cairo_stroke(cr);
    }
    const FieldLayout layout = field_layout(view);
    const TkTextSize size = measure_text(layout.font, layout.shown);
    const int border = focused ? look::kFocusRingWidth : 1;
    cairo_rectangle(cr, border, border, w - 2 * border, h - 2 * border);
    cairo_clip(cr);
    const std::size_t caret = std::min(view->edit.caret, view->title.size());
    const std::size_t anchor = std::min(view->edit.anchor, view->title.size());
    if (focused && caret != anchor) {
        const double from = layout.x_of(std::min(caret, anchor)), to = layout.x_of(std::max(caret, anchor));
        set_colour(cr, look::kSelection);
        cairo_rectangle(cr, from, layout.top, to - from, size.lineHeight);
        cairo_fill(cr);
    }
    draw_text_line(cr, layout.font, layout.shown, layout.xs.front(), layout.top, text_colour(view));
    if (focused && caret == anchor) {
        const double x = std::floor(layout.x_of(caret)) + 0.5;
        set_colour(cr, look::kText);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, x, layout.top);
        cairo_line_to(cr, x, layout.top + size.lineHeight);
        cairo_stroke(cr);
    }
}

}  // namespace tk::detail
