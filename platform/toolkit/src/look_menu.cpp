// The standard look of an open popup menu: its items in rows, the current one
// checked, the one under the mouse highlighted.
#include <cmath>

#include "look_paint.h"
#include "menus.h"
#include "popup_menus.h"
#include "refs.h"
#include "render.h"
#include "unicode.h"

namespace tk::detail {

void look_menu(cairo_t* cr, const TkWindow* menuWindow) {
    const double w = menuWindow->content.right - menuWindow->content.left;
    const double h = menuWindow->content.bottom - menuWindow->content.top;
    set_colour(cr, look::kField);
    cairo_paint(cr);
    set_colour(cr, look::kBorder);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_stroke(cr);
    const TkView* popup = find_view(menuWindow->menuPopup);
    if (!popup || !popup->menu) return;
    const TkFont font = control_font(popup);
    const int count = static_cast<int>(popup->menu->items.size());
    for (int entry = 1; entry <= count; ++entry) {
        const Rect r = menu_entry_rect(menuWindow, entry);
        const bool highlighted = entry == menuWindow->highlighted;
        if (highlighted) {
            set_colour(cr, look::kMenuHighlight);
            cairo_rectangle(cr, 1, r.top, w - 2, r.bottom - r.top);
            cairo_fill(cr);
        }
        const look::Colour colour = highlighted ? look::kHighlightedText : look::kText;
        const std::string text = utf16_to_utf8(*menu_item_text(popup->menu, entry));
        const double top = r.top + std::floor((r.bottom - r.top - measure_text(font, text).lineHeight) / 2.0);
        draw_text_line(cr, font, text, look::kMenuMarkWidth, top, colour);
        if (entry != popup->value) continue;
        // The check mark of the current entry.
        const double cy = (r.top + r.bottom) / 2.0;
        set_colour(cr, colour);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, 6, cy);
        cairo_line_to(cr, 9, cy + 3.5);
        cairo_line_to(cr, 14, cy - 4);
        cairo_stroke(cr);
    }
}

}  // namespace tk::detail
