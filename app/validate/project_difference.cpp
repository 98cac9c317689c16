#include "project_difference.h"

#include <cmath>

namespace app::validate {

namespace {

constexpr const char* kStreamNames[host::kStreamCount] = {"Anchor Point", "Position",   "Scale",      "X Rotation",
                                                          "Y Rotation",   "Z Rotation", "Orientation"};

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// A value the plug-in wrote as NaN is still the same value after undo and redo.
bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool same(const host::Vec3& a, const host::Vec3& b) { return same(a.x, b.x) && same(a.y, b.y) && same(a.z, b.z); }

bool same(const host::Stream& a, const host::Stream& b) {
    if (!same(a.value, b.value) || a.keys.size() != b.keys.size()) return false;
    for (std::size_t k = 0; k < a.keys.size(); ++k)
        if (a.keys[k].time != b.keys[k].time || !same(a.keys[k].value, b.keys[k].value)) return false;
    return true;
}

// Empty when the layers are the same.
std::string layer_difference(const host::Layer& expected, const host::Layer& actual) {
    const std::string name = "layer " + quoted(expected.name);
    for (std::size_t s = 0; s < host::kStreamCount; ++s)
        if (!same(expected.streams[s], actual.streams[s])) return name + ": " + kStreamNames[s];
    host::Layer a = expected, b = actual;
    a.streams = {};
    b.streams = {};
    return a == b ? "" : name;
}

std::string comp_difference(const host::Project& project, const host::Composition& expected,
                            const host::Composition& actual) {
    const host::Item* item = project.item(expected.item);
    const std::string name = quoted(item ? item->name : std::to_string(expected.item));
    if (expected.layers != actual.layers) return "the layer stack of " + name;
    if (expected.selection != actual.selection) return "the selection in " + name;
    return "the composition " + name;
}

}  // namespace

std::string difference(const host::Project& expected, const host::Project& actual) {
    if (expected.active_item != actual.active_item) return "the active item";
    for (const auto& [id, layer] : expected.layers) {
        const host::Layer* other = actual.layer(id);
        if (!other) return "layer " + quoted(layer.name) + " is gone";
        if (std::string d = layer_difference(layer, *other); !d.empty()) return d;
    }
    for (const auto& [id, layer] : actual.layers)
        if (!expected.layer(id)) return "layer " + quoted(layer.name) + " was added";
    for (const auto& [id, comp] : expected.comps) {
        const host::Composition* other = actual.comp(id);
        if (!other || comp != *other) return comp_difference(expected, comp, other ? *other : host::Composition{});
    }
    if (expected.items != actual.items || expected.comps != actual.comps) return "the project's items";
    return "";
}

}  // namespace app::validate
