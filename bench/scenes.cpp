#include "scenes.h"

namespace bench {

nlohmann::json generated_scene(long layers, long cameras) {
    using nlohmann::json;
    json stack = json::array();
    for (long c = 0; c < cameras; ++c)
        stack.push_back({{"name", "Camera " + std::to_string(c + 1)},
                         {"type", "camera"},
                         {"3d", true},
                         {"anchor", {960, 540, 0}},
                         {"position", {960.0 + 10.0 * static_cast<double>(c), 540, -2666.7}}});
    stack.push_back({{"name", "Light 1"}, {"type", "light"}, {"3d", true}, {"position", {1240, 220, -900}}});
    static const char* const kTypes[] = {"footage", "solid", "text", "shape"};
    for (long i = 0; i < layers; ++i) {
        const std::string type = kTypes[i % 4];
        json layer = {{"name", "Layer " + std::to_string(i + 1)},
                      {"type", type},
                      {"3d", true},
                      {"selected", true},
                      {"position", {static_cast<double>(i % 1920), static_cast<double>(i % 1080), 0}}};
        if (type == "footage" || type == "solid") {
            layer["source"] = {320 + 32 * (i % 16), 240 + 24 * (i % 16)};
            layer["anchor"] = {layer["source"][0].get<long>() / 2, layer["source"][1].get<long>() / 2, 0};
        }
        stack.push_back(std::move(layer));
    }
    return {{"composition", {{"name", "Main"}, {"width", 1920}, {"height", 1080}, {"frame_rate", 30}, {"layers", stack}}},
            {"active", true}};
}

std::string generated_scene_text(long layers, long cameras) { return generated_scene(layers, cameras).dump(); }

}  // namespace bench
