// The picture of a composition as flat shapes in drawing order: the
// composition's frame, the 3D layers far to near, the box, then markers for
// the other cameras and the lights. Coordinates are output pixels.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "view/camera_projection.h"
#include "view/view_scene.h"

namespace view {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

struct Shape {
    enum class Kind {
        frame_edge,     // an edge of the composition's frame at z = 0 (open polyline)
        layer,          // a 3D layer's rectangle (closed polygon)
        box_edge,       // an edge of the box (open polyline)
        camera_marker,  // one point: a camera other than the one looking
        light_marker,   // one point: a light
    };
    Kind kind = Kind::layer;
    int layer_index = -1;  // position in the stack, for layers and markers
    Rgb color;
    std::vector<Point2> points;
    double depth{};  // distance along the viewing direction of the layer's centre
};

struct ViewPlan {
    int width = 0, height = 0;
    int camera_index = -1;  // the layer looking, or -1 for the host's default camera
    std::vector<Shape> shapes;
};

constexpr int kDefaultViewWidth = 960;

// Text and shape layers have no source: they are drawn at the size of the
// largest 3D footage or solid source (by area), else at the composition's size.
std::pair<double, double> stand_in_size(const ViewScene& scene);

// The camera the picture is taken with: the topmost camera layer, else the
// host's default camera. Sets `index` to the camera's layer index or -1.
Camera viewing_camera(const ViewScene& scene, int& index);

// Everything seen through the viewing camera, for a box of the given size
// centred on the composition's centre; the picture is `width` pixels wide with
// the composition's aspect ratio.
ViewPlan plan_view(const ViewScene& scene, Vec3 box_size, int width = kDefaultViewWidth);

}  // namespace view
