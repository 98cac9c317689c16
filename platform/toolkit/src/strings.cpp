// CFString calls: Mac Roman, ASCII or UTF-8 at the interface, UTF-16 inside.
#include "strings.h"

#include <cstring>
#include <optional>

#include "mac_roman.h"
#include "refs.h"
#include "unicode.h"

namespace tk::detail {

CFStringRef new_string(std::u16string chars) {
    auto* string = new TkString{next_serial(), std::move(chars)};
    registry().strings.add(string);
    return ref_of(string);
}

const std::u16string* string_chars(CFStringRef string) {
    const TkString* found = find_string(string);
    return found ? &found->chars : nullptr;
}

}  // namespace tk::detail

namespace {

using namespace tk::detail;

std::optional<std::u16string> decode(const char* bytes, CFStringEncoding encoding) {
    const std::string_view text(bytes);
    std::u16string out;
    switch (encoding) {
    case kCFStringEncodingMacRoman:
        for (const char c : text) out.push_back(mac_roman_to_unicode(static_cast<unsigned char>(c)));
        return out;
    case kCFStringEncodingASCII:
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
            out.push_back(static_cast<char16_t>(c));
        }
        return out;
    case kCFStringEncodingUTF8:
        return utf8_to_utf16(text);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> encode(const std::u16string& chars, CFStringEncoding encoding) {
    std::string out;
    switch (encoding) {
    case kCFStringEncodingMacRoman:
        for (const char16_t unit : chars) {
            const auto byte = unicode_to_mac_roman(unit);
            if (!byte) return std::nullopt;
            out.push_back(static_cast<char>(*byte));
        }
        return out;
    case kCFStringEncodingASCII:
        for (const char16_t unit : chars) {
            if (unit >= 0x80) return std::nullopt;
            out.push_back(static_cast<char>(unit));
        }
        return out;
    case kCFStringEncodingUTF8:
        return utf16_to_utf8(chars);
    default:
        return std::nullopt;
    }
}

}  // namespace

extern "C" {

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* cStr, CFStringEncoding encoding) {
    if (!cStr) return nullptr;
    auto chars = decode(cStr, encoding);
    return chars ? new_string(std::move(*chars)) : nullptr;
}

Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding) {
    const auto* chars = string_chars(theString);
    if (!chars || !buffer) return false;
    const auto bytes = encode(*chars, encoding);
    // The terminating zero must fit as well, which a buffer of no size never holds.
    if (!bytes || static_cast<CFIndex>(bytes->size()) >= bufferSize) return false;
    std::memcpy(buffer, bytes->data(), bytes->size());
    buffer[bytes->size()] = '\0';
    return true;
}

CFIndex CFStringGetLength(CFStringRef theString) {
    const auto* chars = string_chars(theString);
    return chars ? static_cast<CFIndex>(chars->size()) : 0;
}

void CFRelease(CFTypeRef cf) {
    TkString* string = find_string(cf);
    if (!string) return;
    registry().strings.remove(string);
    delete string;
}

}  // extern "C"
