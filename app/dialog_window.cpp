#include "dialog_window.h"

#include <algorithm>

#include "toolkit/automation.h"

namespace app {

namespace auto_ = tk::automation;

std::vector<WindowRef> visible_windows() {
    std::vector<WindowRef> visible;
    for (WindowRef w : auto_::windows())
        if (auto_::windowVisible(w)) visible.push_back(w);
    return visible;
}

DialogPlace find_dialog(const std::vector<WindowRef>& visible_before) {
    const std::vector<WindowRef> visible = visible_windows();
    WindowRef found = nullptr;
    for (auto it = visible.rbegin(); it != visible.rend() && !found; ++it)
        if (auto_::windowTitle(*it) == "Voxtrel") found = *it;
    for (auto it = visible.rbegin(); it != visible.rend() && !found; ++it)
        if (std::find(visible_before.begin(), visible_before.end(), *it) == visible_before.end()) found = *it;
    if (!found) return {};
    return {found, auto_::rootView(found)};
}

}  // namespace app
