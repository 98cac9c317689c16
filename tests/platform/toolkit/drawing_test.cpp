// Drawing contexts: bitmap memory layout, images, colour spaces and port contexts.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

// A 10 x 6 bitmap in the caller's memory with a context over it.
struct Canvas {
    static constexpr int kWidth = 10, kHeight = 6;
    std::vector<unsigned char> pixels = std::vector<unsigned char>(kWidth * kHeight * 4, 0);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context = CGBitmapContextCreate(pixels.data(), kWidth, kHeight, 8, kWidth * 4, space,
                                                 kCGImageAlphaPremultipliedLast);
    ~Canvas() {
        CGContextRelease(context);
        CGColorSpaceRelease(space);
    }
    std::array<int, 4> at(int x, int y) const {
        const unsigned char* p = &pixels[(y * kWidth + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
};

}  // namespace

TEST(Drawing, BitmapMemoryHoldsRedGreenBlueAlphaInThatOrder) {
    Canvas canvas;
    ASSERT_NE(canvas.context, nullptr);
    CGContextSetRGBFillColor(canvas.context, 1, 0, 0, 1);
    CGContextFillRect(canvas.context, CGRect{{2, 1}, {3, 2}});
    EXPECT_EQ(canvas.at(2, 1), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(canvas.at(4, 2), (std::array<int, 4>{255, 0, 0, 255}));
    // Outside the rectangle the zeroed memory stays transparent black; the origin is top-left.
    EXPECT_EQ(canvas.at(5, 1), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(canvas.at(2, 0), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(canvas.at(2, 3), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Drawing, AlphaIsPremultipliedAndLast) {
    Canvas canvas;
    CGContextSetRGBFillColor(canvas.context, 0, 0, 1, 0.5);
    CGContextFillRect(canvas.context, CGRect{{0, 0}, {1, 1}});
    const auto p = canvas.at(0, 0);
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(p[1], 0);
    EXPECT_NEAR(p[2], 128, 1);
    EXPECT_NEAR(p[3], 128, 1);
}

TEST(Drawing, MemoryWrittenByTheCallerIsKeptAndComposited) {
    Canvas canvas;
    canvas.pixels[0] = 0, canvas.pixels[1] = 255, canvas.pixels[2] = 0, canvas.pixels[3] = 255;  // green at 0,0
    CGContextSetRGBFillColor(canvas.context, 1, 0, 0, 1);
    CGContextFillRect(canvas.context, CGRect{{5, 5}, {1, 1}});
    EXPECT_EQ(canvas.at(0, 0), (std::array<int, 4>{0, 255, 0, 255}));
    CGContextClearRect(canvas.context, CGRect{{0, 0}, {10, 6}});
    EXPECT_EQ(canvas.at(5, 5), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Drawing, PathsFillAndStrokeWithTheirOwnColours) {
    Canvas canvas;
    CGContextSetRGBFillColor(canvas.context, 0, 1, 0, 1);
    CGContextSetRGBStrokeColor(canvas.context, 0, 0, 1, 1);
    CGContextBeginPath(canvas.context);
    CGContextMoveToPoint(canvas.context, 0, 0);
    CGContextAddLineToPoint(canvas.context, 4, 0);
    CGContextAddLineToPoint(canvas.context, 4, 4);
    CGContextAddLineToPoint(canvas.context, 0, 4);
    CGContextClosePath(canvas.context);
    CGContextFillPath(canvas.context);
    EXPECT_EQ(canvas.at(2, 2), (std::array<int, 4>{0, 255, 0, 255}));
    CGContextSetLineWidth(canvas.context, 2);
    CGContextBeginPath(canvas.context);
    CGContextMoveToPoint(canvas.context, 6, 3);
    CGContextAddLineToPoint(canvas.context, 10, 3);
    CGContextStrokePath(canvas.context);
    EXPECT_EQ(canvas.at(8, 2), (std::array<int, 4>{0, 0, 255, 255}));
    EXPECT_EQ(canvas.at(8, 0), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Drawing, SavedStateComesBack) {
    Canvas canvas;
    CGContextSetRGBFillColor(canvas.context, 1, 0, 0, 1);
    CGContextSaveGState(canvas.context);
    CGContextSetRGBFillColor(canvas.context, 0, 0, 1, 1);
    CGContextRestoreGState(canvas.context);
    CGContextRestoreGState(canvas.context);  // unmatched: ignored
    CGContextFillRect(canvas.context, CGRect{{0, 0}, {1, 1}});
    EXPECT_EQ(canvas.at(0, 0), (std::array<int, 4>{255, 0, 0, 255}));
}

TEST(Drawing, ImagesCopyTheBitmapAndDrawScaled) {
    const auto before = ta::liveCounts();
    {
        Canvas source;
        CGContextSetRGBFillColor(source.context, 1, 0, 0, 1);
        CGContextFillRect(source.context, CGRect{{0, 0}, {10, 6}});
        CGImageRef image = CGBitmapContextCreateImage(source.context);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(CGImageGetWidth(image), 10u);
        EXPECT_EQ(CGImageGetHeight(image), 6u);
        // Later drawing in the source does not change the image.
        CGContextClearRect(source.context, CGRect{{0, 0}, {10, 6}});
        Canvas target;
        CGContextDrawImage(target.context, CGRect{{0, 0}, {5, 3}}, image);
        EXPECT_EQ(target.at(1, 1), (std::array<int, 4>{255, 0, 0, 255}));
        EXPECT_EQ(target.at(7, 1), (std::array<int, 4>{0, 0, 0, 0}));
        CGImageRelease(image);
    }
    EXPECT_EQ(ta::liveCounts().total(), before.total());
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

TEST(Drawing, TheContextKeepsItsColourSpaceAlive) {
    const auto before = ta::liveCounts();
    std::vector<unsigned char> memory(16);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context = CGBitmapContextCreate(memory.data(), 2, 2, 8, 8, space, kCGImageAlphaPremultipliedLast);
    CGColorSpaceRelease(space);
    EXPECT_EQ(ta::liveCounts().colorSpaces, before.colorSpaces + 1);
    EXPECT_EQ(CGContextRetain(context), context);
    CGContextRelease(context);
    EXPECT_EQ(ta::liveCounts().contexts, before.contexts + 1);
    CGContextRelease(context);
    EXPECT_EQ(ta::liveCounts().total(), before.total());
}

TEST(Drawing, PortContextsBeginAndEndOnAWindowPort) {
    const auto before = ta::liveCounts();
    WindowRef w = new_window();
    SetPortWindowPort(w);
    GrafPtr port = nullptr;
    GetPort(&port);
    EXPECT_EQ(port, GetWindowPort(w));
    EXPECT_EQ(GetWindowFromPort(port), w);
    CGContextRef context = nullptr;
    ASSERT_EQ(QDBeginCGContext(port, &context), noErr);
    CGContextFillRect(context, CGRect{{0, 0}, {5, 5}});
    ASSERT_EQ(QDEndCGContext(port, &context), noErr);
    EXPECT_EQ(context, nullptr);
    DisposeWindow(w);
    GetPort(&port);
    EXPECT_EQ(port, nullptr);  // the disposed window's port is no longer current
    EXPECT_EQ(QDBeginCGContext(nullptr, &context), paramErr);
    EXPECT_EQ(ta::liveCounts().total(), before.total());
}
