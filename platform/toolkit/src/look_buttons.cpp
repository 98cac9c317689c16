// Standard looks of push buttons, bevel buttons and popup buttons.
#include <algorithm>
#include <cmath>

#include "look_paint.h"
#include "menus.h"
#include "popup_menus.h"
#include "refs.h"
#include "render.h"
#include "unicode.h"
#include "views.h"

namespace tk::detail {
namespace {

bool menu_open_for(const TkView* popup) {
    const TkWindow* menu = open_menu_window();
    return menu && find_view(menu->menuPopup) == popup;
}

}  // namespace

void look_push_button(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    draw_face(cr, 0, 0, w, h, look::kCornerRadius, view_enabled(view), view->pressed);
    draw_centred_title(cr, view, 0, 0, w, h);
}

void look_bevel_button(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    const bool down = (view->bevelBehavior & kControlBehaviorToggles) && view->value;
    draw_face(cr, 0, 0, w, h, 1, view_enabled(view), view->pressed || down);
    draw_centred_title(cr, view, 0, 0, w, h);
}

void look_popup_button(cairo_t* cr, const TkView* view) {
    const int w = view_width(view), h = view_height(view);
    const TkFont font = control_font(view);
    const double x = popup_face_x(view);
    const std::string title = utf16_to_utf8(view->title);
    // The title stands beside the face, on the view's own background.
    if (!title.empty())
        draw_text_line(cr, font, title, 0, std::floor((h - measure_text(font, title).lineHeight) / 2.0),
                       text_colour(view));
    const double bw = std::max(0.0, w - x);
    draw_face(cr, x, 0, bw, h, look::kCornerRadius, view_enabled(view), view->pressed || menu_open_for(view));
    const look::Colour colour = face_text_colour(view);
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
