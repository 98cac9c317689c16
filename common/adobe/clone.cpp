// Repeats: extra rounds of records for the selected layers, and a fresh
// duplicate layer for each of them while writing.
#include <algorithm>
#include <iterator>

#include "adm/ADMSuites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "adobe/assistant_controls.h"

using namespace assistant;

namespace {

// The host's Duplicate command (Edit menu): duplicates the selected layers.
constexpr AEGP_Command kDuplicateCommand = 2080;

// A one-layer collection that is given back to the host however the attempt ends.
class ScopedCollection {
public:
    ScopedCollection(AEGP_CollectionSuite1* suite, AEGP_CollectionH collection)
        : suite(suite), collection(collection) {}
    ~ScopedCollection() { dispose(); }

    ScopedCollection(ScopedCollection const&) = delete;
    ScopedCollection& operator=(ScopedCollection const&) = delete;

    void dispose() {
        if (collection) suite->AEGP_DisposeCollection(collection);
        collection = nullptr;
    }

private:
    AEGP_CollectionSuite1* suite;
    AEGP_CollectionH collection;
};

}  // namespace

void AssistantDlg::constrain_layers() {
    if (!item_bool(kRepeatLayers) || !has_item(kRepeatCount)) return;
    LayerList round(layers);
    for (LayerInfo& record : round) record.clone = true;
    // Every copy names a selected layer, so duplicates are never made from duplicates.
    A_long const count = sADMItem->GetIntValue(get_item(kRepeatCount));
    for (A_long i = 0; i < count; ++i) layers.insert(layers.end(), round.begin(), round.end());
}

void AssistantDlg::enable_repeat_layers() {
    if (!has_item(kRepeatLayers)) return;
    bool const on = item_bool(kRepeatLayers);
    enable_item(kRepeatCount, on);
    enable_item(kRepeatSequentially, on);
}

bool AssistantDlg::clone_attr(LayerList::iterator record) {
    record->layer = clone(record->layer);
    return record->layer != nullptr;
}

// "Repeat Sequentially" moves each duplicate to the bottom of the stack on both
// duplication paths, so the checkbox means the same whatever the host offers.
AEGP_LayerH AssistantDlg::clone(AEGP_LayerH layer) {
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_LayerSuite10* duplicating = nullptr;
    try {
        duplicating = suites.LayerSuite10();
    } catch (A_Err) {
        return clonePre65(layer);  // an older host: go through its Duplicate command
    }
    AEGP_LayerH duplicate = nullptr;
    if (duplicating->AEGP_DuplicateLayer(layer, &duplicate) || !duplicate) return nullptr;
    if (is_repeat_seq()) {
        A_long count{};
        if (suites.LayerSuite5()->AEGP_GetCompNumLayers(comp, &count) == A_Err_NONE) move_to_bottom(duplicate, count);
    }
    return duplicate;
}

AEGP_LayerH AssistantDlg::clonePre65(AEGP_LayerH layer) {
    AEGP_SuiteHandler suites(sSPBasic);
    AEGP_CollectionSuite1* collections = suites.CollectionSuite1();
    AEGP_CollectionH made = nullptr;
    if (collections->AEGP_NewCollection(plugin_id, &made) || !made) return nullptr;
    ScopedCollection only_layer(collections, made);

    AEGP_CollectionItem item{};
    item.type = AEGP_CollectionItemType_LAYER;
    item.u.layer.layerH = layer;
    if (collections->AEGP_CollectionPushBack(made, &item)) return nullptr;
    // The command duplicates whatever is selected, so select exactly this layer.
    if (suites.CompSuite4()->AEGP_SetSelection(comp, made)) return nullptr;

    LayerSet before;
    LayerSet after;
    if (!snap_comp(before)) return nullptr;
    if (suites.CommandSuite1()->AEGP_DoCommand(kDuplicateCommand)) return nullptr;
    if (!snap_comp(after)) return nullptr;
    LayerSet made_layers;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::inserter(made_layers, made_layers.end()));
    only_layer.dispose();

    if (made_layers.empty()) return nullptr;
    AEGP_LayerH duplicate = *made_layers.begin();
    if (is_repeat_seq()) move_to_bottom(duplicate, static_cast<A_long>(after.size()));
    return duplicate;
}

void AssistantDlg::move_to_bottom(AEGP_LayerH layer, A_long layer_count) {
    AEGP_SuiteHandler suites(sSPBasic);
    suites.LayerSuite5()->AEGP_ReorderLayer(layer, layer_count - 1);
}
