// Drawing contexts, bitmap images and colour spaces over cairo.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "model.h"

struct TkColorSpace {
    TkSerial serial{};
    int refCount = 1;
};

// A bitmap context's pixels live in the caller's memory in the declared layout;
// they are turned into cairo's layout only while cairo paints.
struct TkBitmapMemory {
    unsigned char* data = nullptr;
    bool ownsData{};
    int width{};
    int height{};
    int bytesPerRow{};
    CGBitmapInfo info = kCGImageAlphaPremultipliedLast;
    cairo_surface_t* surface = nullptr;
    TkColorSpace* space = nullptr;
};

struct TkGraphicsState {
    // Opaque black, as a new context draws.
    double fill[4] = {0.0, 0.0, 0.0, 1.0};
    double stroke[4] = {0.0, 0.0, 0.0, 1.0};
};

struct TkContext {
    TkSerial serial{};
    cairo_t* cr = nullptr;
    TkGraphicsState state;
    bool isBitmap{};
    TkBitmapMemory bitmap;
    TkSerial portWindow{};  // the window of a context begun on its port
};

// An image has one owner (nothing retains one), so its release frees it.
struct TkImage {
    TkSerial serial{};
    int width{};
    int height{};
    std::vector<std::uint32_t> pixels;  // cairo ARGB32, premultiplied
};

namespace tk::detail {

// A context drawing through `cr` (which it references), counted among the live contexts.
TkContext* new_context(cairo_t* cr);
void release_context(TkContext* context);
void release_color_space(TkColorSpace* space);

// Brackets painting on a context: a bitmap context's memory is in cairo's layout
// between the two calls.
void begin_paint(TkContext* context);
void end_paint(TkContext* context);

// Converts between the caller's layout and cairo's native ARGB32 in place.
void memory_to_native(const TkBitmapMemory& bitmap);
void native_to_memory(const TkBitmapMemory& bitmap);
// One pixel of the caller's memory as a cairo ARGB32 value.
std::uint32_t read_memory_pixel(const TkBitmapMemory& bitmap, int x, int y);

}  // namespace tk::detail
