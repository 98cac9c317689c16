// Strings: encodings at the interface, lengths and buffers (reference counts are in the references test),
// line breaks in measured text, theme fonts and justified text. (Text dimensions and best sizes shape every dialog,
// pinned by the golden runs.)
#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

#include "model.h"
#include "support.h"
#include "text_metrics.h"

using namespace tk_test;

TEST(Strings, MacRomanBytesRoundTripAsTheirUnicodeCharacters) {
    std::string all;
    for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
    CFStringRef s = CFStringCreateWithCString(nullptr, all.c_str(), kCFStringEncodingMacRoman);
    char back[256] = {};
    EXPECT_TRUE(CFStringGetCString(s, back, sizeof back, kCFStringEncodingMacRoman) && std::string(back) == all);
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
    EXPECT_FALSE(CFStringGetCString(s, buffer, 4, kCFStringEncodingASCII) ||
                 CFStringGetCString(s, nullptr, 5, kCFStringEncodingASCII));
    EXPECT_TRUE(CFStringGetCString(s, buffer, 5, kCFStringEncodingASCII) && std::string(buffer) == "1000");
}

// LF, CR, or CR LF as one, starts a line: the text is as high as its lines, and as wide as the widest wherever it is.
// Text is drawn in the system font at one of three sizes, each smaller than the one before; no other theme font exists.
TEST(Strings, LineBreaksStartLinesInTheThemeFonts) {
    const auto size = [](const char* text, ThemeFontID font = kThemeSystemFont, SInt16 width = 0, bool wrap = true) {
        Point p{0, width};
        GetThemeTextDimensions(Str(text), font, kThemeStateActive, wrap, &p, nullptr);
        return std::pair(p.h, p.v);
    };
    const auto [wide, high] = size("Wide line");
    // Room to spare, or a width without asking for wrapping: one line.
    EXPECT_TRUE(size("Wide line ", kThemeSystemFont, 999) == size("Wide line ") &&
                size("Wide line", kThemeSystemFont, 9, false) == std::pair(wide, high));
    for (const char* text : {"ab\nWide line\nab", "ab\rWide line\r", "ab\r\nWide line\r\nab", "Wide line\n\n"})
        EXPECT_EQ(size(text), std::pair(wide, static_cast<SInt16>(3 * high))) << text;
    EXPECT_TRUE(size("Wide line", kThemeSmallSystemFont) < size("Wide line") &&
                size("Wide line", kThemeMiniSystemFont) < size("Wide line", kThemeSmallSystemFont));
    const ThemeFontID fonts[] = {kThemeSystemFont, kThemeSmallSystemFont, kThemeMiniSystemFont, 2};
    for (const ThemeFontID font : fonts) EXPECT_EQ(UseThemeFont(font, smSystemScript), font == 2 ? paramErr : noErr);
    // Measuring needs somewhere to put the size.
    EXPECT_EQ(GetThemeTextDimensions(Str("x"), kThemeSystemFont, kThemeStateActive, false, nullptr, nullptr), paramErr);
}

// A control draws in the font of its size, unless its style names a meta font or a family (at the view size), whose
// size the style may then set or add to, and whose face it may set. Rows: the style's flags, font, size and face, the
// control's size, then the family, pixel size, bold and italic it draws with.
TEST(Strings, AControlsFontFollowsItsStyle) {
    for (const auto& row : nlohmann::json::parse(std::ifstream(VOXTREL_TOOLKIT_TEST_DATA "/control_fonts.json"))) {
        TkView view;
        view.size = row[4], view.fontStyle = ControlFontStyleRec{row[0], row[1], row[2], row[3], 0, 0, {}, {}};
        const tk::detail::TkFont f = tk::detail::control_font(&view);
        EXPECT_EQ(row, nlohmann::json({row[0], row[1], row[2], row[3], row[4], f.family, f.size, f.bold, f.italic}));
    }
    // A family is found by its whole name, in any case: not by a name it begins with.
    EXPECT_EQ(FMGetFontFamilyFromName(reinterpret_cast<ConstStr255Param>("\x10" "DejaVu SANS Mono")), 2);
}

// Justified text starts at the left, midway into the room the text leaves, or where that room ends.
TEST(Strings, JustifiedTextStartsLeftMidwayOrRight) {
    const Rect r{0, 0, 20, 120};
    std::vector<int> starts;  // the leftmost column of the text's dark pixels: flush left, centred, flush right
    for (const SInt16 just : {0, 1, -1}) {
        const ControlFontStyleRec style{kControlUseJustMask, 0, 0, 0, 0, just, {}, {}};
        ControlRef text = made([&](ControlRef* v) { CreateStaticTextControl(nullptr, &r, Str("ab"), &style, v); });
        const tk::automation::Bitmap b = tk::automation::renderView(text);
        starts.push_back(b.width);
        for (std::size_t i = 0; i < b.pixels.size(); ++i)
            if ((b.pixels[i] & 0xFF) < 0x40) starts.back() = std::min(starts.back(), static_cast<int>(i % b.width));
        DisposeControl(text);
    }
    EXPECT_TRUE(starts[0] < starts[1] && starts[1] < starts[2]) << starts[0] << " " << starts[1] << " " << starts[2];
    EXPECT_EQ(starts[1] - starts[0], (starts[2] - starts[0]) / 2);
}
