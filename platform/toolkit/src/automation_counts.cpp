// Automation: live object counts and the screen list.
#include "refs.h"
#include "screens.h"
#include "toolkit/automation.h"

namespace tk::automation {

LiveCounts liveCounts() {
    const auto& r = tk::detail::registry();
    LiveCounts counts;
    counts.windows = r.windows.size();
    counts.views = r.views.size();
    counts.menus = r.menus.size();
    counts.strings = r.strings.size();
    counts.contexts = r.contexts.size();
    counts.images = r.images.size();
    counts.colorSpaces = r.colorSpaces.size();
    counts.eventHandlers = r.handlers.size();
    return counts;
}

void setScreens(const std::vector<Rect>& screens) { tk::detail::set_screens(screens); }

void resetScreens() { tk::detail::reset_screens(); }

}  // namespace tk::automation
