// Bitmap contexts over the caller's memory, bitmap images and colour spaces.
#include <cstdlib>

#include "context.h"
#include "registry.h"

namespace {

using namespace tk::detail;

void destroy_image(CGImageRef image) {
    registry().images.erase(image);
    delete image;
}

}  // namespace

extern "C" {

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo) {
    constexpr size_t kLimit = 1 << 15;
    if (bitsPerComponent != 8 || width == 0 || height == 0 || width > kLimit || height > kLimit) return nullptr;
    if (!is_color_space(space) || bitmapInfo > kCGImageAlphaPremultipliedFirst) return nullptr;
    if (bytesPerRow == 0) bytesPerRow = width * 4;
    if (bytesPerRow < width * 4 || bytesPerRow % 4 != 0) return nullptr;
    TkBitmapMemory bitmap;
    bitmap.ownsData = data == nullptr;
    bitmap.data = static_cast<unsigned char*>(data ? data : std::calloc(height, bytesPerRow));
    if (!bitmap.data) return nullptr;
    bitmap.width = static_cast<int>(width);
    bitmap.height = static_cast<int>(height);
    bitmap.bytesPerRow = static_cast<int>(bytesPerRow);
    bitmap.info = bitmapInfo;
    bitmap.surface = cairo_image_surface_create_for_data(
        bitmap.data, bitmapInfo == kCGImageAlphaNone ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, bitmap.width,
        bitmap.height, bitmap.bytesPerRow);
    if (cairo_surface_status(bitmap.surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(bitmap.surface);
        if (bitmap.ownsData) std::free(bitmap.data);
        return nullptr;
    }
    cairo_t* cr = cairo_create(bitmap.surface);
    CGContextRef context = new_context(cr);
    cairo_destroy(cr);
    ++space->refCount;
    bitmap.space = space;
    context->isBitmap = true;
    context->bitmap = bitmap;
    return context;
}

CGImageRef CGBitmapContextCreateImage(CGContextRef context) {
    if (!is_context(context) || !context->isBitmap) return nullptr;
    const TkBitmapMemory& bitmap = context->bitmap;
    auto* image = new CGImage;
    image->width = bitmap.width;
    image->height = bitmap.height;
    image->pixels.reserve(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) image->pixels.push_back(read_memory_pixel(bitmap, x, y));
    registry().images.insert(image);
    return image;
}

size_t CGImageGetWidth(CGImageRef image) { return is_image(image) ? static_cast<size_t>(image->width) : 0; }

size_t CGImageGetHeight(CGImageRef image) { return is_image(image) ? static_cast<size_t>(image->height) : 0; }

void CGImageRelease(CGImageRef image) {
    if (is_image(image) && --image->refCount == 0) destroy_image(image);
}

CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void) {
    auto* space = new CGColorSpace;
    registry().colorSpaces.insert(space);
    return space;
}

void CGColorSpaceRelease(CGColorSpaceRef space) {
    if (!is_color_space(space) || --space->refCount > 0) return;
    registry().colorSpaces.erase(space);
    delete space;
}

// The image's first row goes at the top of the rectangle, scaled to fill it.
void CGContextDrawImage(CGContextRef c, CGRect rect, CGImageRef image) {
    if (!is_context(c) || !is_image(image) || rect.size.width <= 0 || rect.size.height <= 0) return;
    cairo_surface_t* source = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(image->pixels.data()), CAIRO_FORMAT_ARGB32, image->width, image->height,
        image->width * 4);
    begin_paint(c);
    cairo_save(c->cr);
    cairo_new_path(c->cr);
    cairo_translate(c->cr, rect.origin.x, rect.origin.y);
    cairo_scale(c->cr, rect.size.width / image->width, rect.size.height / image->height);
    cairo_set_source_surface(c->cr, source, 0, 0);
    cairo_rectangle(c->cr, 0, 0, image->width, image->height);
    cairo_fill(c->cr);
    cairo_restore(c->cr);
    end_paint(c);
    cairo_surface_destroy(source);
}

}  // extern "C"
