// Drawing contexts: bitmap memory layout, images and colour spaces.
#include "support.h"

using namespace tk_test;

using Px = std::array<int, 4>;

TEST(Drawing, BitmapMemoryHoldsPremultipliedRedGreenBlueAlphaFromTheTopLeft) {
    constexpr int kWidth = 10;
    std::vector<unsigned char> pixels(kWidth * 6 * 4, 0);
    const auto at = [&](int x, int y) {
        const unsigned char* p = &pixels[(y * kWidth + x) * 4];
        return Px{p[0], p[1], p[2], p[3]};
    };
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context =
        CGBitmapContextCreate(pixels.data(), kWidth, 6, 8, kWidth * 4, space, kCGImageAlphaPremultipliedLast);
    ASSERT_NE(context, nullptr);
    pixels[36] = 0, pixels[37] = 255, pixels[38] = 0, pixels[39] = 255;  // green at 9,0
    CGContextStrokeRect(context, CGRect{{6.5, 0.5}, {1, 1}});            // black and one pixel wide
    CGContextFillRect(context, CGRect{{0, 4}, {1, 1}});
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextFillRect(context, CGRect{{2, 1}, {3, 2}});
    CGContextSetRGBFillColor(context, 0, 0, 1, 0.5);
    CGContextFillRect(context, CGRect{{0, 5}, {1, 1}});
    const struct {
        int x, y;
        Px rgba;
    } expected[] = {{2, 1, {255, 0, 0, 255}}, {4, 2, {255, 0, 0, 255}},  // inside the rectangle
                    {5, 1, {0, 0, 0, 0}},     {2, 0, {0, 0, 0, 0}},
                    {2, 3, {0, 0, 0, 0}},     {9, 0, {0, 255, 0, 255}},  // what the caller wrote stays
                    {6, 0, {0, 0, 0, 255}},   {7, 1, {0, 0, 0, 255}},
                    {0, 4, {0, 0, 0, 255}},   {0, 5, {0, 0, 128, 128}}};
    for (const auto& e : expected)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(at(e.x, e.y)[c], e.rgba[c], 1) << e.x << "," << e.y;
    CGContextClearRect(context, CGRect{{0, 0}, {10, 6}});
    EXPECT_EQ(at(9, 0), (Px{0, 0, 0, 0}));
    CGContextRelease(context);
    CGColorSpaceRelease(space);
}

// The other layout (the viewer's): alpha first; what the caller wrote stays.
// Each layout keeps its byte order: a blue pixel filled over grey beside an opaque green one.
TEST(Drawing, EachBitmapLayoutHoldsItsChannelsInItsOrder) {
    using Bytes = std::array<unsigned char, 8>;
    const struct {
        CGBitmapInfo info;
        Bytes before, after;
    } rows[] = {{kCGImageAlphaPremultipliedFirst, {255, 0, 255, 0, 9, 9, 9, 9}, {255, 0, 255, 0, 255, 0, 0, 255}},
                {kCGImageAlphaPremultipliedLast, {0, 255, 0, 255, 9, 9, 9, 9}, {0, 255, 0, 255, 0, 0, 255, 255}},
                {kCGImageAlphaNone, {0, 255, 0, 7, 9, 9, 9, 9}, {0, 255, 0, 255, 0, 0, 255, 255}}};
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    for (const auto& row : rows) {
        Bytes memory = row.before;
        CGContextRef context = CGBitmapContextCreate(memory.data(), 2, 1, 8, 8, space, row.info);
        ASSERT_NE(context, nullptr);
        CGContextSetRGBFillColor(context, 0, 0, 1, 1);
        CGContextFillRect(context, CGRect{{1, 0}, {1, 1}});
        CGContextRelease(context);
        EXPECT_EQ(memory, row.after) << row.info;
    }
    CGColorSpaceRelease(space);
}

TEST(Drawing, BadBitmapRequestsAreRefused) {
    std::vector<unsigned char> memory(64);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    // Width, bits per component, bytes per row and colour space: 16-bit
    // components, a row too short, no width, no colour space.
    for (auto [w, b, r, cs] : {std::tuple{4, 16, 16, space}, {4, 8, 8, space}, {0, 8, 0, space}, {4, 8, 16, nullptr}})
        EXPECT_EQ(CGBitmapContextCreate(memory.data(), w, 4, b, r, cs, kCGImageAlphaPremultipliedLast), nullptr) << w;
    EXPECT_EQ(std::tuple(CGBitmapContextCreateImage(nullptr), CGImageGetWidth(nullptr)), std::tuple(nullptr, 0u));
    // No image, or an image into no width or no height, draws nothing and leaves the context able to draw: a
    // blue image still fills a single pixel.
    CGContextRef context = CGBitmapContextCreate(memory.data(), 4, 4, 8, 16, space, kCGImageAlphaPremultipliedLast);
    CGContextSetRGBFillColor(context, 0, 0, 1, 1);
    CGContextFillRect(context, CGRect{{0, 0}, {4, 4}});
    CGImageRef image = CGBitmapContextCreateImage(context);
    CGContextClearRect(context, CGRect{{0, 0}, {4, 4}});
    CGContextDrawImage(context, CGRect{{0, 0}, {4, 4}}, nullptr);
    for (const CGRect r : {CGRect{{0, 0}, {0, 4}}, CGRect{{0, 0}, {4, 0}}}) CGContextDrawImage(context, r, image);
    EXPECT_EQ(memory, std::vector<unsigned char>(64));
    CGContextDrawImage(context, CGRect{{0, 0}, {1, 1}}, image);
    EXPECT_TRUE(memory[2] > 250 && memory[6] == 0);  // cairo's filter leaves the blue a little short of full
    CGImageRelease(image);
    CGContextRelease(context);
    CGColorSpaceRelease(space);
}
