// JSON form of the automation's window and view descriptions (for --ui-json).
// Header-only: the caller links nlohmann_json.
#pragma once

#include <nlohmann/json.hpp>

#include "toolkit/automation.h"

namespace tk::automation {

inline nlohmann::json rect_json(const Rect& r) {
    return {{"top", r.top}, {"left", r.left}, {"bottom", r.bottom}, {"right", r.right}};
}

inline void to_json(nlohmann::json& j, const ViewNode& node) {
    j = {{"kind", node.kind},       {"text", node.text},       {"frame", rect_json(node.frame)},
         {"visible", node.visible}, {"enabled", node.enabled}, {"value", node.value},
         {"minimum", node.minimum}, {"maximum", node.maximum}, {"children", node.children}};
    if (!node.entries.empty()) j["entries"] = node.entries;
}

inline void to_json(nlohmann::json& j, const WindowNode& node) {
    j = {{"title", node.title}, {"bounds", rect_json(node.bounds)}, {"visible", node.visible}, {"root", node.root}};
}

}  // namespace tk::automation
