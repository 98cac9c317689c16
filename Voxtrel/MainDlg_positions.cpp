// Where each layer goes inside the box: randomly, or in steps from a starting
// point. Positions are relative to the box centre; the core adds the offset.
#include "Voxtrel/MainDlg.h"
#include "Voxtrel/MainDlg_controls.h"
#include "math/random.h"

using namespace distribution;

namespace {

// A step that lands this close outside the box still counts as inside.
constexpr double kClampTolerance = 1e-12;

void set_position(AssistantDlg::LayerInfo& record, MainDlg::Vector const& p) {
    record.position.val.three_d.x = p.x;
    record.position.val.three_d.y = p.y;
    record.position.val.three_d.z = p.z;
}

double clamp_to(double value, double lo, double hi) {
    if (value < lo - kClampTolerance) value = lo;
    if (value > hi + kClampTolerance) value = hi;
    return value;
}

}  // namespace

A_Err MainDlg::get_layers_pos() {
    if (layers.empty()) return A_Err_NONE;
    constrain_layers();
    if (item_bool(kDistributeRandomly))
        pos_randomly();
    else
        pos_use_dist();
    // Fitting sees the orientations the records were collected with.
    if (item_bool(kScaleToFit)) scale_layers_to_fit();
    for (LayerInfo& record : layers) get_layer_orient(record.orientation);
    return A_Err_NONE;
}

MainDlg::Vector MainDlg::get_dims() { return Vector(item_float(kBoxX), item_float(kBoxY), item_float(kBoxZ)); }

void MainDlg::pos_randomly() {
    Vector const dims = get_dims();
    Vector const lo = -0.5 * dims;
    Vector const hi = 0.5 * dims;
    for (LayerInfo& record : layers) {
        double const x = math::Rand() * (hi.x - lo.x) + lo.x;
        double const y = math::Rand() * (hi.y - lo.y) + lo.y;
        double const z = math::Rand() * (hi.z - lo.z) + lo.z;
        set_position(record, Vector(x, y, z));
    }
}

void MainDlg::pos_use_dist() {
    Vector const start = get_starting_point();
    Vector const dims = get_dims();
    Vector const lo = start + -0.5 * dims;
    Vector const hi = start + 0.5 * dims;
    Vector const min(item_float(kStepMinX), item_float(kStepMinY), item_float(kStepMinZ));
    Vector const max(item_float(kStepMaxX), item_float(kStepMaxY), item_float(kStepMaxZ));
    Vector const inc(item_float(kStepIncX), item_float(kStepIncY), item_float(kStepIncZ));
    Vector p = start;
    int step = 1;
    for (LayerInfo& record : layers) {
        set_position(record, p);
        // Each step lies between Min and Max, plus an increment that grows with every step.
        p.x = (((max.x - min.x) * math::Rand() + min.x) + inc.x * step) + p.x;
        p.y = (((max.y - min.y) * math::Rand() + min.y) + inc.y * step) + p.y;
        p.z = (((max.z - min.z) * math::Rand() + min.z) + inc.z * step) + p.z;
        ++step;
        p.x = clamp_to(p.x, lo.x, hi.x);
        p.y = clamp_to(p.y, lo.y, hi.y);
        p.z = clamp_to(p.z, lo.z, hi.z);
    }
}
