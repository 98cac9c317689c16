// The interactive program's loop: X events as they come, and the host's idle
// hooks on a timer (sixty times a second), until something asks to quit.
#pragma once

#include <functional>

#include "toolkit/x11_display.h"

namespace app::gui {

struct LoopSteps {
    std::function<void()> idle;          // the timer went off
    std::function<void()> after_events;  // events were handled or the host idled
    std::function<bool()> quitting;
};

void run_loop(tk::x11::Display& display, const LoopSteps& steps);

}  // namespace app::gui
