#include "clock.h"

namespace {
std::optional<std::time_t> _fixed_time;
}

namespace app {

void set_clock(std::optional<std::time_t> seconds) { _fixed_time = seconds; }

}  // namespace app

extern "C" std::time_t time(std::time_t* out) noexcept {
    std::time_t now;
    if (_fixed_time) {
        now = *_fixed_time;
    } else {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        now = ts.tv_sec;
    }
    if (out) *out = now;
    return now;
}
