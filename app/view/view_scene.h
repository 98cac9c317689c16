// What the picture of a composition needs from a scene file: the composition's
// size and time and every layer's kind, source size and transform at that time.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "view/geometry.h"

namespace view {

enum class LayerKind { footage, solid, text, shape, camera, light };

struct SceneLayer {
    std::string name;
    LayerKind kind = LayerKind::footage;
    bool is3d{};
    bool has_source{};
    double source_width = 0, source_height = 0;
    Vec3 anchor, position, scale{100, 100, 100}, orientation, rotation;
};

struct ViewScene {
    double width = 0, height = 0;
    std::vector<SceneLayer> layers;  // top of the stack first
};

// A scene that does not have the shape of a scene file; the message names the
// JSON path of the first problem.
class SceneFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a scene in the scene-file format. Keyed properties take their value at
// the composition's time (linear between keys, held outside them); fields left
// out take the host's defaults.
ViewScene read_view_scene(const nlohmann::json& scene);

}  // namespace view
