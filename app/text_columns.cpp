#include "text_columns.h"

#include <locale.h>
#include <wchar.h>

#include <algorithm>
#include <cstdint>

namespace app {

namespace {

// The next code point of `s` from `i`, which moves past it; a stray byte is
// its own code point.
char32_t next_code_point(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t lead = byte(i);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length <= 1 || i + length > s.size()) {
        ++i;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

// wcwidth answers for the thread's character set; this asks it about Unicode
// without touching the program's locale, which the plug-in shares.
class UnicodeWidths {
public:
    UnicodeWidths() : unicode_(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)) {}
    ~UnicodeWidths() {
        if (unicode_) freelocale(unicode_);
    }
    UnicodeWidths(const UnicodeWidths&) = delete;
    UnicodeWidths& operator=(const UnicodeWidths&) = delete;

    int columns(char32_t c) const {
        if (c < 0x80 || !unicode_) return 1;
        const locale_t before = uselocale(unicode_);
        const int width = wcwidth(static_cast<wchar_t>(c));
        uselocale(before);
        return width < 0 ? 1 : width;
    }

private:
    locale_t unicode_;
};

}  // namespace

std::size_t display_width(std::string_view utf8) {
    static const UnicodeWidths widths;
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size();)
        columns += static_cast<std::size_t>(widths.columns(next_code_point(utf8, i)));
    return columns;
}

void print_columns(const std::vector<std::vector<std::string>>& rows, const std::string& indent, std::ostream& out) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], display_width(row[c]));
    }
    for (const auto& row : rows) {
        std::string text = indent;
        for (std::size_t c = 0; c < row.size(); ++c) {
            text += row[c];
            if (c + 1 < row.size()) text += std::string(widths[c] - display_width(row[c]) + 2, ' ');
        }
        out << text.substr(0, text.find_last_not_of(' ') + 1) << "\n";
    }
}

}  // namespace app
