#include "suggest.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace app {

namespace {

// UTF-8 text as one number per character, ASCII letters folded to lower case;
// a continuation byte joins the character before it.
std::vector<char32_t> characters(std::string_view s) {
    std::vector<char32_t> out;
    for (unsigned char c : s) {
        if ((c & 0xC0) == 0x80 && !out.empty())
            out.back() = (out.back() << 6) | (c & 0x3F);
        else
            out.push_back(static_cast<char32_t>(std::tolower(c)));
    }
    return out;
}

// Edits (insert, delete, replace, swap of neighbours) between the two.
std::size_t distance(const std::vector<char32_t>& a, const std::vector<char32_t>& b) {
    const std::size_t columns = b.size() + 1;
    std::vector<std::size_t> before_last(columns), last(columns), row(columns);
    std::iota(last.begin(), last.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replace = last[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before_last[j - 2] + 1);
        }
        before_last.swap(last);
        last.swap(row);
    }
    return last[b.size()];
}

}  // namespace

std::optional<std::string> nearest(std::string_view given, const std::vector<std::string>& candidates) {
    const std::vector<char32_t> typed = characters(given);
    std::optional<std::string> best;
    std::size_t best_distance = 0;
    for (const std::string& candidate : candidates) {
        const std::vector<char32_t> known = characters(candidate);
        const std::size_t d = distance(typed, known);
        const std::size_t allowed = std::max<std::size_t>(1, std::max(typed.size(), known.size()) / 3);
        if (d <= allowed && (!best || d < best_distance)) {
            best = candidate;
            best_distance = d;
        }
    }
    return best;
}

}  // namespace app
