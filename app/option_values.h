// Reading the values given to options, and the one shape of message for a value
// that cannot be used: `--clock "1.9": must be a whole number of seconds ...`,
// like the scene checker's `scene.json: /composition/width: must be ...`.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace app {

// The error for `option` given `value`; `accepted` completes "must be ...".
std::invalid_argument bad_value(std::string_view option, std::string_view value, std::string_view accepted);

// A whole decimal number from `low` to `high` written with digits only (a
// leading minus sign for negative numbers), or none.
std::optional<long long> whole_number(std::string_view text, long long low, long long high);

}  // namespace app
