// Strings: encodings at the interface, lengths, buffers and reference counts.
#include <gtest/gtest.h>

#include <string>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

TEST(Strings, EveryMacRomanByteRoundTrips) {
    char all[256];
    for (int i = 1; i < 256; ++i) all[i - 1] = static_cast<char>(i);
    all[255] = '\0';
    CFStringRef s = CFStringCreateWithCString(nullptr, all, kCFStringEncodingMacRoman);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(CFStringGetLength(s), 255);
    char back[256] = {};
    ASSERT_TRUE(CFStringGetCString(s, back, sizeof back, kCFStringEncodingMacRoman));
    EXPECT_EQ(std::string(back), std::string(all));
    CFRelease(s);
}

TEST(Strings, MacRomanBytesBecomeTheirUnicodeCharacters) {
    // 0x8E e acute, 0xA5 bullet, 0xDB euro sign, 0xD0 en dash.
    CFStringRef s = CFStringCreateWithCString(nullptr, "caf\x8E \xA5 \xDB \xD0", kCFStringEncodingMacRoman);
    char utf8[64] = {};
    ASSERT_TRUE(CFStringGetCString(s, utf8, sizeof utf8, kCFStringEncodingUTF8));
    EXPECT_EQ(std::string(utf8), "caf\xC3\xA9 \xE2\x80\xA2 \xE2\x82\xAC \xE2\x80\x93");
    EXPECT_EQ(CFStringGetLength(s), 10);
    CFRelease(s);
}

TEST(Strings, CharactersOutsideTheTargetEncodingFailTheCopy) {
    Str greek("\xCE\xB1\xCE\xB2");  // alpha beta: no Mac Roman form
    char buffer[16];
    EXPECT_FALSE(CFStringGetCString(greek, buffer, sizeof buffer, kCFStringEncodingMacRoman));
    Str accented("\xC3\xA9");
    EXPECT_FALSE(CFStringGetCString(accented, buffer, sizeof buffer, kCFStringEncodingASCII));
    ASSERT_TRUE(CFStringGetCString(accented, buffer, sizeof buffer, kCFStringEncodingMacRoman));
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0x8E);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\xC3", kCFStringEncodingUTF8), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, "\x80", kCFStringEncodingASCII), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(nullptr, nullptr, kCFStringEncodingMacRoman), nullptr);
}

TEST(Strings, TheBufferMustHoldTheTerminatingZero) {
    Str s("1000");
    char four[4];
    EXPECT_FALSE(CFStringGetCString(s, four, sizeof four, kCFStringEncodingASCII));
    char five[5];
    ASSERT_TRUE(CFStringGetCString(s, five, sizeof five, kCFStringEncodingASCII));
    EXPECT_STREQ(five, "1000");
    EXPECT_FALSE(CFStringGetCString(s, five, 0, kCFStringEncodingASCII));
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
