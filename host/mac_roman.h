// Names at the host's interface. Inside, the host keeps names in UTF-8, as
// scene files hold them; the plug-in and the toolkit speak the platform's
// 8-bit encoding, Mac Roman. Names are converted where they cross: layer and
// source names on their way out, texts a plug-in hands in (alerts, menu
// command names, undo group names, panel titles and match names) on their way
// in. The toolkit's CFString does the conversion, so the table lives once.
//
// A character Mac Roman cannot hold, and a byte that is not part of a UTF-8
// character, goes out as kMacRomanReplacement.
#pragma once

#include <string>
#include <string_view>

namespace host {

inline constexpr char kMacRomanReplacement = '?';

std::string to_mac_roman(std::string_view utf8);
std::string from_mac_roman(std::string_view mac_roman);

}  // namespace host
