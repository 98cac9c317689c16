// Painting helpers shared by the standard looks.
#pragma once

#include <cairo.h>

#include <string>

#include "looks.h"
#include "model.h"
#include "text_metrics.h"

namespace tk::detail {

void set_colour(cairo_t* cr, look::Colour colour);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double radius);
// The view's size.
int view_width(ControlRef view);
int view_height(ControlRef view);
// The colour of a view's text: its font style's, greyed when it cannot be operated.
look::Colour text_colour(ControlRef view);
// One line of text with its top at `top`.
void draw_text_line(cairo_t* cr, const TkFont& font, const std::string& utf8, double x, double top,
                    look::Colour colour);
// A bordered face with a light-to-dark gradient, as buttons have.
void draw_face(cairo_t* cr, double x, double y, double w, double h, double radius, bool enabled, bool pressed);
// The view's title centred in the box.
// A push or bevel button's title, centred on its face.
void draw_centred_title(cairo_t* cr, ControlRef view, double x, double y, double w, double h);

}  // namespace tk::detail
