// The small scene the sweep runs on, made from the scene being validated: its
// composition with the first layer of each kind (camera, light, 3D footage,
// solid, text and shape, a 2D layer), a layer of that kind added where the
// scene has none, every one selected and the composition active. Every host
// call is failed in turn, so a few layers of each kind reach every path at a
// fraction of the calls; the torture run uses the whole scene.
#pragma once

#include <nlohmann/json.hpp>

namespace app::validate {

nlohmann::ordered_json sweep_scene(const nlohmann::ordered_json& scene);

// Two more cameras, "Second Camera" and "Third Camera", looking at the centre from aside.
void add_cameras(nlohmann::ordered_json& scene);
// Position and scale keys on the scene's first 3D footage layer.
void add_keys(nlohmann::ordered_json& scene);

}  // namespace app::validate
