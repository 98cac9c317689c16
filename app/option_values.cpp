#include "option_values.h"

#include <charconv>

namespace app {

std::invalid_argument bad_value(std::string_view option, std::string_view value, std::string_view accepted) {
    return std::invalid_argument(std::string(option) + " \"" + std::string(value) + "\": must be " +
                                 std::string(accepted));
}

std::optional<long long> whole_number(std::string_view text, long long low, long long high) {
    long long n = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, n);
    if (text.empty() || error != std::errc() || stop != end || n < low || n > high) return std::nullopt;
    return n;
}

}  // namespace app
