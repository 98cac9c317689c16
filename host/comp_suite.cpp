// "AEGP Comp Suite" 4: compositions and their layer selection.
#include <unordered_set>

#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_GetCompFromItem(AEGP_ItemH itemH, AEGP_CompH* comp) {
    return host_call(fn("AEGP_GetCompFromItem"), arguments(itemH), [&](SuiteCall& c) -> A_Err {
        const Item* item = c.item(itemH);
        if (!item) return c.refused();
        if (item->kind != ItemKind::composition)
            return c.refuse(A_Err_PARAMETER, "itemH names a footage item, not a composition");
        if (!c.given(comp, "comp")) return c.refused();
        *comp = Host::comp_handle(item->id);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetNewCollectionFromCompSelection(AEGP_PluginID plugin, AEGP_CompH compH, AEGP_CollectionH* out) {
    return host_call(fn("AEGP_GetNewCollectionFromCompSelection"), arguments(plugin, compH),
                     [&](SuiteCall& c) -> A_Err {
                         if (!c.plugin(plugin)) return c.refused();
                         const Composition* comp = c.comp(compH);
                         if (!comp) return c.refused();
                         if (!c.given(out, "collectionH")) return c.refused();
                         std::vector<AEGP_CollectionItem> items;
                         items.reserve(comp->selection.size());
                         for (ObjectId layer : comp->selection) {
                             AEGP_CollectionItem item{};
                             item.type = AEGP_CollectionItemType_LAYER;
                             item.u.layer.layerH = Host::layer_handle(layer);
                             items.push_back(item);
                         }
                         *out = c.new_collection(plugin, std::move(items));
                         return A_Err_NONE;
                     });
}

A_Err AEGP_SetSelection(AEGP_CompH compH, AEGP_CollectionH collectionH) {
    return host_call(fn("AEGP_SetSelection"), arguments(compH, collectionH), [&](SuiteCall& c) -> A_Err {
        const Composition* comp = c.comp(compH);
        if (!comp) return c.refused();
        const Collection* collection = c.collection(collectionH);
        if (!collection) return c.refused();
        std::vector<ObjectId> selection;
        std::unordered_set<ObjectId> seen;
        for (const AEGP_CollectionItem& item : collection->items) {
            if (item.type != AEGP_CollectionItemType_LAYER) continue;
            const Layer* layer = c.layer(item.u.layer.layerH, "a layer item of collectionH");
            if (!layer) return c.refused();
            if (layer->comp != comp->item)
                return c.refuse(A_Err_PARAMETER, "a layer item of collectionH is in another composition");
            if (seen.insert(layer->id).second) selection.push_back(layer->id);
        }
        c.edit_selection(comp->item).selection = std::move(selection);
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_CompSuite4 gCompSuite4 = {AEGP_GetCompFromItem, AEGP_GetNewCollectionFromCompSelection,
                                     AEGP_SetSelection};

}  // namespace host
