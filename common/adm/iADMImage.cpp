#include "adm/detail/iADMImage.h"

#include <cstdlib>
#include <limits>

iADMImage::~iADMImage() {
    if (context) CGContextRelease(context);
    std::free(pixels);
}

bool iADMImage::CreateOffscreen(int width, int height, int /*options*/) {
    // The image's bounds are a toolkit rectangle, so its sides must fit 16 bits.
    constexpr int kLargest = std::numeric_limits<SInt16>::max();
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest) return false;
    const size_t bytesPerRow = static_cast<size_t>(width) * 4;
    pixels = static_cast<unsigned char*>(std::calloc(bytesPerRow * static_cast<size_t>(height), 1));
    if (!pixels) return false;
    // The context holds its colour space; no colour space, no context.
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    context = CGBitmapContextCreate(pixels, static_cast<size_t>(width), static_cast<size_t>(height), 8, bytesPerRow,
                                    space, kCGImageAlphaPremultipliedLast);
    CGColorSpaceRelease(space);
    if (!context) return false;
    _width = width;
    _height = height;
    return true;
}

Rect iADMImage::getBounds() const {
    return Rect{0, 0, static_cast<SInt16>(_height), static_cast<SInt16>(_width)};
}
