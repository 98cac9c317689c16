#include "view/view_render.h"

#include <cairo.h>

#include <memory>

namespace view {

namespace {

constexpr double kMarkerRadius = 5.0;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

void trace(cairo_t* cr, const Shape& shape, bool closed) {
    cairo_new_path(cr);
    for (std::size_t i = 0; i < shape.points.size(); ++i) {
        if (i == 0) cairo_move_to(cr, shape.points[i].x, shape.points[i].y);
        else cairo_line_to(cr, shape.points[i].x, shape.points[i].y);
    }
    if (closed) cairo_close_path(cr);
}

void paint_shape(cairo_t* cr, const Shape& shape) {
    const Rgb c = shape.color;
    switch (shape.kind) {
        case Shape::Kind::frame_edge: {
            const double dash[] = {6.0, 4.0};
            cairo_set_dash(cr, dash, 2, 0);
            cairo_set_line_width(cr, 1.0);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.9);
            trace(cr, shape, false);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            break;
        }
        case Shape::Kind::layer:
            trace(cr, shape, true);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.22);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 1.5);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 1.0);
            cairo_stroke(cr);
            break;
        case Shape::Kind::box_edge:
            cairo_set_line_width(cr, 1.25);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.8);
            trace(cr, shape, false);
            cairo_stroke(cr);
            break;
        case Shape::Kind::camera_marker: {
            const Point2 p = shape.points.front();
            cairo_new_path(cr);
            cairo_move_to(cr, p.x, p.y - kMarkerRadius);
            cairo_line_to(cr, p.x + kMarkerRadius, p.y + kMarkerRadius);
            cairo_line_to(cr, p.x - kMarkerRadius, p.y + kMarkerRadius);
            cairo_close_path(cr);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 1.0);
            cairo_fill(cr);
            break;
        }
        case Shape::Kind::light_marker: {
            const Point2 p = shape.points.front();
            cairo_new_path(cr);
            cairo_arc(cr, p.x, p.y, kMarkerRadius, 0, 2 * 3.14159265358979323846);
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 1.0);
            cairo_fill(cr);
            break;
        }
    }
}

}  // namespace

void draw_view(cairo_t* cr, const ViewPlan& plan) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, plan.width, plan.height);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
    cairo_paint(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const Shape& shape : plan.shapes) paint_shape(cr, shape);
    cairo_restore(cr);
}

void paint_view(const ViewPlan& plan, const std::string& png_path) {
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, plan.width, plan.height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw ViewWriteError("cannot make a picture of " + std::to_string(plan.width) + " x " +
                             std::to_string(plan.height) + " pixels");
    {
        std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
        draw_view(cr.get(), plan);
    }
    cairo_surface_flush(surface.get());
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), png_path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw ViewWriteError(cairo_status_to_string(status));  // the caller names the file
}

void render_view(const nlohmann::json& scene, Vec3 box_size, const std::string& png_path, int width) {
    paint_view(plan_view(read_view_scene(scene), box_size, width), png_path);
}

}  // namespace view
