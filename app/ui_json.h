// The dialog's view tree as the automation sees it, as JSON (--ui-json).
#pragma once

#include <nlohmann/json.hpp>

#include "toolkit/native.h"

namespace app {

// {"title", "bounds", "visible", "root"}; each view has "kind", "text",
// "bounds" ([top, left, bottom, right] in window coordinates), "visible",
// "enabled", "value", "minimum", "maximum", "entries" (popups only) and
// "children" (when it has any).
nlohmann::ordered_json describe_window(WindowRef window);

}  // namespace app
