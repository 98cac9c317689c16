// Reading the values given to options, and the one shape of message for a value
// that cannot be used: `--clock "1.9": must be a whole number of seconds ...`,
// like the scene checker's `scene.json: /composition/width: must be ...`.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace app {

// The error for `option` given `value`; `accepted` completes "must be ...".
std::invalid_argument bad_value(std::string_view option, std::string_view value, std::string_view accepted);

// A whole decimal number from `low` to `high` written with digits only (a
// leading minus sign for negative numbers), or none.
std::optional<long long> whole_number(std::string_view text, long long low, long long high);

struct ScreenSize {
    int width = 0, height = 0;
};

// --without's "SUITE NAME:VERSION".
std::pair<std::string, long> parse_suite(const std::string& value);
// --screen's "W,H", each from 1 to 32767.
ScreenSize parse_screen(const std::string& value);

}  // namespace app
