// Scale to fit: each layer shrinks uniformly in its own plane until both its
// diagonals stay inside the box, but never below one pixel on its larger side.
#include <cmath>
#include <cstdint>

#include "Voxtrel/MainDlg.h"
#include "math/intersect.h"

void MainDlg::scale_layers_to_fit() {
    for (LayerInfo& record : layers) {
        record.refresh_mat();
        A_long const w = record.scaled_width;
        A_long const h = record.scaled_height;
        // A layer of no size has no diagonal to fit; its scale stays as it is.
        if (w == 0 && h == 0) continue;
        double const r = std::sqrt(static_cast<double>(std::int64_t{w} * w + std::int64_t{h} * h)) * 0.5;
        double const hw = w * 0.5;
        double const hh = h * 0.5;
        Vector const c0 = record.mat * Vector(-hw, -hh, 0);
        Vector const c1 = record.mat * Vector(hw, hh, 0);
        Vector const c2 = record.mat * Vector(hw, -hh, 0);
        Vector const c3 = record.mat * Vector(-hw, hh, 0);
        double const s1 = downscale_to_cube(c0, c1, r);
        double const s2 = downscale_to_cube(c2, c3, r);
        double s = s1 < s2 ? s1 : s2;
        A_long const larger = h > w ? h : w;
        if (s * larger < 1.0) s = 1.0 / larger;
        record.scale.val.three_d.x *= s;
        record.scale.val.three_d.y *= s;
        record.scaled_width = static_cast<A_long>(w * s);
        record.scaled_height = static_cast<A_long>(h * s);
    }
}

double MainDlg::downscale_to_cube(Vector const& p1, Vector const& p2, double r) {
    Vector const dims = get_dims();
    Vector const hi = 0.5 * dims;
    Vector const lo = -0.5 * dims;
    Vector const centre = (p1 + p2) / 2.0;
    Vector direction = p1 - p2;
    direction.Normalize();
    // Overshoots at several faces (near an edge or a corner) add up.
    double overshoot = 0.0;
    intersect_plane(hi, Vector::Ex(), centre, direction, r, overshoot);
    intersect_plane(hi, Vector::Ey(), centre, direction, r, overshoot);
    intersect_plane(hi, Vector::Ez(), centre, direction, r, overshoot);
    intersect_plane(lo, Vector::Ex(), centre, direction, r, overshoot);
    intersect_plane(lo, Vector::Ey(), centre, direction, r, overshoot);
    intersect_plane(lo, Vector::Ez(), centre, direction, r, overshoot);
    return (r - overshoot) / r;
}

void MainDlg::intersect_plane(Vector const& face_point, Vector const& normal, Vector const& centre,
                              Vector const& direction, double r, double& overshoot) {
    Vector crossing;
    // A segment parallel to the face never reaches it.
    if (!math::intersect(centre, direction, face_point, normal, crossing)) return;
    double const d = (crossing - centre).Length();
    if (d < r) overshoot += r - d;
}
