// Strings: encodings at the interface, lengths and buffers (reference counts are in the references test),
// and line breaks in measured text. (Text dimensions and best sizes shape every dialog, pinned by the golden runs.)
#include <gtest/gtest.h>

#include <string>

#include "support.h"

using namespace tk_test;

TEST(Strings, MacRomanBytesRoundTripAsTheirUnicodeCharacters) {
    std::string all;
    for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
    CFStringRef s = CFStringCreateWithCString(nullptr, all.c_str(), kCFStringEncodingMacRoman);
    char back[256] = {};
    ASSERT_TRUE(CFStringGetCString(s, back, sizeof back, kCFStringEncodingMacRoman));
    EXPECT_EQ(std::string(back), all);
    CFRelease(s);
    // The upper half as the published chart shows it; 0xCA is a no-break space, 0xF0 the private U+F8FF.
    s = CFStringCreateWithCString(nullptr, all.c_str() + 127, kCFStringEncodingMacRoman);
    EXPECT_EQ(take_utf8(s),
              "ÄÅÇÉÑÖÜáàâäãåçéèêëíìîïñóòôöõúùûü†°¢£§•¶ß®©™´¨≠ÆØ∞±≤≥¥µ∂∑∏π∫ªºΩæø"
              "¿¡¬√ƒ≈∆«»…\u00A0ÀÃÕŒœ–—“”‘’÷◊ÿŸ⁄€‹›ﬁﬂ‡·‚„‰ÂÊÁËÈÍÎÏÌÓÔ\uF8FFÒÚÛÙıˆ˜¯˘˙˚¸˝˛ˇ");
}

TEST(Strings, WhatTheTargetCannotHoldFailsTheCopy) {
    char buffer[16];
    EXPECT_FALSE(CFStringGetCString(Str("\xC2\x80"), buffer, sizeof buffer, kCFStringEncodingMacRoman));
    EXPECT_FALSE(CFStringGetCString(Str("\xC3\xA9"), buffer, sizeof buffer, kCFStringEncodingASCII));
    ASSERT_TRUE(CFStringGetCString(Str("\xC3\xA9"), buffer, sizeof buffer, kCFStringEncodingMacRoman));
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0x8E);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\xC3", kCFStringEncodingUTF8), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\x80", kCFStringEncodingASCII), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, nullptr, kCFStringEncodingMacRoman), nullptr);
    // The buffer must hold the terminating zero.
    Str s("1000");
    EXPECT_FALSE(CFStringGetCString(s, buffer, 4, kCFStringEncodingASCII));
    EXPECT_FALSE(CFStringGetCString(s, nullptr, 5, kCFStringEncodingASCII));
    ASSERT_TRUE(CFStringGetCString(s, buffer, 5, kCFStringEncodingASCII));
    EXPECT_STREQ(buffer, "1000");
}

// LF, CR, or CR LF as one, starts a line: the text is as high as its lines and as wide as the widest.
TEST(Strings, LineBreaksStartLines) {
    const auto size = [](const char* text) {
        Point p{0, 0};
        GetThemeTextDimensions(Str(text), kThemeSystemFont, kThemeStateActive, false, &p, nullptr);
        return std::pair(p.h, p.v);
    };
    const auto [wide, high] = size("Wide line");
    for (const char* text : {"Wide line\nab", "ab\rWide line", "ab\r\nWide line", "Wide line\n"})
        EXPECT_EQ(size(text), std::pair(wide, static_cast<SInt16>(2 * high))) << text;
}

// Text is drawn in the system font at one of three sizes; no other theme font exists.
TEST(Strings, OnlyTheThreeThemeFontsCanBeUsed) {
    const ThemeFontID fonts[] = {kThemeSystemFont, kThemeSmallSystemFont, kThemeMiniSystemFont, 2};
    for (const ThemeFontID font : fonts) EXPECT_EQ(UseThemeFont(font, smSystemScript), font == 2 ? paramErr : noErr);
}
