#include "view/camera_projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace view {
namespace {

void expect_near(Vec3 actual, Vec3 expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void expect_identity(const Mat3& m, double tolerance = 1e-9) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(m.m[i][j], i == j ? 1.0 : 0.0, tolerance) << i << "," << j;
}

TEST(CameraProjection, DefaultCameraStandsInFrontOfTheCentreAtTheDefaultZoom) {
    const Camera camera = default_camera(1920, 1080);
    EXPECT_DOUBLE_EQ(camera.zoom, 2666.7);
    expect_near(camera.position, {960, 540, -2666.7});
    // The composition's plane is seen 1:1.
    const auto corner = project(camera, to_camera_space(camera, {0, 0, 0}));
    ASSERT_TRUE(corner);
    EXPECT_NEAR(corner->x, 0, 1e-9);
    EXPECT_NEAR(corner->y, 0, 1e-9);
    EXPECT_DOUBLE_EQ(default_zoom(960), 2666.7 / 2);
}

TEST(CameraProjection, TwiceAsFarLooksHalfAsBig) {
    const Camera camera = default_camera(1920, 1080);
    const auto p = project(camera, to_camera_space(camera, {1960, 540, 2666.7}));
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 960 + 500, 1e-9);
    EXPECT_NEAR(p->y, 540, 1e-9);
}

TEST(CameraProjection, NothingBehindTheCameraIsProjected) {
    const Camera camera = default_camera(1920, 1080);
    EXPECT_FALSE(project(camera, to_camera_space(camera, {960, 540, -3000})));
    EXPECT_FALSE(project(camera, {0, 0, kNearDistance / 2}));
    EXPECT_TRUE(project(camera, {0, 0, kNearDistance}));
}

TEST(CameraProjection, LookAtTurnsTheViewingDirectionTowardsTheTarget) {
    const Vec3 forward{0, 0, 1};
    expect_near(look_at({0, 0, 0}, {5, 0, 0}) * forward, {1, 0, 0});
    expect_near(look_at({0, 0, 0}, {0, -7, 0}) * forward, {0, -1, 0});
    expect_near(look_at({1, 2, 3}, {1, 2, 3}) * forward, forward);
    const double r = 1 / std::sqrt(3.0);
    expect_near(look_at({0, 0, 0}, {-2, 2, 2}) * forward, {-r, r, r});
    // No roll: the camera's x axis stays horizontal.
    EXPECT_NEAR((look_at({0, 0, 0}, {-2, 2, 2}) * Vec3{1, 0, 0}).y, 0, 1e-12);
}

// The plug-in turns layers towards a camera by giving them the camera's own
// turn; these are its results for cameras looking at the origin.
TEST(CameraProjection, LayerTurnMatchesTheCameraItWasTurnedTowards) {
    struct Case {
        Vec3 camera, orientation;
    } cases[] = {{{0, 0, -1000}, {180, 180, -180}},
                 {{1000, 0, 0}, {0, 270, 0}},
                 {{1000, 0, -1000}, {180, 225, -180}},
                 {{0, 500, -1000}, {-153.43494882292201, 180, -180}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation.y);
        const Mat3 camera = look_at(c.camera, {0, 0, 0});
        const Mat3 layer = layer_rotation(c.orientation, {0, 0, 0});
        expect_identity(transposed(camera) * layer, 1e-9);
    }
}

TEST(CameraProjection, OrientationAndRotationsApplyInOrder) {
    // Z first: +x turns to +y, then Y turns +y nowhere, then X turns +y to +z.
    expect_near(layer_rotation({90, 0, 0}, {0, 0, 90}) * Vec3{1, 0, 0}, {0, 0, 1});
    // The X/Y/Z Rotation turns before the orientation: X keeps +x, then Z turns it to +y.
    expect_near(layer_rotation({0, 0, 90}, {90, 0, 0}) * Vec3{1, 0, 0}, {0, 1, 0});
}

TEST(CameraProjection, CameraLayerLooksAtItsPointOfInterest) {
    const Camera camera = layer_camera({960, 540, -2666.7}, {960, 540, 0}, {}, {}, 1920, 1080);
    const Camera reference = default_camera(1920, 1080);
    const Vec3 point{100, 900, 250};
    expect_near(to_camera_space(camera, point), to_camera_space(reference, point));
}

TEST(CameraProjection, ClippingKeepsThePartInFrontOfTheCamera) {
    // A square straddling the near distance loses its far-behind half.
    const std::vector<Vec3> square = {{0, 0, -9}, {10, 0, -9}, {10, 0, 11}, {0, 0, 11}};
    const auto clipped = clip_near(square);
    ASSERT_EQ(clipped.size(), 4u);
    for (const Vec3& p : clipped) EXPECT_GE(p.z, kNearDistance);
    EXPECT_NEAR(clipped[0].z, kNearDistance, 1e-12);
    EXPECT_TRUE(clip_near({{0, 0, -5}, {1, 0, -5}, {1, 1, -5}}).empty());

    Vec3 a{0, 0, -1}, b{0, 4, 3};
    ASSERT_TRUE(clip_near(a, b));
    expect_near(a, {0, 2, kNearDistance});
    expect_near(b, {0, 4, 3});
    Vec3 c{0, 0, -1}, d{0, 0, -2};
    EXPECT_FALSE(clip_near(c, d));
}

}  // namespace
}  // namespace view
