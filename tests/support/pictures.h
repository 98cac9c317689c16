// Pictures compared pixel for pixel: PNG files read through cairo, and where two
// pictures differ. Rendering is exact on one machine, and a colour one shade off
// over a face or a background is a fault like any other.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace test_pictures {

// Red, green and blue of each pixel, row after row; empty when it cannot be read.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
};

inline Picture read_png(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    Picture picture;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        picture.width = cairo_image_surface_get_width(surface);
        picture.height = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                std::uint32_t v;
                std::memcpy(&v, data + y * stride + x * 4, 4);
                picture.rgb.push_back(v & 0xffffff);
            }
    }
    cairo_surface_destroy(surface);
    return picture;
}

// "" when the pictures are the same; else the sizes, or how many pixels differ and where.
inline std::string picture_difference(const Picture& expected, const Picture& actual) {
    if (expected.rgb.empty() || expected.width != actual.width || expected.height != actual.height)
        return "sizes " + std::to_string(expected.width) + " x " + std::to_string(expected.height) + " and " +
               std::to_string(actual.width) + " x " + std::to_string(actual.height);
    std::size_t differing = 0;
    int left = actual.width, top = actual.height, right = -1, bottom = -1;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x) {
            if (expected.rgb[y * actual.width + x] == actual.rgb[y * actual.width + x]) continue;
            ++differing;
            left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
        }
    if (!differing) return "";
    return std::to_string(differing) + " pixels differ, within x " + std::to_string(left) + ".." +
           std::to_string(right) + ", y " + std::to_string(top) + ".." + std::to_string(bottom);
}

}  // namespace test_pictures
