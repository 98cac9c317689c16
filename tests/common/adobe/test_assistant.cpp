#include "test_assistant.h"

#include "adobe/assistant_controls.h"

using namespace assistant;

std::set<int> TestAssistant::all_controls() {
    return {kApply,       kTowardsCamera,  kKeepOrientation, kCameraPopup,        kStartX,       kStartY,
            kStartZ,      kReverseOrder,   kRandomOrder,     kUseCompCenter,      kRepeatLayers, kRepeatCount,
            kKeyPosition, kKeyOrientation, kKeyScale,        kRepeatSequentially, kScaleToFit,   kCropTextLayers};
}

TestAssistant::TestAssistant(int plugin_id, std::set<int> controls)
    : AssistantDlg(plugin_id), controls(std::move(controls)) {}

ASErr TestAssistant::Init() {
    ASErr const result = AssistantDlg::Init();
    auto wanted = [this](int id) { return controls.count(id) != 0; };
    auto checkbox = [&](int id, const char* text, SInt16 top, SInt16 left, int on) {
        if (wanted(id)) add_checkbox(IASRect{top, left, 18, 150}, text, id, on);
    };
    if (wanted(kApply)) add_ctrl(kADMTextPushButtonType, IASRect{205, 434, 20, 58}, "Apply", kApply);
    checkbox(kTowardsCamera, "Towards Camera", 37, 324, 0);
    checkbox(kKeepOrientation, "Don't Change Orientation", 101, 324, 1);
    if (wanted(kCameraPopup)) add_ctrl(kADMPopupListType, IASRect{57, 342, 19, 140}, nullptr, kCameraPopup);
    if (wanted(kStartX)) add_edit(IASRect{99, 29, 20, 75}, kStartX, -10000000.0f, 10000000.0f, 0.0f);
    if (wanted(kStartY)) add_edit(IASRect{99, 125, 20, 75}, kStartY, -10000000.0f, 10000000.0f, 0.0f);
    if (wanted(kStartZ)) add_edit(IASRect{99, 220, 20, 75}, kStartZ, -10000000.0f, 10000000.0f, 0.0f);
    checkbox(kScaleToFit, "Scale Layers To Fit", 200, 324, 0);
    checkbox(kReverseOrder, "Reverse Layers Order", 220, 324, 0);
    checkbox(kRandomOrder, "Random Layer Selection", 240, 324, 0);
    checkbox(kUseCompCenter, "Use Comp Center", 260, 324, 1);
    checkbox(kRepeatLayers, "Repeat Layers", 155, 25, 0);
    // A count of 0 is allowed here so that the core's own handling of it can be tested.
    if (wanted(kRepeatCount)) add_edit(IASRect{153, 125, 20, 50}, kRepeatCount, 0.0f, 10000.0f, 1.0f);
    checkbox(kRepeatSequentially, "Repeat Sequentially", 155, 200, 0);
    checkbox(kKeyPosition, "Position", 109, 25, 0);
    checkbox(kKeyOrientation, "Orientation", 109, 100, 0);
    checkbox(kKeyScale, "Scale", 109, 200, 0);
    checkbox(kCropTextLayers, "Crop Text Layers To Size Of Other 3D Layers", 185, 25, 1);
    return result;
}

A_Err TestAssistant::get_layers_pos() {
    ++positions_calls;
    if (positions_status) return positions_status;
    constrain_layers();
    if (place) {
        place(layers);
        return A_Err_NONE;
    }
    int i = 0;
    for (LayerInfo& record : layers) {
        double const n = i + 1;
        record.position.val.three_d = {10 * n, 20 * n, 30 * n};
        record.orientation.val.three_d = {5.0 + i, 10.0 + i, 15.0 + i};
        ++i;
    }
    return A_Err_NONE;
}
