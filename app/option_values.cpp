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

std::pair<std::string, long> parse_suite(const std::string& value) {
    const auto colon = value.rfind(':');
    const std::optional<long long> version =
        colon == std::string::npos ? std::nullopt : whole_number(std::string_view(value).substr(colon + 1), 0, 999999);
    if (!version || colon == 0)
        throw bad_value("--without", value,
                        "\"SUITE NAME:VERSION\" with a whole-number version, such as \"AEGP Layer Suite:10\"");
    return {value.substr(0, colon), static_cast<long>(*version)};
}

ScreenSize parse_screen(const std::string& value) {
    const auto comma = value.find(',');
    const std::string_view text(value);
    const auto w = comma == std::string::npos ? std::nullopt : whole_number(text.substr(0, comma), 1, 32767);
    const auto h = comma == std::string::npos ? std::nullopt : whole_number(text.substr(comma + 1), 1, 32767);
    if (!w || !h) throw bad_value("--screen", value, "W,H, two whole numbers from 1 to 32767");
    return {static_cast<int>(*w), static_cast<int>(*h)};
}

}  // namespace app
