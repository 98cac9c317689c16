// The toolkit's text conversions at the edges of each encoded length, and the
// characters a key may type.
#include <gtest/gtest.h>

#include "text_editing.h"
#include "unicode.h"

namespace {

using tk::detail::utf16_to_utf8;
using tk::detail::utf8_to_utf16;
using tk::detail::utf8_to_utf16_lenient;

TEST(Unicode, EachLengthsFirstAndLastCharacterConvertBothWays) {
    const struct {
        const char* utf8;
        std::u16string utf16;
    } rows[] = {
        {"\x7F", u"\x7F"},
        {"\xC2\x80", u"\x80"},
        {"\xDF\xBF", u"\x7FF"},
        {"\xE0\xA0\x80", u"\x800"},
        {"\xEF\xBF\xBF", u"\xFFFF"},
        {"\xED\x9F\xBF", u"\xD7FF"}, {"\xEE\x80\x80", u"\xE000"},  // either side of the surrogates
        {"\xF0\x90\x80\x80", {0xD800, 0xDC00}},
        {"\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}},
        {"\xF3\xBF\xBF\xBF", {0xDBBF, 0xDFFF}},  // and a lead byte between
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::tuple(utf8_to_utf16(row.utf8), utf16_to_utf8(row.utf16)), std::tuple(row.utf16, row.utf8));
    // The first high half without its low half; the first and last low halves alone, even one after the other.
    EXPECT_EQ(utf16_to_utf8(u"\xD800\xE000\xDC00\xDFFF"), "\xEF\xBF\xBD\xEE\x80\x80\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Unicode, ASequenceCutShortOverlongOrOutsideUnicodeIsNoCharacter) {
    // The view ends inside "é"; the byte after it must not complete it.
    const std::string_view cut("\xC3\xA9", 1);
    EXPECT_EQ(std::tuple(utf8_to_utf16(cut), utf8_to_utf16_lenient(cut)), std::tuple(std::nullopt, u"\xFFFD"));
    // A stray continuation byte, an overlong form, the first and last surrogate, the first number past Unicode.
    for (const char* bad : {"\x80", "\xC1\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80"})
        EXPECT_EQ(utf8_to_utf16(bad), std::nullopt) << bad;
}

TEST(Unicode, KeysTypePrintableCharactersOnly) {
    for (const auto& [code, typed] : {std::pair<UInt32, bool>{0x1F, false}, {0x20, true}, {0x7E, true},
                                      {0x7F, false}, {0xD7FF, true}, {0xD800, false}, {0xDFFF, false},
                                      {0xE000, true}, {0x10FFFF, true}, {0x110000, false}})
        EXPECT_EQ(tk::detail::types_a_character(code), typed) << std::hex << code;
}

}  // namespace
