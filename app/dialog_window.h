// Finding the Voxtrel dialog on screen once its command has run: its own
// floating window, or the host's panel frame holding it.
#pragma once

#include <vector>

#include "toolkit/native.h"

namespace app {

struct DialogPlace {
    WindowRef window = nullptr;
    HIViewRef root = nullptr;
    explicit operator bool() const { return window != nullptr; }
};

// The windows visible now; taken before the command runs, to tell what it opened.
std::vector<WindowRef> visible_windows();

// A visible window titled "Voxtrel" (the newest), else the newest visible
// window that was not visible before the command (a panel frame keeps the
// title the plug-in gives it). Empty when the command showed nothing.
DialogPlace find_dialog(const std::vector<WindowRef>& visible_before);

}  // namespace app
