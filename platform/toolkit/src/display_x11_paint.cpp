// Painting toolkit windows on screen. Each is painted whole into an image, with
// the code that renders windows to PNG, then copied onto its X window: the
// screen shows the very pixels of the pictures, without flicker.
#include <cairo-xlib.h>

#include <vector>

#include "display.h"
#include "display_x11.h"
#include "refs.h"

namespace tk::x11::detail {
namespace {

void paint(Backend& b, WindowRef ref, const ScreenWindow& screen) {
    const int width = screen.content.right - screen.content.left;
    const int height = screen.content.bottom - screen.content.top;
    if (width <= 0 || height <= 0) return;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(image);
    tk::detail::display::paint_window(cr, ref);
    cairo_destroy(cr);
    cairo_surface_t* target =
        cairo_xlib_surface_create(b.display, screen.id, DefaultVisual(b.display, b.screen), width, height);
    cr = cairo_create(target);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(target);
    cairo_surface_destroy(image);
}

}  // namespace

void paint_windows(Backend& b) {
    // Draw handlers run while painting and may change what needs painting.
    const std::set<WindowRef> due = std::move(b.unpainted);
    b.unpainted.clear();
    for (WindowRef ref : due) {
        const auto found = b.windows.find(ref);
        if (found == b.windows.end() || !found->second.mapped || !tk::detail::find_window(ref)) continue;
        paint(b, ref, found->second);
    }
}

}  // namespace tk::x11::detail
