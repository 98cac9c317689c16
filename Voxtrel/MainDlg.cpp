// The distribution dialog's controls, their enabling rules and its name.
#include "Voxtrel/MainDlg.h"

#include <cstdio>
#include <iterator>

#include "Voxtrel/MainDlg_controls.h"
#include "adm/ADMSuites.h"
#include "core/boundary.h"

using namespace distribution;

namespace {

enum class Kind { button, popup, static_text, edit, check_box, frame };

// One control as Init builds it. Rectangles read top, left, height, width;
// a static text uses only the top-left corner.
struct Control {
    Kind kind;
    int id;
    const char* text;
    IASRect rect;
    float min = 0.0f;
    float max = 0.0f;
    float value = 0.0f;  // edit fields; check boxes: non-zero is checked
};

constexpr int kEtchedFrame = 4;

// A static text or a check box is placed by its top left and takes the size of its content.
constexpr IASRect at(short top, short left) { return {top, left, 0, 0}; }
// An edit field is as high as the dialog services make their fields.
constexpr IASRect field(short top, short left, short width) { return {top, left, 0, width}; }

// In the order they are made.
// clang-format off
const Control _controls[] = {
    {Kind::button, kApply, "Apply", {205, 434, 20, 58}},
    {Kind::static_text, 0, "X", at(36, 14)},
    {Kind::static_text, 0, "Y", at(36, 110)},
    {Kind::static_text, 0, "Z", at(36, 205)},
    {Kind::edit, kBoxX, nullptr, field(34, 29, 75), EDIT_DIM_X_MIN, EDIT_DIM_X_MAX, EDIT_DIM_X_DFLT},
    {Kind::edit, kBoxY, nullptr, field(34, 125, 75), EDIT_DIM_Y_MIN, EDIT_DIM_Y_MAX, EDIT_DIM_Y_DFLT},
    {Kind::edit, kBoxZ, nullptr, field(34, 220, 75), EDIT_DIM_Z_MIN, EDIT_DIM_Z_MAX, EDIT_DIM_Z_DFLT},
    {Kind::static_text, kStartLabelX, "X", at(101, 14)},
    {Kind::static_text, kStartLabelY, "Y", at(101, 110)},
    {Kind::static_text, kStartLabelZ, "Z", at(101, 205)},
    {Kind::edit, kStartX, nullptr, field(99, 29, 75), EDIT_SP_X_MIN, EDIT_SP_X_MAX, EDIT_SP_X_DFLT},
    {Kind::edit, kStartY, nullptr, field(99, 125, 75), EDIT_SP_Y_MIN, EDIT_SP_Y_MAX, EDIT_SP_Y_DFLT},
    {Kind::edit, kStartZ, nullptr, field(99, 220, 75), EDIT_SP_Z_MIN, EDIT_SP_Z_MAX, EDIT_SP_Z_DFLT},
    {Kind::check_box, kDistributeRandomly, "Distribute Randomly", at(120, 29), 0, 0, 1},
    {Kind::static_text, kAxisLabelX, "X axis", at(178, 24)},
    {Kind::static_text, kMinLabelX, "Min", at(170, 60)},
    {Kind::static_text, kMaxLabelX, "Max", at(190, 60)},
    {Kind::static_text, kIncrementLabelX, "Increment", at(168, 200)},
    {Kind::edit, kStepMinX, nullptr, field(168, 90, 75), EDIT_DIST_MIN_X_MIN, EDIT_DIST_MIN_X_MAX, EDIT_DIST_MIN_X_DFLT},
    {Kind::edit, kStepMaxX, nullptr, field(188, 90, 75), EDIT_DIST_MAX_X_MIN, EDIT_DIST_MAX_X_MAX, EDIT_DIST_MAX_X_DFLT},
    {Kind::edit, kStepIncX, nullptr, field(182, 200, 75), EDIT_DIST_INC_X_MIN, EDIT_DIST_INC_X_MAX, EDIT_DIST_INC_X_DFLT},
    {Kind::static_text, kAxisLabelY, "Y axis", at(228, 24)},
    {Kind::static_text, kMinLabelY, "Min", at(220, 60)},
    {Kind::static_text, kMaxLabelY, "Max", at(240, 60)},
    {Kind::static_text, kIncrementLabelY, "Increment", at(218, 200)},
    {Kind::edit, kStepMinY, nullptr, field(218, 90, 75), EDIT_DIST_MIN_Y_MIN, EDIT_DIST_MIN_Y_MAX, EDIT_DIST_MIN_Y_DFLT},
    {Kind::edit, kStepMaxY, nullptr, field(238, 90, 75), EDIT_DIST_MAX_Y_MIN, EDIT_DIST_MAX_Y_MAX, EDIT_DIST_MAX_Y_DFLT},
    {Kind::edit, kStepIncY, nullptr, field(232, 200, 75), EDIT_DIST_INC_Y_MIN, EDIT_DIST_INC_Y_MAX, EDIT_DIST_INC_Y_DFLT},
    {Kind::static_text, kAxisLabelZ, "Z axis", at(278, 24)},
    {Kind::static_text, kMinLabelZ, "Min", at(270, 60)},
    {Kind::static_text, kMaxLabelZ, "Max", at(290, 60)},
    {Kind::static_text, kIncrementLabelZ, "Increment", at(268, 200)},
    {Kind::edit, kStepMinZ, nullptr, field(268, 90, 75), EDIT_DIST_MIN_Z_MIN, EDIT_DIST_MIN_Z_MAX, EDIT_DIST_MIN_Z_DFLT},
    {Kind::edit, kStepMaxZ, nullptr, field(288, 90, 75), EDIT_DIST_MAX_Z_MIN, EDIT_DIST_MAX_Z_MAX, EDIT_DIST_MAX_Z_DFLT},
    {Kind::edit, kStepIncZ, nullptr, field(282, 200, 75), EDIT_DIST_INC_Z_MIN, EDIT_DIST_INC_Z_MAX, EDIT_DIST_INC_Z_DFLT},
    {Kind::check_box, kKeepOrientation, "Don't Change Orientation", at(101, 324), 0, 0, 1},
    {Kind::check_box, kTowardsCamera, "Towards Camera", at(37, 324)},
    {Kind::check_box, kRandomOrientation, "Random", at(80, 324)},
    {Kind::check_box, kOrientXY, "XY", at(0, 0)},
    {Kind::check_box, kOrientXZ, "XZ", at(0, 0)},
    {Kind::check_box, kOrientYZ, "YZ", at(0, 0)},
    {Kind::popup, kCameraPopup, nullptr, {57, 342, 19, 140}},
    {Kind::check_box, kScaleToFit, "Scale Layers To Fit", at(200, 324)},
    {Kind::check_box, kReverseOrder, "Reverse Layers Order", at(220, 324)},
    {Kind::check_box, kRandomOrder, "Random Layer Selection", at(240, 324)},
    {Kind::check_box, kUseCompCenter, "Use Comp Center", at(260, 324), 0, 0, 1},
    {Kind::check_box, kRepeatLayers, "Repeat Layers", at(155, 25)},
    {Kind::edit, kRepeatCount, nullptr, field(153, 125, 50), EDIT_REPEAT_MIN, EDIT_REPEAT_MAX, EDIT_REPEAT_DFLT},
    {Kind::check_box, kRepeatSequentially, "Repeat Sequentially", at(155, 200)},
    {Kind::check_box, kKeyPosition, "Position", at(109, 25)},
    {Kind::check_box, kKeyOrientation, "Orientation", at(109, 100)},
    {Kind::check_box, kKeyScale, "Scale", at(109, 200)},
    {Kind::check_box, kCropTextLayers, "Crop Text Layers To Size Of Other 3D Layers", at(185, 25), 0, 0, 1},
    {Kind::frame, kStartFrame, "Starting Value", {75, 7, 70, 299}},
    {Kind::frame, kDistanceFrame, "Distance", {150, 7, 167, 299}},
    {Kind::frame, 0, "Cube Dimensions", {10, 7, 60, 299}},
    {Kind::frame, 0, "Layer Orientation", {10, 315, 124, 177}},
    {Kind::frame, 0, "Options", {140, 7, 40, 485}},
    {Kind::frame, 0, "Insert Keys", {94, 7, 40, 299}},
};

// Always acting with their initial values, so never shown.
const int _hidden[] = {
    kStartLabelX, kStartLabelY, kStartLabelZ, kStartX, kStartY, kStartZ, kStartFrame, kDistributeRandomly,
    kAxisLabelX, kMinLabelX, kMaxLabelX, kIncrementLabelX, kStepMinX, kStepMaxX, kStepIncX,
    kAxisLabelY, kMinLabelY, kMaxLabelY, kIncrementLabelY, kStepMinY, kStepMaxY, kStepIncY,
    kAxisLabelZ, kMinLabelZ, kMaxLabelZ, kIncrementLabelZ, kStepMinZ, kStepMaxZ, kStepIncZ,
    kDistanceFrame, kOrientXY, kOrientXZ, kOrientYZ, kScaleToFit, kReverseOrder, kRandomOrder, kUseCompCenter,
};

// The step fields and their labels, enabled together.
const int _distance_items[] = {
    kStepMinX, kStepMaxX, kStepIncX, kMinLabelX, kMaxLabelX, kIncrementLabelX,
    kStepMinY, kStepMaxY, kStepIncY, kMinLabelY, kMaxLabelY, kIncrementLabelY,
    kStepMinZ, kStepMaxZ, kStepIncZ, kMinLabelZ, kMaxLabelZ, kIncrementLabelZ,
    kDistanceFrame, kAxisLabelX, kAxisLabelY, kAxisLabelZ,
};
// clang-format on
static_assert(std::size(_hidden) == 37);
static_assert(std::size(_distance_items) == 22);

}  // namespace

MainDlg::MainDlg(int plugin_id) : AssistantDlg(plugin_id) {}

MainDlg::~MainDlg() = default;

std::string MainDlg::get_name() const { return kProductName; }

bool MainDlg::is_distributor() { return true; }

ASErr MainDlg::Init() {
    ASErr status = A_Err_NONE;
    // A failure ends the building where it happened; the dialog keeps what was made.
    core::at_quiet_boundary([&] {
        status = AssistantDlg::Init();
        SetLocalRect(ADMRect{0, 0, 235, 501});
        for (Control const& c : _controls) {
            switch (c.kind) {
                case Kind::button:
                    add_ctrl(kADMTextPushButtonType, c.rect, c.text, c.id);
                    break;
                case Kind::popup:
                    add_ctrl(kADMPopupListType, c.rect, c.text, c.id);
                    break;
                case Kind::static_text:
                    add_static(ADMPoint{c.rect.top, c.rect.left}, c.text, c.id);
                    break;
                case Kind::edit:
                    add_edit(c.rect, c.id, c.min, c.max, c.value);
                    break;
                case Kind::check_box:
                    add_checkbox(c.rect, c.text, c.id, c.value != 0.0f);
                    break;
                case Kind::frame:
                    add_frame(c.rect, c.text, c.id, kEtchedFrame);
                    break;
            }
        }
        char version[64];
        std::snprintf(version, sizeof version, kVersionFormat, kProductName, kProductVersion);
        ADMItemSuite10::SetFont(add_static(ADMPoint{214, 8}, version, kVersionLine), kVersionFont);
        MoveToScreenCenter();
        // The shell shows the dialog when the command asks for it.
        ADMDialogSuite9::Show(GetDialogRef(), false);
    });
    return status;
}

void MainDlg::Enable(bool on) {
    AssistantDlg::Enable(on);
    if (on) {
        enable_distance();
        enable_camera();
    }
    for (int id : _hidden) ADMItemSuite10::Show(get_item(id), false);
}

void MainDlg::enable_distance() {
    bool const enable = !item_bool(kDistributeRandomly);
    for (int id : _distance_items) ADMItemSuite10::Enable(get_item(id), enable);
}

void MainDlg::enable_camera() { ADMItemSuite10::Enable(get_item(kCameraPopup), item_bool(kTowardsCamera)); }

void MainDlg::Notify(IADMNotifier notifier) {
    if (notifier.IsNotifierType(kADMUserChangedNotifier)) {
        ADMInt32 const id = notifier.GetItemID();
        if (id == kDistributeRandomly)
            enable_distance();
        else if (id >= kOrientXY && id <= kRandomOrientation)
            enable_camera();
    }
    AssistantDlg::Notify(notifier);
}
