// Bitmap contexts over the caller's memory, bitmap images and colour spaces.
#include <cstdlib>

#include "context.h"
#include "refs.h"

using namespace tk::detail;

extern "C" {

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo bitmapInfo) {
    constexpr size_t kLimit = 1 << 15;
    if (bitsPerComponent != 8 || width == 0 || height == 0 || width > kLimit || height > kLimit) return nullptr;
    TkColorSpace* colorSpace = find_color_space(space);
    if (!colorSpace || bitmapInfo > kCGImageAlphaPremultipliedFirst) return nullptr;
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
    // A layout without alpha reaches cairo with alpha 255 in every pixel, so one format serves all.
    bitmap.surface = cairo_image_surface_create_for_data(bitmap.data, CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height,
                                                         bitmap.bytesPerRow);
    if (cairo_surface_status(bitmap.surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(bitmap.surface);
        if (bitmap.ownsData) std::free(bitmap.data);
        return nullptr;
    }
    cairo_t* cr = cairo_create(bitmap.surface);
    TkContext* context = new_context(cr);
    cairo_destroy(cr);
    ++colorSpace->refCount;
    bitmap.space = colorSpace;
    context->isBitmap = true;
    context->bitmap = bitmap;
    return ref_of(context);
}

CGImageRef CGBitmapContextCreateImage(CGContextRef c) {
    const TkContext* context = find_context(c);
    if (!context || !context->isBitmap) return nullptr;
    const TkBitmapMemory& bitmap = context->bitmap;
    auto* image = new TkImage;
    image->serial = next_serial();
    image->width = bitmap.width;
    image->height = bitmap.height;
    image->pixels.reserve(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) image->pixels.push_back(read_memory_pixel(bitmap, x, y));
    registry().images.add(image);
    return ref_of(image);
}

size_t CGImageGetWidth(CGImageRef image) {
    const TkImage* found = find_image(image);
    return found ? static_cast<size_t>(found->width) : 0;
}

void CGImageRelease(CGImageRef image) {
    TkImage* found = find_image(image);
    if (!found) return;
    registry().images.remove(found);
    delete found;
}

CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void) {
    auto* space = new TkColorSpace;
    space->serial = next_serial();
    registry().colorSpaces.add(space);
    return ref_of(space);
}

void CGColorSpaceRelease(CGColorSpaceRef space) {
    if (TkColorSpace* found = find_color_space(space)) release_color_space(found);
}

// The image's first row goes at the top of the rectangle, scaled to fill it.
void CGContextDrawImage(CGContextRef c, CGRect rect, CGImageRef image) {
    TkContext* context = find_context(c);
    TkImage* source = find_image(image);
    if (!context || !source || rect.size.width <= 0 || rect.size.height <= 0) return;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(source->pixels.data()), CAIRO_FORMAT_ARGB32, source->width, source->height,
        source->width * 4);
    begin_paint(context);
    cairo_t* cr = context->cr;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, rect.origin.x, rect.origin.y);
    cairo_scale(cr, rect.size.width / source->width, rect.size.height / source->height);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_rectangle(cr, 0, 0, source->width, source->height);
    cairo_fill(cr);
    cairo_restore(cr);
    end_paint(context);
    cairo_surface_destroy(surface);
}

}  // extern "C"
