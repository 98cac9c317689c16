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

// One control a row; the boxes that say what not to do start on.
ASErr TestAssistant::Init() {
    ASErr const result = AssistantDlg::Init();
    SInt16 top = 0;
    for (int id : controls) {
        IASRect const rect{top += 20, 10, 18, 150};
        if (id == kApply || id == 1)  // 1: the id of a default button, which applies too
            add_ctrl(kADMTextPushButtonType, rect, "Apply", id);
        else if (id == kCameraPopup)
            add_ctrl(kADMPopupListType, rect, nullptr, id);
        else if (id == kStartX || id == kStartY || id == kStartZ)
            add_edit(rect, id, -10000000.0f, 10000000.0f, 0.0f);
        else if (id == kRepeatCount)  // 0 allowed, so that the core's own handling of it can be tested
            add_edit(rect, id, 0.0f, 10000.0f, 1.0f);
        else
            add_checkbox(rect, "Option", id, id == kKeepOrientation || id == kUseCompCenter || id == kCropTextLayers);
    }
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
