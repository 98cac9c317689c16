// Generated scenes for the benchmarks and for measuring voxtrel-host: a
// 1920 × 1080 composition with `layers` selected 3D layers (footage, solids,
// text and shapes in turn, each footage and solid with its own source) under
// `cameras` cameras and one light, neither selected.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace bench {

nlohmann::json generated_scene(long layers, long cameras = 1);
std::string generated_scene_text(long layers, long cameras = 1);

}  // namespace bench
