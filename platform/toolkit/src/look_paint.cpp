#include "look_paint.h"

#include <algorithm>
#include <cmath>

#include "unicode.h"
#include "views.h"

namespace tk::detail {
namespace {

// Text justification values of a font style record.
constexpr SInt16 kJustCenter = 1;
constexpr SInt16 kJustRight = -1;

}  // namespace

void set_colour(cairo_t* cr, look::Colour colour) { cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a); }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

int view_width(const TkView* view) { return view->bounds.right - view->bounds.left; }

int view_height(const TkView* view) { return view->bounds.bottom - view->bounds.top; }

look::Colour text_colour(const TkView* view) {
    const ControlFontStyleRec& style = view->fontStyle;
    if (!(style.flags & kControlUseForeColorMask)) return face_text_colour(view);
    const look::Colour own{style.foreColor.red / 65535.0, style.foreColor.green / 65535.0,
                           style.foreColor.blue / 65535.0};
    return view_enabled(view) ? own : look::Colour{own.r, own.g, own.b, look::kDisabledTextAlpha};
}

look::Colour face_text_colour(const TkView* view) { return view_enabled(view) ? look::kText : look::kDisabledText; }

void draw_text_line(cairo_t* cr, const TkFont& font, const std::string& utf8, double x, double top,
                    look::Colour colour) {
    if (utf8.empty()) return;
    select_font(cr, font);
    cairo_font_extents_t extents;
    cairo_font_extents(cr, &extents);
    set_colour(cr, colour);
    cairo_move_to(cr, x, top + std::ceil(extents.ascent));
    cairo_show_text(cr, utf8.c_str());
    cairo_new_path(cr);
}

double justified_x(const TkView* view, const TkFont& font, const std::string& line, double inset) {
    const SInt16 just = (view->fontStyle.flags & kControlUseJustMask) ? view->fontStyle.just : 0;
    if (just != kJustCenter && just != kJustRight) return inset;
    const double free = view_width(view) - 2 * inset - measure_text(font, line).width;
    return inset + (just == kJustCenter ? std::floor(free / 2) : free);
}

void draw_face(cairo_t* cr, double x, double y, double w, double h, double radius, bool enabled, bool pressed) {
    rounded_rect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
    const look::Colour top = pressed ? look::kFaceBottom : look::kFace;
    const look::Colour bottom = pressed ? look::kEtchDark : look::kFaceBottom;
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
    set_colour(cr, enabled ? look::kBorder : look::kDisabledBorder);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void draw_centred_title(cairo_t* cr, const TkView* view, double x, double y, double w, double h) {
    const std::string title = utf16_to_utf8(view->title);
    if (title.empty()) return;
    const TkFont font = control_font(view);
    const TkTextSize size = measure_text(font, title);
    draw_text_line(cr, font, title, x + std::floor((w - size.width) / 2), y + std::floor((h - size.lineHeight) / 2),
                   face_text_colour(view));
}

double popup_face_x(const TkView* popup) {
    const std::string title = utf16_to_utf8(popup->title);
    if (title.empty()) return 0;
    return measure_text(control_font(popup), title).width + look::kToggleGap;
}

}  // namespace tk::detail
