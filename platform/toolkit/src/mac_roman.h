// The 8-bit Mac Roman character set, which the interface's C strings use.
#pragma once

#include <optional>

namespace tk::detail {

char16_t mac_roman_to_unicode(unsigned char byte);
// Nothing for characters the set cannot hold.
std::optional<unsigned char> unicode_to_mac_roman(char16_t unit);

}  // namespace tk::detail
