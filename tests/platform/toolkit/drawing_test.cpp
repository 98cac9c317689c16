// Drawing contexts: bitmap memory layout, images and colour spaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

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
    CGContextRef context = CGBitmapContextCreate(pixels.data(), kWidth, 6, 8, kWidth * 4, space,
                                                 kCGImageAlphaPremultipliedLast);
    ASSERT_NE(context, nullptr);
    pixels[36] = 0, pixels[37] = 255, pixels[38] = 0, pixels[39] = 255;  // green at 9,0
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextFillRect(context, CGRect{{2, 1}, {3, 2}});
    CGContextSetRGBFillColor(context, 0, 0, 1, 0.5);
    CGContextFillRect(context, CGRect{{0, 5}, {1, 1}});
    const struct {
        int x, y;
        Px rgba;
    } expected[] = {{2, 1, {255, 0, 0, 255}}, {4, 2, {255, 0, 0, 255}},  // inside the rectangle
                    {5, 1, {0, 0, 0, 0}},     {2, 0, {0, 0, 0, 0}},     {2, 3, {0, 0, 0, 0}},
                    {9, 0, {0, 255, 0, 255}},  // what the caller wrote stays
                    {0, 5, {0, 0, 128, 128}}};
    for (const auto& e : expected) {
        const Px p = at(e.x, e.y);
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(p[c], e.rgba[c], 1) << e.x << "," << e.y;
    }
    CGContextClearRect(context, CGRect{{0, 0}, {10, 6}});
    EXPECT_EQ(at(9, 0), (Px{0, 0, 0, 0}));
    CGContextRelease(context);
    CGColorSpaceRelease(space);
}

TEST(Drawing, EachMemoryLayoutKeepsWhatTheCallerWroteAndTakesWhatIsDrawn) {
    const struct {
        CGBitmapInfo info;
        Px green, red;  // the bytes of opaque green and red in that layout
    } layouts[] = {
        {kCGImageAlphaPremultipliedLast, {0, 255, 0, 255}, {255, 0, 0, 255}},
        {kCGImageAlphaPremultipliedFirst, {255, 0, 255, 0}, {255, 255, 0, 0}},
    };
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    for (const auto& l : layouts) {
        std::array<unsigned char, 8> memory{};
        std::copy(l.green.begin(), l.green.end(), memory.begin());
        CGContextRef context = CGBitmapContextCreate(memory.data(), 2, 1, 8, 8, space, l.info);
        ASSERT_NE(context, nullptr);
        CGContextSetRGBFillColor(context, 1, 0, 0, 1);
        CGContextFillRect(context, CGRect{{1, 0}, {1, 1}});
        EXPECT_EQ((Px{memory[0], memory[1], memory[2], memory[3]}), l.green) << l.info;
        EXPECT_EQ((Px{memory[4], memory[5], memory[6], memory[7]}), l.red) << l.info;
        CGContextRelease(context);
    }
    CGColorSpaceRelease(space);
}

TEST(Drawing, BadBitmapRequestsAreRefused) {
    std::vector<unsigned char> memory(64);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    EXPECT_EQ(CGBitmapContextCreate(memory.data(), 4, 4, 16, 16, space, kCGImageAlphaPremultipliedLast), nullptr);
    EXPECT_EQ(CGBitmapContextCreate(memory.data(), 4, 4, 8, 8, space, kCGImageAlphaPremultipliedLast), nullptr);
    EXPECT_EQ(CGBitmapContextCreate(memory.data(), 0, 4, 8, 0, space, kCGImageAlphaPremultipliedLast), nullptr);
    EXPECT_EQ(CGBitmapContextCreate(memory.data(), 4, 4, 8, 16, nullptr, kCGImageAlphaPremultipliedLast), nullptr);
    EXPECT_EQ(CGBitmapContextCreateImage(nullptr), nullptr);
    EXPECT_EQ(CGImageGetWidth(nullptr), 0u);
    CGColorSpaceRelease(space);
}
