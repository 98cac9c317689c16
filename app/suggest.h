// "Did you mean ...?": the known word nearest to a mistyped one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The candidate closest to `given` when it is close enough to be a slip of the
// fingers (differing in case only, or by about one edit in three characters);
// the first of equally close ones. Compares characters, not bytes, of UTF-8.
std::optional<std::string> nearest(std::string_view given, const std::vector<std::string>& candidates);

}  // namespace app
