// Drawing contexts: creation, reference counts and painting brackets.
#include "context.h"

#include <cstdlib>
#include <cstring>

#include "refs.h"

namespace tk::detail {
namespace {

std::uint32_t pack(unsigned a, unsigned r, unsigned g, unsigned b) { return (a << 24) | (r << 16) | (g << 8) | b; }

unsigned char* pixel_at(const TkBitmapMemory& bitmap, int x, int y) {
    return bitmap.data + static_cast<std::ptrdiff_t>(y) * bitmap.bytesPerRow + static_cast<std::ptrdiff_t>(x) * 4;
}

}  // namespace

TkContext* new_context(cairo_t* cr) {
    auto* context = new TkContext;
    context->serial = next_serial();
    context->cr = cairo_reference(cr);
    registry().contexts.add(context);
    return context;
}

void release_context(TkContext* context) {
    cairo_destroy(context->cr);
    if (context->isBitmap) {
        cairo_surface_destroy(context->bitmap.surface);
        if (context->bitmap.ownsData) std::free(context->bitmap.data);
        release_color_space(context->bitmap.space);
    }
    registry().contexts.remove(context);
    delete context;
}

void release_color_space(TkColorSpace* space) {
    if (--space->refCount > 0) return;
    registry().colorSpaces.remove(space);
    delete space;
}

std::uint32_t read_memory_pixel(const TkBitmapMemory& bitmap, int x, int y) {
    const unsigned char* p = pixel_at(bitmap, x, y);
    switch (bitmap.info) {
    case kCGImageAlphaPremultipliedFirst:
        return pack(p[0], p[1], p[2], p[3]);
    case kCGImageAlphaNone:
        return pack(0xFF, p[0], p[1], p[2]);
    default:
        return pack(p[3], p[0], p[1], p[2]);
    }
}

void memory_to_native(const TkBitmapMemory& bitmap) {
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t value = read_memory_pixel(bitmap, x, y);
            std::memcpy(pixel_at(bitmap, x, y), &value, sizeof value);
        }
}

void native_to_memory(const TkBitmapMemory& bitmap) {
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            unsigned char* p = pixel_at(bitmap, x, y);
            std::uint32_t v;
            std::memcpy(&v, p, sizeof v);
            const auto a = static_cast<unsigned char>(v >> 24), r = static_cast<unsigned char>(v >> 16),
                       g = static_cast<unsigned char>(v >> 8), b = static_cast<unsigned char>(v);
            switch (bitmap.info) {
            case kCGImageAlphaPremultipliedFirst:
                p[0] = a, p[1] = r, p[2] = g, p[3] = b;
                break;
            case kCGImageAlphaNone:
                p[0] = r, p[1] = g, p[2] = b, p[3] = 0xFF;
                break;
            default:
                p[0] = r, p[1] = g, p[2] = b, p[3] = a;
                break;
            }
        }
}

void begin_paint(TkContext* context) {
    if (!context->isBitmap) return;
    memory_to_native(context->bitmap);
    cairo_surface_mark_dirty(context->bitmap.surface);
}

void end_paint(TkContext* context) {
    if (!context->isBitmap) return;
    cairo_surface_flush(context->bitmap.surface);
    native_to_memory(context->bitmap);
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

void CGContextRelease(CGContextRef c) {
    if (TkContext* context = find_context(c)) release_context(context);
}

}  // extern "C"
