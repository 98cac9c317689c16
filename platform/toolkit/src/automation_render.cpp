// Automation: rendering windows and views to pixels and PNG files, with the
// painting a display backend puts on screen.
#include <cstring>

#include "display.h"
#include "look_paint.h"
#include "refs.h"
#include "render.h"
#include "toolkit/automation.h"

namespace tk::automation {

using namespace tk::detail;

namespace {

cairo_surface_t* new_surface(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

cairo_surface_t* window_surface(WindowRef ref) {
    TkWindow* window = find_window(ref);
    if (!window || window->disposing) return nullptr;
    cairo_surface_t* surface =
        new_surface(window->content.right - window->content.left, window->content.bottom - window->content.top);
    if (!surface) return nullptr;
    cairo_t* cr = cairo_create(surface);
    display::paint_window(cr, ref);
    cairo_destroy(cr);
    return surface;
}

// The view over the dialog background.
cairo_surface_t* view_surface(HIViewRef ref) {
    TkView* view = find_view(ref);
    if (!view || view->disposing) return nullptr;
    cairo_surface_t* surface = new_surface(view_width(view), view_height(view));
    if (!surface) return nullptr;
    cairo_t* cr = cairo_create(surface);
    set_colour(cr, look::kWindowBackground);
    cairo_paint(cr);
    cairo_translate(cr, -view->bounds.left, -view->bounds.top);
    paint_view(cr, view);
    cairo_destroy(cr);
    return surface;
}

Bitmap to_bitmap(cairo_surface_t* surface) {
    Bitmap bitmap;
    if (!surface) return bitmap;
    cairo_surface_flush(surface);
    bitmap.width = cairo_image_surface_get_width(surface);
    bitmap.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    bitmap.pixels.resize(static_cast<std::size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(&bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width],
                    data + static_cast<std::ptrdiff_t>(y) * stride, static_cast<std::size_t>(bitmap.width) * 4);
    cairo_surface_destroy(surface);
    return bitmap;
}

bool to_png(cairo_surface_t* surface, const std::string& path) {
    if (!surface) return false;
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace

Bitmap renderWindow(WindowRef window) { return to_bitmap(window_surface(window)); }

Bitmap renderView(HIViewRef view) { return to_bitmap(view_surface(view)); }

bool writeWindowPng(WindowRef window, const std::string& path) { return to_png(window_surface(window), path); }


}  // namespace tk::automation
