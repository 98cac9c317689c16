#include "view/view_scene.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

using nlohmann::json;

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw SceneFormatError(path + ": " + what);
}

double number_at(const json& value, const std::string& path) {
    if (!value.is_number()) fail(path, "expected a number");
    const double d = value.get<double>();
    if (!std::isfinite(d)) fail(path, "expected a finite number");
    return d;
}

Vec3 vec3_at(const json& value, const std::string& path) {
    if (!value.is_array() || value.size() != 3) fail(path, "expected three numbers");
    return {number_at(value[0], path + "/0"), number_at(value[1], path + "/1"), number_at(value[2], path + "/2")};
}

const json* member(const json& object, const char* name) {
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

LayerKind kind_at(const json& value, const std::string& path) {
    static const std::pair<const char*, LayerKind> kinds[] = {
        {"footage", LayerKind::footage}, {"solid", LayerKind::solid},   {"text", LayerKind::text},
        {"shape", LayerKind::shape},     {"camera", LayerKind::camera}, {"light", LayerKind::light}};
    if (value.is_string())
        for (const auto& [name, kind] : kinds)
            if (value.get<std::string>() == name) return kind;
    fail(path, "expected one of footage, solid, text, shape, camera, light");
}

// One keyed value of a property at `time`: a number or three numbers.
Vec3 key_value(const json& value, const std::string& path, bool one_dimensional) {
    if (one_dimensional) return {number_at(value, path), 0, 0};
    return vec3_at(value, path);
}

// The value of a keyed property at `time`, from its list of [time, value] pairs.
Vec3 keyed_value(const json& keys, const std::string& path, double time, bool one_dimensional) {
    if (!keys.is_array() || keys.empty()) fail(path, "expected a list of [time, value] pairs");
    std::vector<std::pair<double, Vec3>> points;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string at = path + "/" + std::to_string(i);
        if (!keys[i].is_array() || keys[i].size() != 2) fail(at, "expected a [time, value] pair");
        points.emplace_back(number_at(keys[i][0], at + "/0"), key_value(keys[i][1], at + "/1", one_dimensional));
    }
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (time <= points.front().first) return points.front().second;
    if (time >= points.back().first) return points.back().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (time > points[i].first) continue;
        const auto& [t0, v0] = points[i - 1];
        const auto& [t1, v1] = points[i];
        const double f = t1 > t0 ? (time - t0) / (t1 - t0) : 1.0;
        return v0 + (v1 - v0) * f;
    }
    return points.back().second;
}

SceneLayer read_layer(const json& value, const std::string& path, double time) {
    if (!value.is_object()) fail(path, "expected a layer object");
    SceneLayer layer;
    if (const json* name = member(value, "name")) {
        if (!name->is_string()) fail(path + "/name", "expected a string");
        layer.name = name->get<std::string>();
    }
    const json* type = member(value, "type");
    if (!type) fail(path, "missing \"type\"");
    layer.kind = kind_at(*type, path + "/type");
    if (const json* flag = member(value, "3d")) {
        if (!flag->is_boolean()) fail(path + "/3d", "expected true or false");
        layer.is3d = flag->get<bool>();
    }
    if (const json* source = member(value, "source")) {
        if (!source->is_array() || source->size() != 2) fail(path + "/source", "expected [width, height]");
        layer.has_source = true;
        layer.source_width = number_at((*source)[0], path + "/source/0");
        layer.source_height = number_at((*source)[1], path + "/source/1");
    }
    const struct {
        const char* name;
        Vec3* target;
    } vectors[] = {{"anchor", &layer.anchor},
                   {"position", &layer.position},
                   {"scale", &layer.scale},
                   {"orientation", &layer.orientation},
                   {"rotation", &layer.rotation}};
    for (const auto& [name, target] : vectors)
        if (const json* v = member(value, name)) *target = vec3_at(*v, path + "/" + name);

    const json* keys = member(value, "keys");
    if (!keys) return layer;
    if (!keys->is_object()) fail(path + "/keys", "expected an object");
    for (const auto& [name, list] : keys->items()) {
        const std::string at = path + "/keys/" + name;
        if (name == "position") layer.position = keyed_value(list, at, time, false);
        else if (name == "scale") layer.scale = keyed_value(list, at, time, false);
        else if (name == "orientation") layer.orientation = keyed_value(list, at, time, false);
        else if (name == "anchor") layer.anchor = keyed_value(list, at, time, false);
        else if (name == "rotation_x") layer.rotation.x = keyed_value(list, at, time, true).x;
        else if (name == "rotation_y") layer.rotation.y = keyed_value(list, at, time, true).x;
        else if (name == "rotation_z") layer.rotation.z = keyed_value(list, at, time, true).x;
        else fail(at, "unknown property");
    }
    return layer;
}

}  // namespace

ViewScene read_view_scene(const json& scene) {
    if (!scene.is_object()) fail("/", "expected a scene object");
    const json* comp = member(scene, "composition");
    if (!comp || !comp->is_object()) fail("/composition", "expected a composition object");
    ViewScene view;
    const json* width = member(*comp, "width");
    const json* height = member(*comp, "height");
    if (!width) fail("/composition", "missing \"width\"");
    if (!height) fail("/composition", "missing \"height\"");
    view.width = number_at(*width, "/composition/width");
    view.height = number_at(*height, "/composition/height");
    if (view.width < 1) fail("/composition/width", "expected at least 1");
    if (view.height < 1) fail("/composition/height", "expected at least 1");
    double time = 0;
    if (const json* t = member(*comp, "time")) time = number_at(*t, "/composition/time");
    if (const json* layers = member(*comp, "layers")) {
        if (!layers->is_array()) fail("/composition/layers", "expected a list of layers");
        for (std::size_t i = 0; i < layers->size(); ++i)
            view.layers.push_back(read_layer((*layers)[i], "/composition/layers/" + std::to_string(i), time));
    }
    return view;
}

}  // namespace view
