// The assistant dialog's life cycle, its option readers and the offsets of its positions.
#include "adobe/AssistantDlg.h"

#include "adm/ADMSuites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/assistant_controls.h"

using namespace assistant;

AssistantDlg::AssistantDlg(int plugin_id) : plugin_id(plugin_id) {}

// Destroy gives the host's collection back when the dialog goes away. The menu
// hook keeps following the selection while there is no dialog (before the
// first window, after its panel closed), so the object can still hold one when
// it is deleted, and only the destructor is left to give that back.
AssistantDlg::~AssistantDlg() { release_selection(); }

ASErr AssistantDlg::Init() {
    ASErr result = BaseDlg::Init();
    sADMDialog->SetText(GetDialogRef(), get_name().c_str());
    MoveToScreenCenter();
    return result;
}

void AssistantDlg::sort_layers() { layers.sort(); }

bool AssistantDlg::has_item(int id) { return get_item(id) != nullptr; }

bool AssistantDlg::item_bool(int id) {
    ADMItemRef item = get_item(id);
    return item && sADMItem->GetBooleanValue(item) != 0;
}

double AssistantDlg::item_float(int id) { return sADMItem->GetFloatValue(get_item(id)); }

void AssistantDlg::enable_item(int id, bool enable) {
    if (ADMItemRef item = get_item(id)) sADMItem->Enable(item, enable);
}

// Every assistant creates the order boxes, so a missing one simply reads as off.
bool AssistantDlg::is_reverse_order() { return item_bool(kReverseOrder); }
bool AssistantDlg::is_random_order() { return item_bool(kRandomOrder); }
bool AssistantDlg::is_scale_to_fit() { return item_bool(kScaleToFit); }
bool AssistantDlg::is_repeat_seq() { return item_bool(kRepeatSequentially); }
bool AssistantDlg::is_key_pos() { return item_bool(kKeyPosition); }
bool AssistantDlg::is_key_orient() { return item_bool(kKeyOrientation); }
bool AssistantDlg::is_key_scale() { return item_bool(kKeyScale); }
bool AssistantDlg::is_orient_changed() { return !item_bool(kKeepOrientation); }
bool AssistantDlg::is_text_layer_use_comp_size() { return !item_bool(kCropTextLayers); }
bool AssistantDlg::is_distributor() { return false; }

math::TGeomVector3D<double> AssistantDlg::get_starting_point() {
    if (is_distributor()) return math::TGeomVector3D<double>(0, 0, 0);
    return math::TGeomVector3D<double>(item_float(kStartX), item_float(kStartY), item_float(kStartZ));
}

math::TGeomVector3D<double> AssistantDlg::get_offset() {
    math::TGeomVector3D<double> offset(0, 0, 0);
    // A distributor places layers around the origin and adds the starting value here.
    if (is_distributor())
        offset = math::TGeomVector3D<double>(item_float(kStartX), item_float(kStartY), item_float(kStartZ));
    if (item_bool(kUseCompCenter)) {
        offset.x += comp_width * 0.5;
        offset.y += comp_height * 0.5;
    }
    return offset;
}

A_Err AssistantDlg::OnHostHasChanged() { return fill_combo_camera(); }

void AssistantDlg::ErrorMessageBox(std::string const& message) {
    AEGP_SuiteHandler suites(sSPBasic);
    suites.UtilitySuite3()->AEGP_ReportInfo(plugin_id, message.c_str());
}
