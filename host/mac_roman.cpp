#include "host/mac_roman.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "toolkit/native.h"

namespace host {

namespace {

bool ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Converts through a CFString; nothing when either side cannot hold the text.
std::optional<std::string> convert(const std::string& text, CFStringEncoding from, CFStringEncoding to) {
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, text.c_str(), from);
    if (!string) return std::nullopt;
    // Room for the longest result: every Mac Roman character has a UTF-8 form of at most three bytes.
    std::vector<char> buffer(3 * text.size() + 1);
    const bool ok = CFStringGetCString(string, buffer.data(), static_cast<CFIndex>(buffer.size()), to);
    CFRelease(string);
    if (!ok) return std::nullopt;
    return std::string(buffer.data());
}

// Bytes of the UTF-8 character at the start of the text; 1 for a byte that
// does not start a whole one.
std::size_t character_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t n = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 1;
    return n;
}

}  // namespace

std::string to_mac_roman(std::string_view utf8) {
    if (ascii(utf8)) return std::string(utf8);
    if (auto whole = convert(std::string(utf8), kCFStringEncodingUTF8, kCFStringEncodingMacRoman)) return *whole;
    // Something in it does not fit: one character at a time.
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = character_length(utf8.substr(i));
        const auto one = convert(std::string(utf8.substr(i, n)), kCFStringEncodingUTF8, kCFStringEncodingMacRoman);
        out += one && one->size() == 1 ? *one : std::string(1, kMacRomanReplacement);
        i += n;
    }
    return out;
}

std::string from_mac_roman(std::string_view mac_roman) {
    if (ascii(mac_roman)) return std::string(mac_roman);
    return convert(std::string(mac_roman), kCFStringEncodingMacRoman, kCFStringEncodingUTF8).value_or("");
}

}  // namespace host
