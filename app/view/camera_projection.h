// A camera of the composition and the projection of points through it: the
// host's pinhole model, where a point at the camera's zoom distance is drawn 1:1
// around the composition's centre.
#pragma once

#include <optional>
#include <vector>

#include "view/geometry.h"

namespace view {

struct Point2 {
    double x = 0, y = 0;
};

struct Camera {
    Vec3 position;
    Mat3 rotation;  // camera axes in world space: columns are its x, y and viewing direction
    double zoom{};
    Point2 centre;  // where the viewing direction meets the image, in composition pixels
};

// Points closer to the camera than this (in pixels along its viewing direction)
// are cut away, so nothing behind the camera is drawn.
constexpr double kNearDistance = 1.0;

// The zoom of the host's default camera for a composition this wide.
double default_zoom(double comp_width);

// The camera the host uses for a composition without one: straight in front of
// its centre at the default zoom, looking along +z.
Camera default_camera(double comp_width, double comp_height);

// A layer's turn: Orientation, then X, Y and Z Rotation, each applied Z first.
Mat3 layer_rotation(Vec3 orientation, Vec3 rotation);

// The turn that makes +z point from `from` towards `to` without rolling (the
// image's y stays in the vertical plane); identity when the points coincide.
Mat3 look_at(Vec3 from, Vec3 to);

// A camera layer: it looks at its point of interest, then its own turn applies.
Camera layer_camera(Vec3 position, Vec3 point_of_interest, Vec3 orientation, Vec3 rotation, double comp_width,
                    double comp_height);

Vec3 to_camera_space(const Camera& camera, Vec3 world);

// Image position, in composition pixels, of a point in camera space; none for a
// point nearer than kNearDistance.
std::optional<Point2> project(const Camera& camera, Vec3 camera_space);

// The part of a polygon (camera space) at or beyond the near distance.
std::vector<Vec3> clip_near(const std::vector<Vec3>& polygon);

// The part of a segment (camera space) at or beyond the near distance; false
// when none of it is.
bool clip_near(Vec3& a, Vec3& b);

}  // namespace view
