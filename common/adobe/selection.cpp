// Following the host: the active composition, its selection and sizes, the
// scale snapshot for fitting, and what the dialog enables for them.
#include <algorithm>
#include <iterator>

#include "adm/ADMSuites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "adobe/active_comp.h"
#include "adobe/assistant_controls.h"
#include "core/boundary.h"

namespace {

// The mask bit a layer of this kind sets, or 0.
unsigned mask_bit(AEGP_ObjectType type, bool is_3d) {
    switch (type) {
        case AEGP_ObjectType_AV:
            return is_3d ? AssistantDlg::kMask3DFootage : 0;
        case AEGP_ObjectType_LIGHT:
            return AssistantDlg::kMaskLight;
        case AEGP_ObjectType_CAMERA:
            return AssistantDlg::kMaskCamera;
        case AEGP_ObjectType_TEXT:
            return is_3d ? AssistantDlg::kMask3DText : 0;
        case AEGP_ObjectType_VECTOR:
            return is_3d ? AssistantDlg::kMask3DShape : 0;
        default:
            return 0u;
    }
}

// Source areas compare as the host's 32-bit products, wrapping rather than overflowing.
A_long area(A_long width, A_long height) {
    return static_cast<A_long>(static_cast<A_u_long>(width) * static_cast<A_u_long>(height));
}

// Text layer sizing needs a host recent enough to offer this suite version.
bool host_offers_layer_suite8() {
    try {
        AEGP_SuiteHandler suites(sSPBasic);
        suites.LayerSuite8();
        return true;
    } catch (A_Err) {
        return false;
    }
}

}  // namespace

A_Err AssistantDlg::save_selection() {
    AEGP_SuiteHandler suites(sSPBasic);
    if (selection) {
        // Forgotten only once given back: a refused dispose is tried again next time.
        if (A_Err err = suites.CollectionSuite1()->AEGP_DisposeCollection(selection)) return err;
        selection = nullptr;
    }

    AEGP_ItemSuite3* items = suites.ItemSuite3();
    AEGP_ItemH item = nullptr;
    if (A_Err err = get_active_comp(suites, item, comp)) return err;
    if (!item || !comp) return A_Err_NONE;
    AEGP_CollectionH taken = nullptr;
    if (A_Err err = suites.CompSuite4()->AEGP_GetNewCollectionFromCompSelection(plugin_id, comp, &taken)) return err;
    selection = taken;

    // A failure to read the composition's size does not stop the scan below.
    A_Err result = items->AEGP_GetItemDimensions(item, &comp_width, &comp_height);

    max_width = 0;
    max_height = 0;
    LayerSet selected;
    if (!snap_selection(selected) || selected.empty()) return result;
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    for (AEGP_LayerH layer : selected) {
        A_Boolean is_3d{};
        if (A_Err err = layer_suite->AEGP_IsLayer3D(layer, &is_3d)) return err;
        if (!is_3d) continue;
        AEGP_ItemH source = nullptr;
        if (A_Err err = layer_suite->AEGP_GetLayerSourceItem(layer, &source)) return err;
        A_long w{}, h{};  // a layer without a source has no area
        if (source) {
            if (A_Err err = items->AEGP_GetItemDimensions(source, &w, &h)) return err;
        }
        // Strictly larger, so the first of two equal areas in handle order stays.
        if (area(w, h) > area(max_width, max_height)) {
            max_width = w;
            max_height = h;
        }
    }
    return A_Err_NONE;
}

bool AssistantDlg::snap_selection(LayerSet& layers_out) {
    if (!selection) return false;
    layers_out.clear();
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_CollectionSuite1* collections = suites.CollectionSuite1();
    A_u_long count{};
    if (collections->AEGP_GetCollectionNumItems(selection, &count)) return false;
    for (A_u_long i = 0; i < count; ++i) {
        AEGP_CollectionItem item{};
        if (collections->AEGP_GetCollectionItemByIndex(selection, i, &item)) return false;
        if (item.type == AEGP_CollectionItemType_LAYER) layers_out.insert(item.u.layer.layerH);
    }
    return true;
}

bool AssistantDlg::snap_selection(LayerSet& layers_out, ScaleMap& scales, SizeMap& sizes) {
    if (!snap_selection(layers_out)) return false;
    scales.clear();
    sizes.clear();
    for (AEGP_LayerH layer : layers_out) {
        LayerInfo info;
        if (collect_info(layer, info)) continue;  // a layer that cannot be read keeps no snapshot
        scales[layer] = info.scale;
        sizes[layer] = A_LPoint{info.scaled_width, info.scaled_height};
    }
    return true;
}

bool AssistantDlg::snap_comp(LayerSet& layers_out) {
    layers_out.clear();
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_ItemH item = nullptr;
    AEGP_CompH active = nullptr;
    if (get_active_comp(suites, item, active) || !active) return false;
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    A_long count{};
    if (layer_suite->AEGP_GetCompNumLayers(active, &count)) return false;
    for (A_long i = 0; i < count; ++i) {
        AEGP_LayerH layer = nullptr;
        if (layer_suite->AEGP_GetCompLayerByIndex(active, i, &layer) || !layer) return false;
        layers_out.insert(layer);
    }
    return true;
}

void AssistantDlg::restore_scale() {
    LayerSet current;
    ScaleMap current_scales;
    SizeMap current_sizes;
    if (!snap_selection(current, current_scales, current_sizes)) return;

    LayerSet common;
    std::set_intersection(saved_layers.begin(), saved_layers.end(), current.begin(), current.end(),
                          std::inserter(common, common.end()));
    // Layers that stayed selected keep the values from before the first fit.
    for (AEGP_LayerH layer : common) {
        LayerInfo* info = get_info(layer);
        auto scale = saved_scales.find(layer);
        auto size = saved_sizes.find(layer);
        if (!info || scale == saved_scales.end() || size == saved_sizes.end()) continue;
        info->scale = scale->second;
        info->scaled_width = size->second.x;
        info->scaled_height = size->second.y;
        current_scales[layer] = scale->second;
        current_sizes[layer] = size->second;
    }
    saved_scales.swap(current_scales);
    saved_sizes.swap(current_sizes);
    saved_layers.swap(current);
}

bool AssistantDlg::isCurSelectionContains(unsigned mask) {
    if (save_selection()) return false;
    LayerSet selected;
    if (!snap_selection(selected)) return false;
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_LayerSuite5* layer_suite = suites.LayerSuite5();
    bool found = false;
    for (AEGP_LayerH layer : selected) {
        AEGP_ObjectType type = AEGP_ObjectType_AV;
        A_Boolean is_3d{};
        if (layer_suite->AEGP_GetLayerObjectType(layer, &type)) continue;
        if (layer_suite->AEGP_IsLayer3D(layer, &is_3d)) continue;
        if (mask_bit(type, is_3d != 0) & mask) found = true;
    }
    return found;
}

void AssistantDlg::Destroy() {
    BaseDlg::Destroy();
    release_selection();
}

void AssistantDlg::release_selection() noexcept {
    if (!selection) return;
    // Runs while the dialog goes away: without the collection suite there is
    // nothing to give the collection back to, and nothing may escape.
    core::at_quiet_boundary([this] {
        AEGP_SuiteHandler suites(sSPBasic);
        if (suites.CollectionSuite1()->AEGP_DisposeCollection(selection) == A_Err_NONE) selection = nullptr;
    });
}

void AssistantDlg::Enable(bool on) {
    BaseDlg::Enable(on);
    if (on) enable_repeat_layers();
    if (has_item(assistant::kCropTextLayers))
        enable_item(assistant::kCropTextLayers, host_offers_layer_suite8() && max_width != 0 && max_height != 0);
}
