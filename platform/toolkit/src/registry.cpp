#include "registry.h"

#include <algorithm>

namespace tk::detail {

Registry& registry() {
    static Registry instance;
    return instance;
}

TkSerial next_serial() { return registry().nextSerial++; }

bool is_window(const void* p) { return p && registry().liveWindows.count(p) != 0; }
bool is_view(const void* p) { return p && registry().views.count(p) != 0; }
bool is_menu(const void* p) { return p && registry().menus.count(p) != 0; }
bool is_string(const void* p) { return p && registry().strings.count(p) != 0; }
bool is_context(const void* p) { return p && registry().contexts.count(p) != 0; }
bool is_image(const void* p) { return p && registry().images.count(p) != 0; }
bool is_color_space(const void* p) { return p && registry().colorSpaces.count(p) != 0; }
bool is_handler(const void* p) { return p && registry().handlers.count(p) != 0; }
bool is_target(const void* p) { return p && registry().targets.count(p) != 0; }

bool is_port(const void* p) {
    if (!p) return false;
    const auto& windows = registry().windows;
    return std::any_of(windows.begin(), windows.end(), [p](WindowRef w) { return &w->port == p; });
}

}  // namespace tk::detail
