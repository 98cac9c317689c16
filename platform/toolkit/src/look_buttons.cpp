// Standard looks of push buttons, bevel buttons and popup buttons.
#include <algorithm>
#include <cmath>

#include "look_paint.h"
#include "menus.h"
#include "render.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {

void look_push_button(cairo_t* cr, ControlRef view) {
    const int w = view_width(view), h = view_height(view);
    draw_face(cr, 0, 0, w, h, look::kCornerRadius, view_enabled(view), false);
    draw_centred_title(cr, view, 0, 0, w, h);
}

void look_bevel_button(cairo_t* cr, ControlRef view) {
    const int w = view_width(view), h = view_height(view);
    const bool pressed = (view->bevelBehavior & kControlBehaviorToggles) && view->value;
    draw_face(cr, 0, 0, w, h, 1, view_enabled(view), pressed);
    draw_centred_title(cr, view, 0, 0, w, h);
}

void look_popup_button(cairo_t* cr, ControlRef view) {
    const int w = view_width(view), h = view_height(view);
    const TkFont font = control_font(view);
    const look::Colour colour = text_colour(view);
    double x = 0;
    const std::string title = utf16_to_utf8(view->title);
    if (!title.empty()) {
        const TkTextSize size = measure_text(font, title);
        draw_text_line(cr, font, title, 0, std::floor((h - size.lineHeight) / 2.0), colour);
        x = size.width + look::kToggleGap;
    }
    const double bw = std::max(0.0, w - x);
    draw_face(cr, x, 0, bw, h, look::kCornerRadius, view_enabled(view), false);
    if (const auto* item = menu_item_text(view->menu, view->value)) {
        const TkTextSize size = measure_text(font, utf16_to_utf8(*item));
        cairo_save(cr);
        cairo_rectangle(cr, x, 0, std::max(0.0, bw - look::kPopupArrowWidth), h);
        cairo_clip(cr);
        draw_text_line(cr, font, utf16_to_utf8(*item), x + look::kPopupTextInset,
                       std::floor((h - size.lineHeight) / 2.0), colour);
        cairo_restore(cr);
    }
    // The double arrow of a popup: up above down, centred in the arrow area.
    const double cx = x + bw - look::kPopupArrowWidth / 2.0, cy = h / 2.0;
    set_colour(cr, colour);
    cairo_move_to(cr, cx - 3, cy - 1.5);
    cairo_line_to(cr, cx + 3, cy - 1.5);
    cairo_line_to(cr, cx, cy - 5);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - 3, cy + 1.5);
    cairo_line_to(cr, cx + 3, cy + 1.5);
    cairo_line_to(cr, cx, cy + 5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace tk::detail
