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
int view_width(const TkView* view);
int view_height(const TkView* view);
// The colour of a view's text: its font style's, faded when it cannot be operated.
look::Colour text_colour(const TkView* view);
// The theme's text colour, greyed when the view cannot be operated: for text on a
// button face, where a light colour meant for a dark panel would vanish.
look::Colour face_text_colour(const TkView* view);
// One line of text with its top at `top`.
void draw_text_line(cairo_t* cr, const TkFont& font, const std::string& utf8, double x, double top,
                    look::Colour colour);
// Where a line of text starts: after the inset, or centred or right-aligned as
// the view's font style justifies it.
double justified_x(const TkView* view, const TkFont& font, const std::string& line, double inset);
// A bordered face with a light-to-dark gradient, as buttons have.
void draw_face(cairo_t* cr, double x, double y, double w, double h, double radius, bool enabled, bool pressed);
// A push or bevel button's title, centred on its face.
void draw_centred_title(cairo_t* cr, const TkView* view, double x, double y, double w, double h);
// Where a popup's face starts, after its title.
double popup_face_x(const TkView* popup);

}  // namespace tk::detail
