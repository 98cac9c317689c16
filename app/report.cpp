#include "report.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace app {

namespace {

using host::StreamId;

// Streams as the scene names them, in its order.
constexpr std::pair<const char*, StreamId> kStreams[] = {
    {"anchor", StreamId::anchor},           {"position", StreamId::position},     {"scale", StreamId::scale},
    {"orientation", StreamId::orientation}, {"rotation_x", StreamId::rotation_x}, {"rotation_y", StreamId::rotation_y},
    {"rotation_z", StreamId::rotation_z},
};

host::Vec3 rotation_at(const host::Layer& layer, const host::Time& time) {
    return {layer.stream(StreamId::rotation_x).at(time).x, layer.stream(StreamId::rotation_y).at(time).x,
            layer.stream(StreamId::rotation_z).at(time).x};
}

// Keys of `now` at times `was` has no key at.
int keys_added(const host::Stream& was, const host::Stream& now) {
    return static_cast<int>(std::count_if(now.keys.begin(), now.keys.end(), [&](const host::Key& key) {
        return std::none_of(was.keys.begin(), was.keys.end(), [&](const host::Key& old) {
            return old.time == key.time;
        });
    }));
}

// Layers of `before` by what a copy of them keeps: name, type and source; the
// topmost one of each.
using CopyKey = std::tuple<std::string, host::LayerType, host::ObjectId>;
std::map<CopyKey, const host::Layer*> originals(const host::Composition& comp, const Snapshot& before) {
    std::map<CopyKey, const host::Layer*> found;
    for (host::ObjectId id : comp.layers)
        if (const auto old = before.layers.find(id); old != before.layers.end())
            found.emplace(CopyKey{old->second.name, old->second.type, old->second.source}, &old->second);
    return found;
}

// New layers numbered per name in the order they were made, which is the order of their ids.
std::map<host::ObjectId, int> copy_numbers(const host::Host& h, const host::Composition& comp, const Snapshot& before) {
    std::map<std::string, std::vector<host::ObjectId>> made;
    for (host::ObjectId id : comp.layers)
        if (!before.layers.count(id)) made[h.project().layer(id)->name].push_back(id);
    std::map<host::ObjectId, int> numbers;
    for (auto& [name, ids] : made) {
        std::sort(ids.begin(), ids.end());
        for (std::size_t i = 0; i < ids.size(); ++i) numbers[ids[i]] = static_cast<int>(i) + 1;
    }
    return numbers;
}

// What changed beyond the values: keys gained and rotations zeroed.
void note_changes(LayerChange& row, const host::Layer& was, const host::Layer& now, const host::Time& time) {
    for (const auto& [name, stream] : kStreams)
        if (const int n = keys_added(was.stream(stream), now.stream(stream))) row.keys_added.push_back({name, n});
    const host::Vec3 old_rotation = rotation_at(was, time);
    if (rotation_at(now, time) == host::Vec3{} && !(old_rotation == host::Vec3{})) row.rotation_zeroed = old_rotation;
}

nlohmann::ordered_json vec(const host::Vec3& v) { return {v.x, v.y, v.z}; }

}  // namespace

Snapshot take_snapshot(const host::Host& h) {
    Snapshot s;
    for (host::ObjectId id : h.layer_ids()) s.layers.emplace(id, *h.project().layer(id));
    if (const host::Composition* comp = h.project().comp(h.main_comp())) s.selection = comp->selection;
    return s;
}

std::string LayerChange::label() const { return copy ? name + " (new " + std::to_string(copy) + ")" : name; }

std::vector<LayerChange> changed_layers(const host::Host& h, const Snapshot& before) {
    std::vector<LayerChange> rows;
    const host::Composition* comp = h.project().comp(h.main_comp());
    if (!comp) return rows;
    const std::map<CopyKey, const host::Layer*> copied_from = originals(*comp, before);
    const std::map<host::ObjectId, int> copies = copy_numbers(h, *comp, before);
    for (std::size_t index = 0; index < comp->layers.size(); ++index) {
        const host::ObjectId id = comp->layers[index];
        const host::Layer& layer = *h.project().layer(id);
        const auto old = before.layers.find(id);
        if (old != before.layers.end() && old->second.streams == layer.streams) continue;
        LayerChange row;
        row.index = index;
        row.name = layer.name;
        row.position = layer.stream(StreamId::position).at(comp->time);
        row.orientation = layer.stream(StreamId::orientation).at(comp->time);
        row.scale = layer.stream(StreamId::scale).at(comp->time);
        const host::Layer* was = nullptr;
        if (old != before.layers.end()) {
            was = &old->second;
        } else {
            row.copy = copies.at(id);
            const auto original = copied_from.find(CopyKey{layer.name, layer.type, layer.source});
            if (original != copied_from.end()) was = original->second;
        }
        if (was) note_changes(row, *was, layer, comp->time);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<SkippedLayer> skipped_layers(const host::Host& h, const Snapshot& before) {
    std::vector<SkippedLayer> skipped;
    const host::Composition* comp = h.project().comp(h.main_comp());
    if (!comp) return skipped;
    const std::set<host::ObjectId> selected(before.selection.begin(), before.selection.end());
    for (std::size_t index = 0; index < comp->layers.size(); ++index) {
        const host::ObjectId id = comp->layers[index];
        if (!selected.count(id)) continue;
        const host::Layer& layer = *h.project().layer(id);
        const char* reason = layer.type == host::LayerType::camera  ? "camera"
                             : layer.type == host::LayerType::light ? "light"
                             : !layer.three_d                       ? "2D"
                                                                    : nullptr;
        if (reason) skipped.push_back({index, layer.name, reason});
    }
    return skipped;
}

nlohmann::ordered_json report_json(const Report& report) {
    nlohmann::ordered_json layers = nlohmann::ordered_json::array();
    for (const LayerChange& l : report.layers) {
        nlohmann::ordered_json keys = nlohmann::ordered_json::object();
        for (const KeysAdded& k : l.keys_added) keys[k.stream] = k.count;
        layers.push_back({{"index", l.index},
                          {"name", l.name},
                          {"new", l.copy},
                          {"position", vec(l.position)},
                          {"orientation", vec(l.orientation)},
                          {"scale", vec(l.scale)},
                          {"keys_added", keys},
                          {"rotation_zeroed", l.rotation_zeroed ? vec(*l.rotation_zeroed) : nullptr}});
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const SkippedLayer& s : report.skipped)
        skipped.push_back({{"index", s.index}, {"name", s.name}, {"reason", s.reason}});
    return {{"presses", report.presses},
            {"applications", report.applications},
            {"undone", report.undone.empty() ? nullptr : nlohmann::ordered_json(report.undone)},
            {"layers", layers},
            {"skipped", skipped},
            {"alerts", report.alerts}};
}

}  // namespace app
