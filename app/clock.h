// The calendar clock the plug-in reads. The program defines the C library's
// time() itself and exports it, so a loaded module asks this clock, which
// tells a fixed time when one is set (--clock) and the real time otherwise.
#pragma once

#include <ctime>
#include <optional>

namespace app {

void set_clock(std::optional<std::time_t> seconds);

}  // namespace app
