// Drawing views: their draw handlers first, the standard look when unhandled.
#pragma once

#include <cairo.h>

#include "model.h"

namespace tk::detail {

// Paints the view and its subviews; `cr`'s origin is the top-left of the view's parent.
void paint_view(cairo_t* cr, ControlRef view);

// The standard look of each kind, `cr`'s origin at the view's top-left.
void standard_look(cairo_t* cr, ControlRef view);
void look_push_button(cairo_t* cr, ControlRef view);
void look_bevel_button(cairo_t* cr, ControlRef view);
void look_popup_button(cairo_t* cr, ControlRef view);
void look_check_box(cairo_t* cr, ControlRef view);
void look_radio_button(cairo_t* cr, ControlRef view);
void look_static_text(cairo_t* cr, ControlRef view);
void look_edit_text(cairo_t* cr, ControlRef view);
void look_group_box(cairo_t* cr, ControlRef view);
void look_icon(cairo_t* cr, ControlRef view);

}  // namespace tk::detail
