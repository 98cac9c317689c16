// Strings: encodings at the interface, lengths and buffers (reference counts are in the references test).
// (Text dimensions and best sizes shape every dialog, pinned by the golden runs.)
#include <gtest/gtest.h>

#include <string>

#include "support.h"

using namespace tk_test;

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
