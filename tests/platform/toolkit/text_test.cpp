// Text: encodings at the interface, lengths, buffers and reference counts of
// strings; dimensions from the real font and the best sizes of controls.
#include <gtest/gtest.h>

#include <string>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

Point measure(const char* text, ThemeFontID font, SInt16 wrap = 0) {
    Point size{0, wrap};
    GetThemeTextDimensions(Str(text), font, kThemeStateActive, wrap > 0, &size, nullptr);
    return size;
}

int width(const Rect& r) { return r.right - r.left; }
int height(const Rect& r) { return r.bottom - r.top; }

}  // namespace

TEST(TextMetrics, DimensionsArePlausibleAndWrappingStacksLines) {
    const Point apply = measure("Apply", kThemeMiniSystemFont);
    EXPECT_GT(apply.h, 15);
    EXPECT_LT(apply.h, 50);
    EXPECT_GE(apply.v, 9);
    EXPECT_LE(apply.v, 16);
    // Wider text is wider; a bigger font is bigger; narrow letters are narrower.
    EXPECT_GT(measure("Apply Apply", kThemeMiniSystemFont).h, apply.h);
    EXPECT_GT(measure("Apply", kThemeSystemFont).h, apply.h);
    EXPECT_LT(measure("iiiii", kThemeMiniSystemFont).h, measure("WWWWW", kThemeMiniSystemFont).h);
    EXPECT_EQ(measure("", kThemeMiniSystemFont).h, 0);
    const char* text = "Crop Text Layers To Size Of Other 3D Layers";
    const Point line = measure(text, kThemeMiniSystemFont);
    const Point wrapped = measure(text, kThemeMiniSystemFont, static_cast<SInt16>(line.h / 2));
    EXPECT_LE(wrapped.h, line.h / 2);
    EXPECT_GE(wrapped.v, 2 * line.v);
    SInt16 baseline = 0;
    Point size{0, 0};
    GetThemeTextDimensions(Str("g"), kThemeMiniSystemFont, kThemeStateActive, false, &size, &baseline);
    EXPECT_LT(baseline, 0);  // the baseline sits above the bottom
}

// A check box is its square box, a gap and its title; texts and buttons follow their font.
TEST(TextMetrics, BestSizesFollowTheTitleAndTheFont) {
    const Rect r{5, 7, 18, 67};
    ControlFontStyleRec mini{};
    mini.flags = kControlUseFontMask;
    mini.font = kControlFontMiniSystemFont;
    ControlRef check = nullptr, bare = nullptr, label = nullptr, button = nullptr;
    CreateCheckBoxControl(nullptr, &r, Str("Random"), 0, true, &check);
    CreateCheckBoxControl(nullptr, &r, nullptr, 0, true, &bare);
    CreateStaticTextControl(nullptr, &r, Str("Cube Dimensions"), &mini, &label);
    CreatePushButtonControl(nullptr, &r, Str("Apply"), &button);
    const auto best = [](ControlRef v, SInt16* baseline = nullptr) {
        Rect b{};
        EXPECT_EQ(GetBestControlRect(v, &b, baseline), noErr);
        return b;
    };
    SInt16 baseline = 0;
    const Rect box = best(check, &baseline), square = best(bare);
    EXPECT_EQ(std::pair(box.top, box.left), std::pair(SInt16{5}, SInt16{7}));
    EXPECT_EQ(width(square), height(square));
    const Point title = measure("Random", kThemeSystemFont);
    EXPECT_GT(width(box), width(square) + title.h);
    EXPECT_LE(width(box), width(square) + title.h + 8);
    EXPECT_GT(baseline, 0);
    const Point text = measure("Cube Dimensions", kThemeMiniSystemFont);
    EXPECT_EQ(std::pair(width(best(label)), height(best(label))), std::pair(int{text.h}, int{text.v}));
    EXPECT_GT(width(best(button)), measure("Apply", kThemeSystemFont).h);
    EXPECT_GE(height(best(button)), 15);
    for (ControlRef v : {check, bare, label, button}) DisposeControl(v);
}

TEST(Strings, MacRomanBytesRoundTripAsTheirUnicodeCharacters) {
    std::string all;
    for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
    CFStringRef s = CFStringCreateWithCString(nullptr, all.c_str(), kCFStringEncodingMacRoman);
    EXPECT_EQ(CFStringGetLength(s), 255);
    char back[256] = {};
    ASSERT_TRUE(CFStringGetCString(s, back, sizeof back, kCFStringEncodingMacRoman));
    EXPECT_EQ(std::string(back), all);
    CFRelease(s);
    // 0x8E e acute, 0xA5 bullet, 0xDB euro sign, 0xD0 en dash.
    s = CFStringCreateWithCString(nullptr, "caf\x8E \xA5 \xDB \xD0", kCFStringEncodingMacRoman);
    EXPECT_EQ(CFStringGetLength(s), 10);
    EXPECT_EQ(take_utf8(s), "caf\xC3\xA9 \xE2\x80\xA2 \xE2\x82\xAC \xE2\x80\x93");
}

TEST(Strings, WhatTheTargetCannotHoldFailsTheCopy) {
    char buffer[16];
    EXPECT_FALSE(CFStringGetCString(Str("\xCE\xB1\xCE\xB2"), buffer, sizeof buffer, kCFStringEncodingMacRoman));
    EXPECT_FALSE(CFStringGetCString(Str("\xC3\xA9"), buffer, sizeof buffer, kCFStringEncodingASCII));
    ASSERT_TRUE(CFStringGetCString(Str("\xC3\xA9"), buffer, sizeof buffer, kCFStringEncodingMacRoman));
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0x8E);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\xC3", kCFStringEncodingUTF8), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\x80", kCFStringEncodingASCII), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, nullptr, kCFStringEncodingMacRoman), nullptr);
    // The buffer must hold the terminating zero.
    Str s("1000");
    EXPECT_FALSE(CFStringGetCString(s, buffer, 4, kCFStringEncodingASCII));
    EXPECT_FALSE(CFStringGetCString(s, buffer, 0, kCFStringEncodingASCII));
    ASSERT_TRUE(CFStringGetCString(s, buffer, 5, kCFStringEncodingASCII));
    EXPECT_STREQ(buffer, "1000");
}

TEST(Strings, RetainAndReleaseAreCounted) {
    const auto before = ta::liveCounts().strings;
    CFStringRef s = CFStringCreateWithCString(nullptr, "Voxtrel", kCFStringEncodingMacRoman);
    EXPECT_EQ(ta::liveCounts().strings, before + 1);
    EXPECT_EQ(CFRetain(s), s);
    CFRelease(s);
    EXPECT_EQ(CFStringGetLength(s), 7);
    CFRelease(s);
    EXPECT_EQ(ta::liveCounts().strings, before);
    EXPECT_EQ(CFStringGetLength(s), 0);  // a released reference is refused
    CFRelease(nullptr);
}
