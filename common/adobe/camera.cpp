// The camera popup, and the orientation that turns layers parallel to the
// chosen camera's image plane.
#include <cmath>

#include "adm/ADMSuites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "adobe/active_comp.h"
#include "adobe/assistant_controls.h"
#include "adobe/layer_streams.h"
#include "math/constants.h"

using namespace assistant;

namespace {

using Vector = math::TGeomVector3D<double>;
using Matrix = math::TMatrix3D<double>;

constexpr double kTwoPi = 2 * math::kPi;
constexpr double kHalfPi = math::kPi / 2;
constexpr double kTiny = math::kTolerance;

// An angle keeps its sign only when the witness points the positive way; a zero
// or undefined witness negates it too.
double signed_by(double angle, double witness) { return witness > 0 ? angle : -angle; }

// (r, phi, theta): radius, azimuth about +Y from +Z, and the angle from +Y.
Vector cart_to_sphere(Vector const& v) {
    double const r = std::sqrt((v.x * v.x + v.z * v.z) + v.y * v.y);
    if (r < kTiny) return {};
    double const theta = math::acos(v.y / r);
    double const rho = std::sqrt(v.x * v.x + v.z * v.z);
    if (rho < kTiny) return Vector(r, 0, theta);
    double phi = math::acos(v.z / rho);
    if (v.x < 0) phi = kTwoPi - phi;
    return Vector(r, phi, theta);
}

// The X, Y and Z rotations, in degrees, that the host gives a camera looking along -d.
void orient_layer(Vector const& d, AEGP_StreamValue& out) {
    Vector const& X = Vector::Ex();
    Vector const& Z = Vector::Ez();
    Vector const sphere = cart_to_sphere(d);
    double const phi = sphere.y;
    double const theta = sphere.z;
    Vector const p(std::cos(phi), 0, -std::sin(phi));
    Vector const a = d * p;
    Vector const b = d * X;

    double ax = 0;
    double ay = 0;
    double az = 0;
    if (b.Length() < kTiny) {
        // Looking along the X axis (or nowhere): only a turn about Y remains.
        Vector const c = p * X;
        ay = signed_by(p ^ X, math::dot(c, a));
    } else {
        Vector n = b * d;
        n.Normalize();
        az = signed_by(p ^ n, math::dot(p * n, d));
        Vector const v = Matrix::BuildRotate(d, az) * a;
        ay = signed_by(X ^ n, math::dot(n * X, v));
        Vector const w = Matrix::BuildRotate(v, ay) * d;
        ax = Z ^ w;
    }

    double const k = math::Constant_RadianToDegree;
    out.val.three_d.x = theta < kHalfPi ? -ax * k : ax * k;
    out.val.three_d.y = ay * k;
    out.val.three_d.z = az * k;
}

}  // namespace

int AssistantDlg::get_combo_id() { return has_item(kCameraPopup) ? kCameraPopup : -1; }

A_Err AssistantDlg::fill_combo_camera() {
    if (get_combo_id() == -1) return A_Err_NONE;

    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_ItemH item = nullptr;
    AEGP_CompH active = nullptr;
    if (A_Err err = get_active_comp(suites, item, active)) return err;
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    if (!active) return A_Err_NONE;
    A_long count{};
    if (A_Err err = layer_suite->AEGP_GetCompNumLayers(active, &count)) return err;
    if (count == 0) return A_Err_NONE;

    std::vector<AEGP_LayerH> found;
    std::vector<std::string> names;
    for (A_long i = 0; i < count; ++i) {
        AEGP_LayerH layer = nullptr;
        if (A_Err err = layer_suite->AEGP_GetCompLayerByIndex(active, i, &layer)) return err;
        if (!layer) return A_Err_NONE;
        AEGP_ObjectType object = AEGP_ObjectType_AV;
        if (A_Err err = layer_suite->AEGP_GetLayerObjectType(layer, &object)) return err;
        if (object != AEGP_ObjectType_CAMERA) continue;
        A_char name[AEGP_MAX_LAYER_NAME_SIZE] = {};
        A_char source_name[AEGP_MAX_LAYER_NAME_SIZE] = {};
        if (A_Err err = layer_suite->AEGP_GetLayerName(layer, name, source_name)) return err;
        name[AEGP_MAX_LAYER_NAME_SIZE - 1] = '\0';
        found.push_back(layer);
        names.emplace_back(name);
    }

    // The popup changes only with the set or order of cameras, so the user's
    // choice survives every refresh in between; it follows the handle, not the name.
    if (found != cameras) {
        ADMListRef list = sADMItem->GetList(get_item(kCameraPopup));
        AEGP_LayerH chosen = nullptr;
        if (ADMEntryRef active_entry = sADMList->GetActiveEntry(list)) {
            // Unsigned, a negative index is beyond the end of any list.
            auto const index = static_cast<size_t>(sADMEntry->GetIndex(active_entry));
            if (index < cameras.size()) chosen = cameras[index];
        }
        while (sADMList->NumberOfEntries(list) > 0) sADMList->RemoveEntry(list, 0);
        cameras = found;
        for (std::string const& name : names)
            sADMEntry->SetText(sADMList->InsertEntry(list, sADMList->NumberOfEntries(list)), name.c_str());
        sADMEntry->Select(sADMList->IndexEntry(list, 0), true);
        for (size_t k = 0; k < cameras.size(); ++k)
            if (chosen && cameras[k] == chosen)
                sADMEntry->Select(sADMList->IndexEntry(list, static_cast<ADMInt32>(k)), true);
    }

    if (has_item(kTowardsCamera)) {
        if (sADMList->NumberOfEntries(sADMItem->GetList(get_item(kCameraPopup))) > 0) {
            enable_item(kTowardsCamera, true);
        } else {
            // Without cameras the choice falls back to leaving orientation alone.
            if (item_bool(kTowardsCamera)) {
                if (ADMItemRef keep = get_item(kKeepOrientation)) sADMItem->SetBooleanValue(keep, true);
                sADMItem->SetBooleanValue(get_item(kTowardsCamera), false);
            }
            enable_item(kTowardsCamera, false);
        }
    }
    return A_Err_NONE;
}

A_Err AssistantDlg::get_camera_orientation() {
    if (get_combo_id() == -1) return A_Err_NONE;
    ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(get_item(kCameraPopup)));
    if (!entry) return A_Err_NONE;
    ADMInt32 const index = sADMEntry->GetIndex(entry);
    if (index < 0 || static_cast<size_t>(index) >= cameras.size()) return A_Err_NONE;
    return get_layer_orientation(cameras[index], camera_orient);
}

A_Err AssistantDlg::get_layer_orientation(AEGP_LayerH layer, AEGP_StreamValue& out) {
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_StreamSuite4* streams = suites.StreamSuite4();
    A_Time time{};
    AEGP_StreamVal base{};
    AEGP_StreamVal position{};
    AEGP_StreamVal anchor{};
    A_Err err = suites.LayerSuite5()->AEGP_GetLayerCurrentTime(layer, AEGP_LTimeMode_CompTime, &time);
    if (!err) err = read_combined_rotation(streams, layer, time, base);
    if (!err) err = read_layer_stream(streams, layer, AEGP_LayerStream_POSITION, time, position);
    if (!err) err = read_layer_stream(streams, layer, AEGP_LayerStream_ANCHORPOINT, time, anchor);
    if (err) return err;

    // For a camera the anchor point is where it looks.
    Vector d(position.three_d.x - anchor.three_d.x, position.three_d.y - anchor.three_d.y,
             position.three_d.z - anchor.three_d.z);
    d.Normalize();
    AEGP_StreamValue turn{};
    orient_layer(d, turn);
    out.val = AEGP_StreamVal{};
    out.val.three_d.x = base.three_d.x + turn.val.three_d.x;
    out.val.three_d.y = base.three_d.y + (180 - turn.val.three_d.y);
    out.val.three_d.z = base.three_d.z + turn.val.three_d.z;
    return A_Err_NONE;
}
