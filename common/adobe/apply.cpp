// One application of the assistant: capture the selected 3D layers, let the
// assistant place them, and write the results inside one undo group.
#include <ctime>
#include <iterator>
#include <vector>

#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "adobe/StreamValue.h"
#include "math/random.h"

namespace {

// Closes the undo group on every way out of an application, exceptions included.
class UndoGroup {
public:
    explicit UndoGroup(AEGP_UtilitySuite3* utility) : utility(utility) {}
    ~UndoGroup() { utility->AEGP_EndUndoGroup(); }

    UndoGroup(UndoGroup const&) = delete;
    UndoGroup& operator=(UndoGroup const&) = delete;

private:
    AEGP_UtilitySuite3* utility;
};

bool is_placeable(AEGP_ObjectType type) {
    return type == AEGP_ObjectType_AV || type == AEGP_ObjectType_TEXT || type == AEGP_ObjectType_VECTOR;
}

// Opens one stream, keys it first when asked, and sets the value. The statuses
// are not looked at: a write the host refuses leaves that one stream as it was,
// and the layer's other streams and the other layers are still written.
void write_stream(int plugin_id, AssistantDlg::LayerInfo const& record, AEGP_LayerStream which, bool key,
                  AEGP_StreamValue value) {
    StreamValue stream(plugin_id, record.layer, which);
    if (key) stream.insert_key(record.time, AEGP_LTimeMode_CompTime);
    stream.set_value(value);
}

}  // namespace

A_Err AssistantDlg::apply_assistant() {
    int const combo_id = get_combo_id();
    math::SetRand(static_cast<long>(static_cast<A_long>(std::time(nullptr))));

    if (A_Err err = save_selection()) return err;

    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_UtilitySuite3* utility = suites.UtilitySuite3();
    if (A_Err err = utility->AEGP_StartUndoGroup(get_name().c_str())) return err;
    UndoGroup group(utility);

    if (!selection) return A_Err_NONE;  // no active composition: nothing is selected
    AEGP_CollectionSuite1* collections = suites.CollectionSuite1();
    A_u_long count{};
    if (A_Err err = collections->AEGP_GetCollectionNumItems(selection, &count)) return err;
    if (count == 0) return A_Err_NONE;

    layers.clear();
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    for (A_u_long i = 0; i < count; ++i) {
        AEGP_CollectionItem item{};
        if (A_Err err = collections->AEGP_GetCollectionItemByIndex(selection, i, &item)) return err;
        if (item.type != AEGP_CollectionItemType_LAYER) continue;
        AEGP_LayerH layer = item.u.layer.layerH;
        AEGP_ObjectType type = AEGP_ObjectType_AV;
        if (A_Err err = layer_suite->AEGP_GetLayerObjectType(layer, &type)) return err;
        if (!is_placeable(type)) continue;
        A_Boolean is_3d{};
        if (A_Err err = layer_suite->AEGP_IsLayer3D(layer, &is_3d)) return err;
        if (!is_3d) continue;
        LayerInfo record;
        if (A_Err err = collect_info(layer, record)) return err;
        record.sel_index = static_cast<A_long>(i);
        layers.push_back(record);
    }

    if (combo_id != -1) {
        if (A_Err err = get_camera_orientation()) return err;
    }

    sort_layers();
    if (is_reverse_order()) layers.reverse();
    if (is_random_order()) {
        std::vector<LayerInfo> pool(layers.begin(), layers.end());
        layers.clear();
        while (!pool.empty()) {
            unsigned long const k = static_cast<unsigned long>(math::LRand()) % pool.size();
            layers.push_back(pool[k]);
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }

    // Fitting always starts from the scales the layers had before the first fit.
    if (is_scale_to_fit()) {
        if (scaled) {
            restore_scale();
        } else {
            snap_selection(saved_layers, saved_scales, saved_sizes);
            scaled = true;
        }
    } else if (scaled) {
        scaled = false;
        restore_scale();
    }

    A_Err err = get_layers_pos();
    if (!err) err = apply_to_layers();
    return err;
}

A_Err AssistantDlg::apply_to_layers() {
    bool const orient = is_orient_changed();
    math::TGeomVector3D<double> const offset = get_offset();

    for (auto record = layers.begin(); record != layers.end(); ++record) {
        if (record->clone && !clone_attr(record)) continue;

        if (orient) {
            // The combined rotation goes to Orientation alone.
            AEGP_StreamValue const zero{};
            write_stream(plugin_id, *record, AEGP_LayerStream_ROTATE_X, false, zero);
            write_stream(plugin_id, *record, AEGP_LayerStream_ROTATE_Y, false, zero);
            write_stream(plugin_id, *record, AEGP_LayerStream_ROTATION, false, zero);
            write_stream(plugin_id, *record, AEGP_LayerStream_ORIENTATION, is_key_orient(), record->orientation);
        }

        AEGP_StreamValue position = record->position;
        position.val.three_d.x += offset.x;
        position.val.three_d.y += offset.y;
        position.val.three_d.z += offset.z;
        write_stream(plugin_id, *record, AEGP_LayerStream_POSITION, is_key_pos(), position);
        write_stream(plugin_id, *record, AEGP_LayerStream_SCALE, is_key_scale(), record->scale);
    }
    return A_Err_NONE;
}
