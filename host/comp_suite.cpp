// "AEGP Comp Suite" 4: compositions and their layer selection.
#include <algorithm>

#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_GetCompFromItem(AEGP_ItemH itemH, AEGP_CompH* comp) {
    return host_call("AEGP_GetCompFromItem", call_args(itemH), [&](Host& h) -> A_Err {
        const Item* item = resolve(h, itemH);
        if (!item || !comp || item->kind != ItemKind::composition) return A_Err_PARAMETER;
        *comp = Host::comp_handle(item->id);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetNewCollectionFromCompSelection(AEGP_PluginID plugin, AEGP_CompH compH, AEGP_CollectionH* out) {
    return host_call("AEGP_GetNewCollectionFromCompSelection", call_args(plugin, compH), [&](Host& h) -> A_Err {
        const Composition* comp = resolve(h, compH);
        if (!comp || !out) return A_Err_PARAMETER;
        std::vector<AEGP_CollectionItem> items;
        for (ObjectId layer : comp->selection) {
            AEGP_CollectionItem item{};
            item.type = AEGP_CollectionItemType_LAYER;
            item.u.layer.layerH = Host::layer_handle(layer);
            items.push_back(item);
        }
        *out = make_handle<AEGP_CollectionH>(HandleKind::collection, h.new_collection(plugin, std::move(items)));
        return A_Err_NONE;
    });
}

A_Err AEGP_SetSelection(AEGP_CompH compH, AEGP_CollectionH collectionH) {
    return host_call("AEGP_SetSelection", call_args(compH, collectionH), [&](Host& h) -> A_Err {
        Composition* comp = resolve(h, compH);
        const Collection* collection = resolve(h, collectionH);
        if (!comp || !collection) return A_Err_PARAMETER;
        std::vector<ObjectId> selection;
        for (const AEGP_CollectionItem& item : collection->items) {
            if (item.type != AEGP_CollectionItemType_LAYER) continue;
            const Layer* layer = resolve(h, item.u.layer.layerH);
            if (!layer || layer->comp != comp->item) return A_Err_PARAMETER;
            if (std::find(selection.begin(), selection.end(), layer->id) == selection.end())
                selection.push_back(layer->id);
        }
        comp->selection = std::move(selection);
        h.project_changed();
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_CompSuite4 gCompSuite4 = {AEGP_GetCompFromItem, AEGP_GetNewCollectionFromCompSelection,
                                     AEGP_SetSelection};

}  // namespace host
