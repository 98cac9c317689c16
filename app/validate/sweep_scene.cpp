#include "sweep_scene.h"

#include <array>
#include <string>

namespace app::validate {

namespace {

using nlohmann::ordered_json;

enum class Kind { camera, light, footage, solid, text, shape, two_d };
constexpr std::array kKinds = {Kind::camera, Kind::light, Kind::footage, Kind::solid,
                               Kind::text,   Kind::shape, Kind::two_d};

bool is_3d(const ordered_json& layer) { return layer.value("3d", false); }

bool is(Kind kind, const ordered_json& layer) {
    const std::string type = layer.value("type", "");
    switch (kind) {
        case Kind::camera: return type == "camera";
        case Kind::light: return type == "light";
        case Kind::two_d: return type != "camera" && type != "light" && !is_3d(layer);
        case Kind::footage: return type == "footage" && is_3d(layer);
        case Kind::solid: return type == "solid" && is_3d(layer);
        case Kind::text: return type == "text" && is_3d(layer);
        case Kind::shape: return type == "shape" && is_3d(layer);
    }
    return false;
}

ordered_json point(double x, double y, double z) { return ordered_json::array({x, y, z}); }

// A layer of the kind for a scene that has none, in the middle of a w x h composition.
ordered_json made_layer(Kind kind, double w, double h) {
    switch (kind) {
        case Kind::camera:
            return {{"name", "Validation Camera"}, {"type", "camera"}, {"3d", true},
                    {"anchor", point(w / 2, h / 2, 0)}, {"position", point(w / 2, h / 2, -2666.7)}};
        case Kind::light:
            return {{"name", "Validation Light"}, {"type", "light"}, {"3d", true},
                    {"position", point(w / 2 + 280, h / 2 - 320, -900)}};
        case Kind::footage:
            return {{"name", "Validation Footage"}, {"type", "footage"}, {"source", {640, 480}}, {"3d", true},
                    {"anchor", point(320, 240, 0)}, {"position", point(w / 2, h / 2, 0)}};
        case Kind::solid:
            return {{"name", "Validation Solid"}, {"type", "solid"}, {"source", {500, 500}}, {"3d", true},
                    {"anchor", point(250, 250, 0)}, {"position", point(w / 2, h / 2, 100)}};
        case Kind::text:
            return {{"name", "Validation Text"}, {"type", "text"}, {"3d", true}, {"position", point(w / 2, h / 2, 0)}};
        case Kind::shape:
            return {{"name", "Validation Shape"}, {"type", "shape"}, {"3d", true}, {"position", point(w / 2, h / 2, 0)}};
        case Kind::two_d:
            return {{"name", "Validation 2D"}, {"type", "solid"}, {"source", {200, 200}}, {"3d", false},
                    {"position", point(w / 2, h / 2, 0)}};
    }
    return {};
}

ordered_json camera(const std::string& name, double x, double y, double z, double w, double h) {
    return {{"name", name}, {"type", "camera"}, {"3d", true}, {"anchor", point(w / 2, h / 2, 0)},
            {"position", point(x, y, z)}};
}

}  // namespace

ordered_json sweep_scene(const ordered_json& scene) {
    ordered_json result = scene;
    ordered_json& comp = result["composition"];
    const double w = comp.value("width", 1920.0), h = comp.value("height", 1080.0);
    std::array<bool, kKinds.size()> found{};
    ordered_json kept = ordered_json::array();
    for (const ordered_json& layer : comp["layers"]) {
        for (std::size_t k = 0; k < kKinds.size(); ++k) {
            if (found[k] || !is(kKinds[k], layer)) continue;
            found[k] = true;
            kept.push_back(layer);
            break;
        }
    }
    for (std::size_t k = 0; k < kKinds.size(); ++k)
        if (!found[k]) kept.push_back(made_layer(kKinds[k], w, h));
    for (ordered_json& layer : kept) layer["selected"] = true;
    comp["layers"] = kept;
    comp.erase("selection");
    result["active"] = true;
    return result;
}

void add_cameras(ordered_json& scene) {
    ordered_json& comp = scene["composition"];
    const double w = comp.value("width", 1920.0), h = comp.value("height", 1080.0);
    ordered_json& layers = comp["layers"];
    layers.insert(layers.begin(), camera("Third Camera", w / 2 - 1200, h / 2 + 400, -1500, w, h));
    layers.insert(layers.begin(), camera("Second Camera", w / 2 + 800, h / 2 - 300, -2000, w, h));
}

void add_keys(ordered_json& scene) {
    for (ordered_json& layer : scene["composition"]["layers"]) {
        if (!is(Kind::footage, layer)) continue;
        layer["keys"] = {{"position", {{0.0, point(100, 100, 0)}, {2.0, point(900, 500, -300)}}},
                         {"scale", {{0.0, point(50, 50, 100)}, {1.0, point(120, 120, 100)}}}};
        return;
    }
}

}  // namespace app::validate
