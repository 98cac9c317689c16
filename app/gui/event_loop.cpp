#include "gui/event_loop.h"

#include <algorithm>
#include <chrono>

namespace app::gui {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kIdlePeriod = std::chrono::microseconds(1'000'000 / 60);

}  // namespace

void run_loop(tk::x11::Display& display, const LoopSteps& steps) {
    auto next_idle = Clock::now();
    while (true) {
        display.dispatch();
        if (steps.quitting()) return;
        if (Clock::now() >= next_idle) {
            steps.idle();
            next_idle = Clock::now() + kIdlePeriod;
        }
        steps.after_events();
        if (steps.quitting()) return;
        display.dispatch();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(next_idle - Clock::now());
        display.wait(static_cast<int>(std::max<long long>(0, left.count())));
    }
}

}  // namespace app::gui
