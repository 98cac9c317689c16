// The composition view below its pictures (which the golden test compares):
// points projected through cameras with worked numbers, layers' turns,
// clipping at the camera, the drawing order, and scenes as the view reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "view/view_plan.h"
#include "view/view_render.h"

namespace view {
namespace {

using nlohmann::json;

void expect_near(Vec3 actual, Vec3 expected) {
    EXPECT_NEAR(std::hypot(actual.x - expected.x, actual.y - expected.y, actual.z - expected.z), 0, 1e-9)
        << actual.x << " " << actual.y << " " << actual.z;
}

// In a 1920 x 1080 composition (zoom 2666.7) with y down and z away from the viewer.
TEST(View, ProjectedPointsLandWhereThePinholePutsThem) {
    const Vec3 centre{960, 540, 0}, front{960, 540, -2666.7};
    const struct {
        Vec3 camera, point;
        std::optional<Point2> image;
    } cases[] = {
        {front, {0, 0, 0}, Point2{0, 0}},                            // the composition's plane is seen 1:1
        {front, {1960, 540, 2666.7}, Point2{1460, 540}},             // twice as far: half as big
        {front, {960, 1540, -1333.35}, Point2{960, 2540}},           // half as far: twice, and down is down
        {front, {960, 540, -2666.2}, std::nullopt},                  // nearer than the near distance
        {front, {960, 540, -3000}, std::nullopt},                    // behind the camera
        {{2960, 540, 0}, {960, 540, 500}, Point2{1626.675, 540}},    // looking along -x: +z is to the right
        {{960, -1460, 0}, {960, 540, 500}, Point2{960, 1206.675}},   // looking down: +z is down the image
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point.x + c.point.y + c.point.z);
        const Camera camera = layer_camera(c.camera, centre, {}, {}, 1920, 1080);
        const std::optional<Point2> image = project(camera, to_camera_space(camera, c.point));
        ASSERT_EQ(image.has_value(), c.image.has_value());
        if (image) expect_near({image->x, image->y, 0}, {c.image->x, c.image->y, 0});
    }
    // Without a camera layer the host's camera stands where `front` does, at the zoom for the width, and
    // sees what it does.
    const Camera host = default_camera(1920, 1080), layer = layer_camera(front, centre, {}, {}, 1920, 1080);
    const auto seen = [](const Camera& c) { return project(c, to_camera_space(c, {100, 900, 250})).value(); };
    expect_near({seen(host).x, seen(host).y, 0}, {seen(layer).x, seen(layer).y, 0});
    EXPECT_EQ(std::pair(host.zoom, default_zoom(960)), std::pair(2666.7, 2666.7 / 2));
}

// The plug-in turns layers towards a camera by giving them the camera's own
// turn; the plug-in's tests share these results for cameras looking at the origin.
TEST(View, LayerTurnMatchesTheCameraItWasTurnedTowards) {
    for (const json& c : json::parse(std::ifstream(VOXTREL_SOURCE_DIR "/tests/common/adobe/data/cameras.json"))) {
        const auto vec = [](const json& v) { return Vec3{v[0], v[1], v[2]}; };
        const Mat3 difference = transposed(look_at(vec(c["position"]), {0, 0, 0})) * layer_rotation(vec(c["turn"]), {});
        for (int i = 0; i < 3; ++i)
            expect_near({difference.m[i][0], difference.m[i][1], difference.m[i][2]},
                        {i == 0 ? 1.0 : 0, i == 1 ? 1.0 : 0, i == 2 ? 1.0 : 0});
    }
    expect_near(look_at({1, 2, 3}, {1, 2, 3}) * Vec3{0, 0, 1}, {0, 0, 1});
    // Orientation, then X, Y, Z Rotation, each Z first: X keeps +x, then Z turns it to +y.
    expect_near(layer_rotation({0, 0, 90}, {90, 0, 0}) * Vec3{1, 0, 0}, {0, 1, 0});
    expect_near(layer_rotation({90, 0, 0}, {0, 0, 90}) * Vec3{1, 0, 0}, {0, 0, 1});
}

TEST(View, ClippingKeepsThePartInFrontOfTheCamera) {
    const auto clipped = clip_near({{0, 0, -9}, {10, 0, -9}, {10, 0, 11}, {0, 0, 11}});
    ASSERT_EQ(clipped.size(), 4u);
    expect_near(clipped[0], {10, 0, kNearDistance});
    expect_near(clipped[3], {0, 0, kNearDistance});
    EXPECT_TRUE(clip_near({{0, 0, -5}, {1, 0, -5}, {1, 1, -5}}).empty());
    Vec3 a{0, 0, -1}, b{0, 4, 3}, c{0, 0, -1}, d{0, 0, -2};
    ASSERT_TRUE(clip_near(b, a));
    expect_near(a, {0, 2, kNearDistance});
    expect_near(b, {0, 4, 3});
    EXPECT_FALSE(clip_near(c, d));
}

json card(const char* name, json position, bool is3d = true) {
    return {{"name", name}, {"type", "footage"},       {"source", {640, 480}},
            {"3d", is3d},   {"anchor", {320, 240, 0}}, {"position", position}};
}
json camera(const char* name, double z) {
    return {{"name", name}, {"type", "camera"}, {"3d", true}, {"position", {960, 540, z}}, {"anchor", {960, 540, 0}}};
}
ViewScene scene(json layers, int width = 1920, int height = 1080) {
    return read_view_scene({{"composition", {{"width", width}, {"height", height}, {"layers", layers}}}});
}

// Shapes as letters: frame edges f, box edges b, then the layer index for layers (L),
// cameras (C) and lights (l).
std::string drawing_order(const ViewPlan& plan) {
    std::string order;
    for (const Shape& s : plan.shapes) {
        static const char kLetters[] = {'f', 'L', 'b', 'C', 'l'};
        order += kLetters[static_cast<int>(s.kind)];
        if (s.layer_index >= 0) order += std::to_string(s.layer_index);
    }
    return order;
}

TEST(View, PlanDrawsTheFrameTheLayersFarToNearTheBoxAndTheMarkers) {
    const json light = {{"name", "Light"}, {"type", "light"}, {"3d", true}, {"position", {960, 540, -100}}};
    const ViewPlan plan =
        plan_view(scene({card("Near", {960, 540, -500}), camera("Looking", -2000), card("Far", {960, 540, 800}),
                         card("Top", {900, 540, 0}), card("Bottom", {1000, 540, 0}), card("Flat", {960, 540, 0}, false),
                         card("Behind", {960, 540, -5000}), camera("Other", -1000), light}),
                  {10, 10, 10});
    EXPECT_EQ(plan.camera_index, 1);
    // The layer nearest the camera is drawn last; at equal depth the higher one after the lower.
    EXPECT_EQ(drawing_order(plan), "ffffL2L4L3L0bbbbbbbbbbbbC7l8");
    // Top: 640 x 480 around (900, 540, 0), 2000 px from the camera at zoom 2666.7, halved for 960 px.
    const Shape& top = plan.shapes[6];
    const double k = 2666.7 / 2000, x = (960 - 60 * k) / 2;
    // The other camera and the light (last) stand in front of the centre.
    const Point2 corner = top.points[0], opposite = top.points[2], light_at = plan.shapes.back().points[0];
    expect_near({corner.x, corner.y, opposite.x}, {x - 160 * k, 270 - 120 * k, x + 160 * k});
    expect_near({opposite.y, light_at.x, light_at.y}, {270 + 120 * k, 480, 270});
}

TEST(View, PictureKeepsTheAspectRatioAndTextTakesTheLargestSource) {
    const auto height = [](int w, int h, int width = kDefaultViewWidth) {
        return plan_view(scene(json::array(), w, h), {1, 1, 1}, width).height;
    };
    EXPECT_EQ((std::vector{height(10, 30, 0), height(100, 1), height(1, 100000), height(1920, 1080, 480)}),
              (std::vector{3, 10, 4096, 270}));
    EXPECT_EQ(stand_in_size(scene({card("Flat", {0, 0, 0}, false)}, 800, 600)), std::pair(800.0, 600.0));
}

TEST(View, SceneFieldsLeftOutTakeTheHostsDefaultsAndKeysTheirValueAtTheTime) {
    const SceneLayer plain = scene({{{"type", "text"}}}).layers.at(0);
    EXPECT_EQ(std::tuple(plain.kind, plain.is3d, plain.has_source), std::tuple(LayerKind::text, false, false));
    expect_near(plain.scale, {100, 100, 100});
    const json keys = {{"position", {{1.5, {200, 0, -20}}, {0.5, {0, 100, 0}}}},
                       {"rotation_y", {{0.0, 10}, {4.0, 50}}},
                       {"scale", {{3.0, {50, 50, 50}}}},
                       {"orientation", {{2.0, {0, 90, 0}}}},
                       {"anchor", {{0.0, {1, 2, 3}}}}};
    const json layers = json::array({{{"type", "solid"}, {"source", {1, 1}}, {"keys", keys}}});
    const auto at = [&](double time) {
        json composition = {{"width", 9}, {"height", 9}, {"layers", layers}};
        if (time != 0) composition["time"] = time;  // left out, the time is 0
        return read_view_scene({{"composition", composition}}).layers.at(0);
    };
    expect_near(at(1).position, {100, 50, -10});  // between keys in time order
    EXPECT_DOUBLE_EQ(at(1).rotation.y, 20);
    expect_near(at(1).scale, {50, 50, 50});  // one key holds at every time
    expect_near(at(1).orientation, {0, 90, 0}), expect_near(at(1).anchor, {1, 2, 3});
    expect_near(at(0).position, {0, 100, 0}), expect_near(at(9).position, {200, 0, -20});  // before and after the keys
}

TEST(View, MalformedScenesNameTheJsonPath) {
    const auto error_of = [](const json& layer) {
        try {
            read_view_scene(layer.is_object() && layer.contains("composition")
                                ? layer
                                : json{{"composition", {{"width", 9}, {"height", 9}, {"layers", {layer}}}}});
        } catch (const SceneFormatError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    // Each row: a layer (or a whole scene) and the error it gives.
    const json cases = json::parse(std::ifstream(VOXTREL_SOURCE_DIR "/tests/app/data/view_scene_errors.json"));
    for (const json& c : cases) EXPECT_EQ(error_of(c[0]), c[1]);
    EXPECT_THROW(render_view(json::object(), {1, 1, 1}, "/nonexistent/view.png"), SceneFormatError);
    EXPECT_THROW(render_view({{"composition", {{"width", 9}, {"height", 9}}}}, {1, 1, 1}, "/nonexistent/view.png"),
                 ViewWriteError);
}

}  // namespace
}  // namespace view
