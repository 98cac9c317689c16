// What a run in a child tells the validator, one message each, by its start.
#pragma once

#include <string_view>

namespace app::validate::message {

inline constexpr std::string_view kCalls = "calls ";        // how many host calls the run made
inline constexpr std::string_view kName = "name ";          // the next call's function, call 1 first (clean runs)
inline constexpr std::string_view kInjected = "injected ";  // the function of the call made to fail
inline constexpr std::string_view kFinding = "finding ";    // a broken promise
inline constexpr std::string_view kStep = "step ";          // the torture step about to be taken

}  // namespace app::validate::message
