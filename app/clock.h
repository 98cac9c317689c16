// The calendar clock the plug-in reads. The program defines the C library's
// time() itself and exports it, so a loaded module asks this clock, which
// tells a fixed time when one is set (--clock) and the real time otherwise,
// moved on by whatever advance_clock added (--clock-step).
#pragma once

#include <ctime>
#include <optional>

namespace app {

// A fixed time, or none for the real one; forgets earlier advances.
void set_clock(std::optional<std::time_t> seconds);

// Moves the clock on.
void advance_clock(std::time_t seconds);

}  // namespace app
