// Drawing views: their draw handlers first, the standard look when unhandled.
#pragma once

#include <cairo.h>

#include "model.h"

namespace tk::detail {

// The window's background, then its views, or its menu for a menu window;
// `cr`'s origin is the top-left of the window's content.
void paint_window_content(cairo_t* cr, TkWindow* window);
// Paints the view and its subviews; `cr`'s origin is the top-left of the view's parent.
void paint_view(cairo_t* cr, TkView* view);

// The standard look of each kind, `cr`'s origin at the view's top-left.
void standard_look(cairo_t* cr, const TkView* view);
void look_push_button(cairo_t* cr, const TkView* view);
void look_bevel_button(cairo_t* cr, const TkView* view);
void look_popup_button(cairo_t* cr, const TkView* view);
void look_check_box(cairo_t* cr, const TkView* view);
void look_radio_button(cairo_t* cr, const TkView* view);
void look_static_text(cairo_t* cr, const TkView* view);
void look_edit_text(cairo_t* cr, const TkView* view);
void look_group_box(cairo_t* cr, const TkView* view);
void look_icon(cairo_t* cr, const TkView* view);
// An open popup menu, filling its window.
void look_menu(cairo_t* cr, const TkWindow* menuWindow);

}  // namespace tk::detail
