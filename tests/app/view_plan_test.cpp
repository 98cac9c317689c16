#include "view/view_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace view {
namespace {

using nlohmann::json;

json card(const char* name, json position, json source = {640, 480}) {
    return {{"name", name},   {"type", "footage"}, {"source", source},
            {"3d", true},     {"anchor", {320, 240, 0}}, {"position", position}};
}

json scene_of(json layers, int width = 1920, int height = 1080) {
    return {{"composition", {{"name", "Main"}, {"width", width}, {"height", height}, {"layers", layers}}}};
}

std::vector<const Shape*> shapes_of(const ViewPlan& plan, Shape::Kind kind) {
    std::vector<const Shape*> out;
    for (const Shape& s : plan.shapes)
        if (s.kind == kind) out.push_back(&s);
    return out;
}

// Smallest box around a shape's points.
struct Bounds {
    double left, top, right, bottom;
};
Bounds bounds_of(const Shape& shape) {
    Bounds b{1e300, 1e300, -1e300, -1e300};
    for (const Point2& p : shape.points) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.top = std::min(b.top, p.y);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

void expect_bounds(const Shape& shape, Bounds expected) {
    const Bounds b = bounds_of(shape);
    EXPECT_NEAR(b.left, expected.left, 1e-6);
    EXPECT_NEAR(b.top, expected.top, 1e-6);
    EXPECT_NEAR(b.right, expected.right, 1e-6);
    EXPECT_NEAR(b.bottom, expected.bottom, 1e-6);
}

TEST(ViewPlan, LayerFacingTheDefaultCameraAtZeroDepthIsSeenOneToOne) {
    const ViewPlan plan = plan_view(read_view_scene(scene_of({card("Card", {960, 540, 0})})), {1000, 1000, 1000});
    EXPECT_EQ(plan.width, 960);
    EXPECT_EQ(plan.height, 540);
    EXPECT_EQ(plan.camera_index, -1);
    const auto layers = shapes_of(plan, Shape::Kind::layer);
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(layers[0]->points.size(), 4u);
    // 640 x 480 around (960, 540) in the composition, halved for a 960-pixel picture.
    expect_bounds(*layers[0], {320, 150, 640, 390});
}

TEST(ViewPlan, SceneCameraInFrontOfTheCentreSeesWhatTheDefaultCameraSees) {
    const json camera = {{"name", "Camera 1"},  {"type", "camera"},          {"3d", true},
                         {"anchor", {960, 540, 0}}, {"position", {960, 540, -2666.7}}};
    const ViewPlan plan =
        plan_view(read_view_scene(scene_of({card("Card", {960, 540, 2666.7}), camera})), {1000, 1000, 1000});
    EXPECT_EQ(plan.camera_index, 1);
    const auto layers = shapes_of(plan, Shape::Kind::layer);
    ASSERT_EQ(layers.size(), 1u);
    // Twice the camera's zoom away: half the size.
    expect_bounds(*layers[0], {400, 210, 560, 330});
    EXPECT_TRUE(shapes_of(plan, Shape::Kind::camera_marker).empty());  // the camera looking is not drawn
}

TEST(ViewPlan, TopmostCameraIsTheOneLooking) {
    const json a = {{"name", "A"}, {"type", "camera"}, {"3d", true}, {"position", {960, 540, -2000}},
                    {"anchor", {960, 540, 0}}};
    json b = a;
    b["name"] = "B";
    b["position"] = {960, 540, -4000};
    const ViewPlan plan = plan_view(read_view_scene(scene_of({card("Card", {960, 540, 0}), b, a})), {10, 10, 10});
    EXPECT_EQ(plan.camera_index, 1);
    // The other camera stands between the viewer and the centre, so it is drawn at the centre.
    const auto markers = shapes_of(plan, Shape::Kind::camera_marker);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0]->layer_index, 2);
    EXPECT_NEAR(markers[0]->points[0].x, 480, 1e-9);
    EXPECT_NEAR(markers[0]->points[0].y, 270, 1e-9);
}

TEST(ViewPlan, LayersArePaintedFarToNearTheHigherOneLastAtEqualDepth) {
    const ViewPlan plan = plan_view(read_view_scene(scene_of({card("Near", {960, 540, -500}),
                                                               card("Far", {960, 540, 800}),
                                                               card("Middle", {900, 500, 100}),
                                                               card("Top", {900, 540, 0}),
                                                               card("Bottom", {1000, 540, 0})})),
                                    {1000, 1000, 1000});
    std::vector<int> order;
    for (const Shape* layer : shapes_of(plan, Shape::Kind::layer)) order.push_back(layer->layer_index);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 4, 3, 0}));
    // Layers come after the frame and before the box, which is drawn over them.
    const auto first_layer = std::find_if(plan.shapes.begin(), plan.shapes.end(),
                                          [](const Shape& s) { return s.kind == Shape::Kind::layer; });
    EXPECT_TRUE(std::all_of(plan.shapes.begin(), first_layer,
                            [](const Shape& s) { return s.kind == Shape::Kind::frame_edge; }));
    EXPECT_EQ(plan.shapes.back().kind, Shape::Kind::box_edge);
}

TEST(ViewPlan, OnlyThreeDimensionalVisualLayersInFrontOfTheCameraAreRectangles) {
    json flat = card("Flat", {960, 540, 0});
    flat["3d"] = false;
    const json light = {{"name", "Light"}, {"type", "light"}, {"3d", true}, {"position", {960, 540, -100}}};
    // The layer through the camera lies edge-on in the camera's plane: entirely cut away too.
    const ViewPlan plan = plan_view(read_view_scene(scene_of({flat, light, card("Behind", {960, 540, -5000}),
                                                               card("Through", {960, 540, -2666.7})})),
                                    {1, 1, 1});
    EXPECT_TRUE(shapes_of(plan, Shape::Kind::layer).empty());
    ASSERT_EQ(shapes_of(plan, Shape::Kind::light_marker).size(), 1u);
}

TEST(ViewPlan, EdgeOnLayerIsALine) {
    json layer = card("Turned", {960, 540, 0});
    layer["orientation"] = {0, 90, 0};
    const ViewPlan plan = plan_view(read_view_scene(scene_of({layer})), {1, 1, 1});
    const auto layers = shapes_of(plan, Shape::Kind::layer);
    ASSERT_EQ(layers.size(), 1u);
    const Bounds b = bounds_of(*layers[0]);
    EXPECT_NEAR(b.left, 480, 1e-6);
    EXPECT_NEAR(b.right, 480, 1e-6);
    EXPECT_GT(b.bottom - b.top, 100);
}

TEST(ViewPlan, BoxAndFrameAreWireframesAroundTheCentre) {
    const ViewPlan plan = plan_view(read_view_scene(scene_of(json::array())), {1000, 600, 0});
    const auto frame = shapes_of(plan, Shape::Kind::frame_edge);
    const auto box = shapes_of(plan, Shape::Kind::box_edge);
    ASSERT_EQ(frame.size(), 4u);
    ASSERT_EQ(box.size(), 12u);
    Bounds all{1e300, 1e300, -1e300, -1e300};
    for (const Shape* s : box) {
        const Bounds b = bounds_of(*s);
        all = {std::min(all.left, b.left), std::min(all.top, b.top), std::max(all.right, b.right),
               std::max(all.bottom, b.bottom)};
    }
    // A flat box at z = 0 is seen 1:1: 1000 x 600 around the centre, halved, each edge along an axis.
    for (const Shape* s : box) {
        const Bounds b = bounds_of(*s);
        EXPECT_TRUE(std::abs(b.right - b.left) < 1e-6 || std::abs(b.bottom - b.top) < 1e-6);
    }
    EXPECT_NEAR(all.left, 230, 1e-6);
    EXPECT_NEAR(all.right, 730, 1e-6);
    EXPECT_NEAR(all.top, 120, 1e-6);
    EXPECT_NEAR(all.bottom, 420, 1e-6);
}

TEST(ViewPlan, TextTakesTheSizeOfTheLargestThreeDimensionalSource) {
    json small = card("Small", {0, 0, 0}, {100, 100});
    json big = card("Big", {0, 0, 0}, {300, 200});
    json flat_huge = card("Flat", {0, 0, 0}, {5000, 5000});
    flat_huge["3d"] = false;
    double w = 0, h = 0;
    stand_in_size(read_view_scene(scene_of({small, big, flat_huge})), w, h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 200);
    stand_in_size(read_view_scene(scene_of({flat_huge}, 800, 600)), w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);

    const json text = {{"name", "Title"}, {"type", "text"}, {"3d", true}, {"position", {960, 540, 0}}};
    const ViewPlan plan = plan_view(read_view_scene(scene_of({text, big})), {1, 1, 1});
    const auto layers = shapes_of(plan, Shape::Kind::layer);
    ASSERT_EQ(layers.size(), 2u);
    // Anchor (0, 0) at the centre: the stand-in rectangle hangs right and down from it.
    expect_bounds(*layers[1], {480, 270, 630, 370});
}

TEST(ViewPlan, PictureKeepsTheCompositionsAspectRatio) {
    EXPECT_EQ(plan_view(read_view_scene(scene_of(json::array(), 1000, 1000)), {1, 1, 1}).height, 960);
    EXPECT_EQ(plan_view(read_view_scene(scene_of(json::array(), 100, 1)), {1, 1, 1}).height, 10);
    EXPECT_EQ(plan_view(read_view_scene(scene_of(json::array(), 1, 100000)), {1, 1, 1}).height, 4096);
    EXPECT_EQ(plan_view(read_view_scene(scene_of(json::array(), 1920, 1080)), {1, 1, 1}, 480).height, 270);
}

}  // namespace
}  // namespace view
