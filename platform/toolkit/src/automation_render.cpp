// Automation: rendering windows and views to pixels and PNG files.
#include <cstring>

#include "looks.h"
#include "look_paint.h"
#include "registry.h"
#include "render.h"
#include "toolkit/automation.h"

namespace tk::automation {

using namespace tk::detail;

namespace {

// A surface of the size filled with the colour, or null for an empty size.
cairo_surface_t* background_surface(int width, int height, look::Colour colour = look::kWindowBackground) {
    if (width <= 0 || height <= 0) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    set_colour(cr, colour);
    cairo_paint(cr);
    cairo_destroy(cr);
    return surface;
}

cairo_surface_t* window_surface(WindowRef window) {
    if (!is_window(window) || window->disposing) return nullptr;
    // Windows given the dialog brush are grey; the rest have plain white content.
    const look::Colour colour = window->background == kThemeBrushDialogBackgroundActive ? look::kWindowBackground
                                                                                        : look::kPlainBackground;
    cairo_surface_t* surface = background_surface(window->content.right - window->content.left,
                                                  window->content.bottom - window->content.top, colour);
    if (!surface) return nullptr;
    cairo_t* cr = cairo_create(surface);
    paint_view(cr, window->root);
    cairo_destroy(cr);
    return surface;
}

cairo_surface_t* view_surface(HIViewRef view) {
    if (!is_view(view) || view->disposing) return nullptr;
    cairo_surface_t* surface = background_surface(view_width(view), view_height(view));
    if (!surface) return nullptr;
    cairo_t* cr = cairo_create(surface);
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
        std::memcpy(&bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width], data + static_cast<std::ptrdiff_t>(y) * stride,
                    static_cast<std::size_t>(bitmap.width) * 4);
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

bool writeViewPng(HIViewRef view, const std::string& path) { return to_png(view_surface(view), path); }

}  // namespace tk::automation
