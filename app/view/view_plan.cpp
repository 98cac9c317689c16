#include "view/view_plan.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Pictures of very tall compositions stop at this height.
constexpr int kMaxViewHeight = 4096;

// A distinct, stable colour per stack position: hues a golden angle apart.
Rgb layer_color(int index) {
    const double hue = std::fmod(index * 0.618033988749895, 1.0) * 6.0;
    const double s = 0.65, v = 0.95;
    const int sector = static_cast<int>(hue);  // 0 to 5
    const double f = hue - std::floor(hue);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        default: return {v, p, q};
    }
}

struct Projector {
    Camera camera;
    double pixels_per_comp_pixel;

    Point2 image_point(Vec3 camera_space) const {
        const Point2 p = *project(camera, camera_space);
        return {p.x * pixels_per_comp_pixel, p.y * pixels_per_comp_pixel};
    }

    // An edge clipped at the near distance; nothing when it lies behind the camera.
    void add_edge(std::vector<Shape>& shapes, Shape::Kind kind, Rgb color, Vec3 a, Vec3 b) const {
        Vec3 ca = to_camera_space(camera, a), cb = to_camera_space(camera, b);
        if (!clip_near(ca, cb)) return;
        Shape shape;
        shape.kind = kind;
        shape.color = color;
        shape.points = {image_point(ca), image_point(cb)};
        shapes.push_back(std::move(shape));
    }
};

bool is_drawn_as_rectangle(const SceneLayer& layer) {
    return layer.is3d && layer.kind != LayerKind::camera && layer.kind != LayerKind::light;
}

}  // namespace

std::pair<double, double> stand_in_size(const ViewScene& scene) {
    std::pair<double, double> size{scene.width, scene.height};
    double largest = -1;
    for (const SceneLayer& layer : scene.layers) {
        if (!layer.is3d || !layer.has_source) continue;  // only footage and solids have a source
        const double area = layer.source_width * layer.source_height;
        if (area > largest) {
            largest = area;
            size = {layer.source_width, layer.source_height};
        }
    }
    return size;
}

Camera viewing_camera(const ViewScene& scene, int& index) {
    for (std::size_t i = 0; i < scene.layers.size(); ++i) {
        const SceneLayer& layer = scene.layers[i];
        if (layer.kind != LayerKind::camera) continue;
        index = static_cast<int>(i);
        return layer_camera(layer.position, layer.anchor, layer.orientation, layer.rotation, scene.width,
                            scene.height);
    }
    index = -1;
    return default_camera(scene.width, scene.height);
}

ViewPlan plan_view(const ViewScene& scene, Vec3 box_size, int width) {
    ViewPlan plan;
    plan.width = std::max(1, width);
    plan.height = static_cast<int>(std::clamp(std::lround(plan.width * scene.height / scene.width), 1L,
                                              static_cast<long>(kMaxViewHeight)));
    const Projector projector{viewing_camera(scene, plan.camera_index), plan.width / scene.width};

    // The frame of the composition, where 2D layers would lie.
    const double w = scene.width, h = scene.height;
    const Vec3 frame[4] = {{0, 0, 0}, {w, 0, 0}, {w, h, 0}, {0, h, 0}};
    for (int i = 0; i < 4; ++i)
        projector.add_edge(plan.shapes, Shape::Kind::frame_edge, {0.55, 0.55, 0.55}, frame[i], frame[(i + 1) % 4]);

    const auto [stand_in_w, stand_in_h] = stand_in_size(scene);
    std::vector<Shape> layers;
    for (std::size_t i = 0; i < scene.layers.size(); ++i) {
        const SceneLayer& layer = scene.layers[i];
        if (!is_drawn_as_rectangle(layer)) continue;
        const double lw = layer.has_source ? layer.source_width : stand_in_w;
        const double lh = layer.has_source ? layer.source_height : stand_in_h;
        const Mat3 turn = layer_rotation(layer.orientation, layer.rotation);
        const Vec3 scale = layer.scale * 0.01;
        auto to_world = [&](double x, double y) {
            const Vec3 local = {(x - layer.anchor.x) * scale.x, (y - layer.anchor.y) * scale.y,
                                -layer.anchor.z * scale.z};
            return layer.position + turn * local;
        };
        std::vector<Vec3> corners;
        for (const auto& [x, y] : {std::pair{0.0, 0.0}, {lw, 0.0}, {lw, lh}, {0.0, lh}})
            corners.push_back(to_camera_space(projector.camera, to_world(x, y)));
        const std::vector<Vec3> visible = clip_near(corners);
        if (visible.empty()) continue;
        Shape shape;
        shape.kind = Shape::Kind::layer;
        shape.layer_index = static_cast<int>(i);
        shape.color = layer_color(static_cast<int>(i));
        shape.depth = to_camera_space(projector.camera, to_world(lw / 2, lh / 2)).z;
        for (const Vec3& p : visible) shape.points.push_back(projector.image_point(p));
        layers.push_back(std::move(shape));
    }
    // Painter's order: far to near; at equal depth the higher layer in the stack lies on top.
    std::stable_sort(layers.begin(), layers.end(), [](const Shape& a, const Shape& b) {
        if (a.depth != b.depth) return a.depth > b.depth;
        return a.layer_index > b.layer_index;
    });
    plan.shapes.insert(plan.shapes.end(), layers.begin(), layers.end());

    const Vec3 centre = {w / 2, h / 2, 0};
    const Vec3 half = box_size * 0.5;
    auto box_corner = [&](int bits) {
        return centre + Vec3{bits & 1 ? half.x : -half.x, bits & 2 ? half.y : -half.y, bits & 4 ? half.z : -half.z};
    };
    for (int a = 0; a < 8; ++a)
        for (int axis = 1; axis < 8; axis <<= 1)
            if (!(a & axis))
                projector.add_edge(plan.shapes, Shape::Kind::box_edge, {0.35, 0.85, 1.0}, box_corner(a),
                                   box_corner(a | axis));

    for (std::size_t i = 0; i < scene.layers.size(); ++i) {
        const SceneLayer& layer = scene.layers[i];
        const bool camera = layer.kind == LayerKind::camera;
        if ((!camera && layer.kind != LayerKind::light) || static_cast<int>(i) == plan.camera_index) continue;
        const Vec3 p = to_camera_space(projector.camera, layer.position);
        if (!project(projector.camera, p)) continue;
        Shape shape;
        shape.kind = camera ? Shape::Kind::camera_marker : Shape::Kind::light_marker;
        shape.layer_index = static_cast<int>(i);
        shape.color = camera ? Rgb{0.95, 0.95, 0.95} : Rgb{1.0, 0.85, 0.3};
        shape.points = {projector.image_point(p)};
        plan.shapes.push_back(std::move(shape));
    }
    return plan;
}

}  // namespace view
