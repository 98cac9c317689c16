#include "ui_json.h"

#include "toolkit/automation.h"

namespace app {

namespace auto_ = tk::automation;

namespace {

nlohmann::ordered_json rect_json(const Rect& r) { return {r.top, r.left, r.bottom, r.right}; }

nlohmann::ordered_json node_json(const auto_::ViewNode& node) {
    nlohmann::ordered_json j;
    j["kind"] = node.kind;
    j["text"] = node.text;
    j["bounds"] = rect_json(node.frame);
    j["visible"] = node.visible;
    j["enabled"] = node.enabled;
    j["value"] = node.value;
    j["minimum"] = node.minimum;
    j["maximum"] = node.maximum;
    if (node.kind == "popup button") j["entries"] = node.entries;
    if (!node.children.empty()) {
        nlohmann::ordered_json children = nlohmann::ordered_json::array();
        for (const auto_::ViewNode& child : node.children) children.push_back(node_json(child));
        j["children"] = std::move(children);
    }
    return j;
}

}  // namespace

nlohmann::ordered_json describe_window(WindowRef window) {
    const auto_::WindowNode node = auto_::describe(window);
    nlohmann::ordered_json j;
    j["title"] = node.title;
    j["bounds"] = rect_json(node.bounds);
    j["visible"] = node.visible;
    j["root"] = node_json(node.root);
    return j;
}

}  // namespace app
