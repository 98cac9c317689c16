#include "clock.h"

namespace {
std::optional<std::time_t> _fixed_time;
std::time_t _advance = 0;
}  // namespace

namespace app {

void set_clock(std::optional<std::time_t> seconds) {
    _fixed_time = seconds;
    _advance = 0;
}

void advance_clock(std::time_t seconds) { _advance += seconds; }

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
    now += _advance;
    if (out) *out = now;
    return now;
}
