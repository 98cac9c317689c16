// Standard looks of check boxes and radio buttons: the box, its mark and the title.
#include <cmath>

#include "look_paint.h"
#include "render.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {
namespace {

// Where the box of a check box or radio button goes: left, centred vertically.
struct Box {
    double x, y, size;
};

Box toggle_box(const TkView* view) {
    const double size = look::toggle_box(view->size);
    return {0, std::floor((view_height(view) - size) / 2), size};
}

void draw_toggle_title(cairo_t* cr, const TkView* view, const Box& box) {
    const std::string title = utf16_to_utf8(view->title);
    if (title.empty()) return;
    const TkFont font = control_font(view);
    const TkTextSize size = measure_text(font, title);
    draw_text_line(cr, font, title, box.size + look::kToggleGap, std::floor((view_height(view) - size.lineHeight) / 2.0),
                   text_colour(view));
}

void outline(cairo_t* cr, const TkView* view) {
    set_colour(cr, view->pressed ? look::kFaceBottom : look::kField);
    cairo_fill_preserve(cr);
    set_colour(cr, view_enabled(view) ? look::kBorder : look::kDisabledBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

void look_check_box(cairo_t* cr, const TkView* view) {
    const Box box = toggle_box(view);
    rounded_rect(cr, box.x + 0.5, box.y + 0.5, box.size - 1, box.size - 1, 2);
    outline(cr, view);
    set_colour(cr, view_enabled(view) ? look::kMark : look::kDisabledText);
    cairo_set_line_width(cr, 1.6);
    const double s = box.size;
    if (view->value == 1) {
        cairo_move_to(cr, box.x + s * 0.22, box.y + s * 0.52);
        cairo_line_to(cr, box.x + s * 0.42, box.y + s * 0.74);
        cairo_line_to(cr, box.x + s * 0.78, box.y + s * 0.24);
        cairo_stroke(cr);
    } else if (view->value > 1) {
        // A mixed state shows a dash.
        cairo_move_to(cr, box.x + s * 0.25, box.y + s * 0.5);
        cairo_line_to(cr, box.x + s * 0.75, box.y + s * 0.5);
        cairo_stroke(cr);
    }
    draw_toggle_title(cr, view, box);
}

void look_radio_button(cairo_t* cr, const TkView* view) {
    const Box box = toggle_box(view);
    const double r = box.size / 2;
    cairo_arc(cr, box.x + r, box.y + r, r - 0.5, 0, 2 * M_PI);
    outline(cr, view);
    if (view->value) {
        set_colour(cr, view_enabled(view) ? look::kMark : look::kDisabledText);
        cairo_arc(cr, box.x + r, box.y + r, r * 0.4, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    draw_toggle_title(cr, view, box);
}

}  // namespace tk::detail
