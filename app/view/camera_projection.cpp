#include "view/camera_projection.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// The point of segment a-b at the near distance; a and b lie on either side.
Vec3 near_crossing(Vec3 a, Vec3 b) {
    const double t = (kNearDistance - a.z) / (b.z - a.z);
    return a + (b - a) * t;
}

}  // namespace

double default_zoom(double comp_width) { return comp_width * 2666.7 / 1920.0; }

Camera default_camera(double comp_width, double comp_height) {
    Camera camera;
    camera.zoom = default_zoom(comp_width);
    camera.position = {comp_width / 2, comp_height / 2, -camera.zoom};
    camera.centre = {comp_width / 2, comp_height / 2};
    return camera;
}

Mat3 layer_rotation(Vec3 orientation, Vec3 rotation) {
    return rotate_x(orientation.x) * rotate_y(orientation.y) * rotate_z(orientation.z) * rotate_x(rotation.x) *
           rotate_y(rotation.y) * rotate_z(rotation.z);
}

Mat3 look_at(Vec3 from, Vec3 to) {
    const Vec3 d = to - from;
    const double len = length(d);
    if (len < 1e-12) return Mat3{};
    const double pitch = -std::asin(std::clamp(d.y / len, -1.0, 1.0)) * kDegreesPerRadian;
    // Looking straight up or down, the host turns a camera as if it stood behind its
    // point of interest; the plug-in's turn towards such a camera assumes the same.
    const double yaw = std::hypot(d.x, d.z) < 1e-12 * len ? 180 : std::atan2(d.x, d.z) * kDegreesPerRadian;
    return rotate_y(yaw) * rotate_x(pitch);
}

Camera layer_camera(Vec3 position, Vec3 point_of_interest, Vec3 orientation, Vec3 rotation, double comp_width,
                    double comp_height) {
    Camera camera;
    camera.position = position;
    camera.rotation = look_at(position, point_of_interest) * layer_rotation(orientation, rotation);
    camera.zoom = default_zoom(comp_width);
    camera.centre = {comp_width / 2, comp_height / 2};
    return camera;
}

Vec3 to_camera_space(const Camera& camera, Vec3 world) {
    return transposed(camera.rotation) * (world - camera.position);
}

std::optional<Point2> project(const Camera& camera, Vec3 p) {
    if (!(p.z >= kNearDistance)) return std::nullopt;
    return Point2{camera.centre.x + camera.zoom * p.x / p.z, camera.centre.y + camera.zoom * p.y / p.z};
}

std::vector<Vec3> clip_near(const std::vector<Vec3>& polygon) {
    std::vector<Vec3> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec3 a = polygon[i];
        const Vec3 b = polygon[(i + 1) % polygon.size()];
        const bool a_in = a.z >= kNearDistance, b_in = b.z >= kNearDistance;
        if (a_in) out.push_back(a);
        if (a_in != b_in) out.push_back(near_crossing(a, b));
    }
    return out;
}

bool clip_near(Vec3& a, Vec3& b) {
    const bool a_in = a.z >= kNearDistance, b_in = b.z >= kNearDistance;
    if (!a_in && !b_in) return false;
    if (!a_in) a = near_crossing(a, b);
    if (!b_in) b = near_crossing(a, b);
    return true;
}

}  // namespace view
