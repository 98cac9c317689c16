#include "view/view_scene.h"

#include <gtest/gtest.h>

namespace view {
namespace {

using nlohmann::json;

json with_layer(json layer, double time = 0) {
    return {{"composition", {{"width", 1920}, {"height", 1080}, {"time", time}, {"layers", {layer}}}}};
}

std::string error_of(const json& scene) {
    try {
        read_view_scene(scene);
    } catch (const SceneFormatError& e) {
        return e.what();
    }
    return "";
}

TEST(ViewScene, MissingFieldsTakeTheHostsDefaults) {
    const ViewScene scene = read_view_scene(with_layer({{"type", "text"}}));
    ASSERT_EQ(scene.layers.size(), 1u);
    const SceneLayer& layer = scene.layers[0];
    EXPECT_EQ(layer.kind, LayerKind::text);
    EXPECT_FALSE(layer.is3d);
    EXPECT_FALSE(layer.has_source);
    EXPECT_EQ(layer.scale.x, 100);
    EXPECT_EQ(layer.scale.z, 100);
    EXPECT_EQ(layer.position.x, 0);
    EXPECT_EQ(layer.orientation.y, 0);
}

TEST(ViewScene, KeyedPropertiesTakeTheirValueAtTheCompositionsTime) {
    const json layer = {{"type", "solid"},
                        {"source", {10, 10}},
                        {"position", {5, 5, 5}},
                        {"keys",
                         {{"position", {{2.0, {200, 0, -20}}, {0.0, {0, 100, 0}}}},
                          {"rotation_y", {{0.0, 10}, {4.0, 50}}},
                          {"scale", {{3.0, {50, 50, 50}}}}}}};
    const SceneLayer mid = read_view_scene(with_layer(layer, 1.0)).layers[0];
    EXPECT_DOUBLE_EQ(mid.position.x, 100);
    EXPECT_DOUBLE_EQ(mid.position.y, 50);
    EXPECT_DOUBLE_EQ(mid.position.z, -10);
    EXPECT_DOUBLE_EQ(mid.rotation.y, 20);
    EXPECT_DOUBLE_EQ(mid.scale.x, 50);  // one key holds at every time

    const SceneLayer before = read_view_scene(with_layer(layer, -1.0)).layers[0];
    EXPECT_DOUBLE_EQ(before.position.y, 100);
    const SceneLayer after = read_view_scene(with_layer(layer, 9.0)).layers[0];
    EXPECT_DOUBLE_EQ(after.position.x, 200);
    EXPECT_DOUBLE_EQ(after.rotation.y, 50);
}

TEST(ViewScene, MalformedScenesNameTheJsonPath) {
    EXPECT_EQ(error_of(json::array()), "/: expected a scene object");
    EXPECT_EQ(error_of({{"composition", {{"height", 10}}}}), "/composition: missing \"width\"");
    EXPECT_EQ(error_of({{"composition", {{"width", 0}, {"height", 10}}}}), "/composition/width: expected at least 1");
    EXPECT_EQ(error_of(with_layer({{"type", "hologram"}})),
              "/composition/layers/0/type: expected one of footage, solid, text, shape, camera, light");
    EXPECT_EQ(error_of(with_layer({{"type", "solid"}, {"position", {1, 2}}})),
              "/composition/layers/0/position: expected three numbers");
    EXPECT_EQ(error_of(with_layer({{"type", "solid"}, {"scale", {1, "2", 3}}})),
              "/composition/layers/0/scale/1: expected a number");
    EXPECT_EQ(error_of(with_layer({{"type", "solid"}, {"keys", {{"rotation_x", {{0.0, {1, 2, 3}}}}}}})),
              "/composition/layers/0/keys/rotation_x/0/1: expected a number");
    EXPECT_EQ(error_of(with_layer({{"type", "solid"}, {"keys", {{"opacity", {{0.0, 1}}}}}})),
              "/composition/layers/0/keys/opacity: unknown property");
    EXPECT_EQ(error_of(with_layer({{"type", "solid"}, {"keys", {{"scale", json::array()}}}})),
              "/composition/layers/0/keys/scale: expected a list of [time, value] pairs");
}

}  // namespace
}  // namespace view
