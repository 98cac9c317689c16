// Orientation choice: each record gets one of the checked "Layer Orientation"
// options, picked at random, so several checked options give a mixture.
#include <vector>

#include "Voxtrel/MainDlg.h"
#include "Voxtrel/MainDlg_controls.h"
#include "math/random.h"

using namespace distribution;

namespace {

// The options in the order they become candidates.
constexpr int _options[] = {kOrientXY, kOrientXZ, kOrientYZ, kTowardsCamera, kRandomOrientation};

void set_angles(AEGP_StreamValue& orientation, double x, double y, double z) {
    orientation.val.three_d.x = x;
    orientation.val.three_d.y = y;
    orientation.val.three_d.z = z;
}

}  // namespace

void MainDlg::get_layer_orient(AEGP_StreamValue& orientation) {
    std::vector<int> candidates;
    for (int id : _options)
        if (item_bool(id)) candidates.push_back(id);
    if (candidates.empty()) return;
    unsigned long const pick = static_cast<unsigned long>(math::LRand()) % candidates.size();
    switch (candidates[pick]) {
        case kOrientXY:
            set_angles(orientation, 0, 0, 0);
            break;
        case kOrientXZ:
            set_angles(orientation, -90, 0, 0);
            break;
        case kOrientYZ:
            set_angles(orientation, 0, -90, 0);
            break;
        case kTowardsCamera:
            orientation = camera_orient;
            break;
        case kRandomOrientation: {
            double const x = math::Rand() * 360.0;
            double const y = math::Rand() * 360.0;
            double const z = math::Rand() * 360.0;
            set_angles(orientation, x, y, z);
            break;
        }
    }
}
