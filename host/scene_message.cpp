// Messages about scene text: where the problem is, and what the file holds,
// made fit for one line of UTF-8 on a terminal.
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "host/scene.h"

namespace host {

namespace {

// Length of the well-formed UTF-8 sequence `s` starts with, or 0.
std::size_t utf8_length(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range excludes overlong forms and surrogates
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    return length;
}

// One character of `s` (its first `length` bytes, 0 for a stray byte) as it is shown.
std::string shown(std::string_view s, std::size_t length) {
    char escaped[8];
    const auto lead = static_cast<unsigned char>(s[0]);
    if (length == 0) {
        std::snprintf(escaped, sizeof escaped, "\\x%02X", lead);
        return escaped;
    }
    switch (lead) {
        case '\n':
            return "\\n";
        case '\t':
            return "\\t";
        case '\r':
            return "\\r";
        default:
            break;
    }
    // C0 and C1 controls and DEL would move the cursor or vanish.
    const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(s[1]) < 0xA0;
    if (lead < 0x20 || lead == 0x7F || c1) {
        const unsigned code = c1 ? static_cast<unsigned char>(s[1]) : lead;
        std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
        return escaped;
    }
    return std::string(s.substr(0, length));
}

// A deep path told by its start and its end, cut between characters.
std::string shortened(const std::string& path) {
    constexpr std::size_t kKept = 120;
    if (path.size() <= 2 * kKept) return path;
    const auto inside = [&](std::size_t i) { return (static_cast<unsigned char>(path[i]) & 0xC0) == 0x80; };
    std::size_t head = kKept, tail = path.size() - kKept;
    while (head > 0 && inside(head)) --head;
    while (tail < path.size() && inside(tail)) ++tail;
    return path.substr(0, head) + "…" + path.substr(tail);
}

}  // namespace

SceneError::SceneError(std::string path, const std::string& problem)
    : std::runtime_error((path.empty() ? std::string("/") : shortened(path)) + ": " + problem),
      path_(std::move(path)) {}

SceneError::SceneError(int line, int column, const std::string& problem)
    : std::runtime_error("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + problem),
      line_(line),
      column_(column) {}

std::string printable(std::string_view bytes, std::size_t limit, bool keep_end) {
    // Only the part that can be shown is looked at: a character takes at most four bytes.
    const std::size_t window = 4 * (limit + 1);
    std::size_t begin = 0;
    // A character cut by the window's start leaves stray bytes in front, which the kept end never reaches.
    if (keep_end && bytes.size() > window) begin = bytes.size() - window;
    const std::size_t end = keep_end ? bytes.size() : std::min(bytes.size(), window);
    std::vector<std::string> chars;
    for (std::size_t i = begin; i < end;) {
        const std::size_t length = utf8_length(bytes.substr(i, end - i));
        chars.push_back(shown(bytes.substr(i), length));
        i += std::max<std::size_t>(length, 1);
    }
    // Whenever bytes were left outside the window, it holds more than `limit` characters: the count
    // alone tells whether the text is cut.
    const auto joined = [](auto from, auto to) { return std::accumulate(from, to, std::string()); };
    if (chars.size() <= limit) return joined(chars.begin(), chars.end());
    const auto kept = static_cast<std::ptrdiff_t>(limit);
    return keep_end ? "…" + joined(chars.end() - kept, chars.end()) : joined(chars.begin(), chars.begin() + kept) + "…";
}

std::string path_segment(std::string_view name) {
    constexpr std::size_t kShown = 40;
    if (name.find_first_of("~/") == std::string_view::npos) return printable(name, kShown);
    std::string escaped;
    // A cut name still has more characters than are shown, so printable marks the cut.
    for (const char c : name.substr(0, std::min(name.size(), 4 * (kShown + 1)))) {
        if (c == '~')
            escaped += "~0";
        else if (c == '/')
            escaped += "~1";
        else
            escaped += c;
    }
    return printable(escaped, kShown);
}

}  // namespace host
