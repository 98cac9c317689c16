// Writing a scene: every field, numbers as the shortest text that reads back
// to the same double (whole values without a fraction).
#include <cmath>
#include <unordered_set>

#include "host/scene.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

Json num(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 9.0e15 && !(v == 0 && std::signbit(v)))
        return static_cast<std::int64_t>(v);
    return v;
}

Json vec(const Vec3& v) { return Json::array({num(v.x), num(v.y), num(v.z)}); }

Json keys_of(const Layer& layer) {
    const std::pair<const char*, StreamId> order[] = {
        {"anchor", StreamId::anchor},         {"position", StreamId::position},
        {"scale", StreamId::scale},           {"orientation", StreamId::orientation},
        {"rotation_x", StreamId::rotation_x}, {"rotation_y", StreamId::rotation_y},
        {"rotation_z", StreamId::rotation_z},
    };
    Json keys = Json::object();
    for (const auto& [name, stream] : order) {
        const Stream& s = layer.stream(stream);
        if (!s.keyed()) continue;
        Json list = Json::array();
        for (const Key& k : s.keys)
            list.push_back(
                Json::array({num(k.time.seconds()), is_one_dimensional(stream) ? num(k.value.x) : vec(k.value)}));
        keys[name] = std::move(list);
    }
    return keys;
}

}  // namespace

Json write_scene(const Project& project, ObjectId comp_id) {
    const Item& item = project.items.at(comp_id);
    const Composition& comp = project.comps.at(comp_id);
    const std::unordered_set<ObjectId> selected(comp.selection.begin(), comp.selection.end());
    Json layers = Json::array();
    for (ObjectId id : comp.layers) {
        const Layer& layer = project.layers.at(id);
        Json l = Json::object();
        l["name"] = layer.name;
        l["type"] = type_name(layer.type);
        if (const Item* source = project.item(layer.source)) l["source"] = Json::array({source->width, source->height});
        l["3d"] = layer.three_d;
        l["selected"] = selected.count(id) != 0;
        l["anchor"] = vec(layer.stream(StreamId::anchor).value);
        l["position"] = vec(layer.stream(StreamId::position).value);
        l["scale"] = vec(layer.stream(StreamId::scale).value);
        l["orientation"] = vec(layer.stream(StreamId::orientation).value);
        l["rotation"] = Json::array({num(layer.stream(StreamId::rotation_x).value.x),
                                     num(layer.stream(StreamId::rotation_y).value.x),
                                     num(layer.stream(StreamId::rotation_z).value.x)});
        l["offset"] = num(layer.offset.seconds());
        l["keys"] = keys_of(layer);
        layers.push_back(std::move(l));
    }
    Json selection = Json::array();
    for (ObjectId id : comp.selection)
        if (const auto index = comp.layers.index_of(id)) selection.push_back(*index);
    Json c = Json::object();
    c["name"] = item.name;
    c["width"] = item.width;
    c["height"] = item.height;
    c["frame_rate"] = num(comp.frame_rate);
    c["time"] = num(comp.time.seconds());
    c["layers"] = std::move(layers);
    c["selection"] = std::move(selection);
    Json scene = Json::object();
    scene["composition"] = std::move(c);
    scene["active"] = project.active_item == comp_id;
    return scene;
}

}  // namespace host
