// UTF-8 <-> UTF-16 conversion for the strings kept inside the toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tk::detail {

// Nothing when the bytes are not valid UTF-8.
std::optional<std::u16string> utf8_to_utf16(std::string_view utf8);
// Invalid input bytes become U+FFFD instead of failing.
std::u16string utf8_to_utf16_lenient(std::string_view utf8);
// The characters of the text, invalid bytes as U+FFFD.
std::u32string utf8_to_utf32_lenient(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string utf16_to_utf8(std::u16string_view utf16);
// One character: one unit, or a surrogate pair above U+FFFF.
std::u16string utf16_of(char32_t character);

}  // namespace tk::detail
