// "AEGP Collection Suite" 1: collections of layers (and other items).
#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_NewCollection(AEGP_PluginID plugin, AEGP_CollectionH* out) {
    return host_call("AEGP_NewCollection", call_args(plugin), [&](Host& h) -> A_Err {
        if (!out) return A_Err_PARAMETER;
        *out = make_handle<AEGP_CollectionH>(HandleKind::collection, h.new_collection(plugin, {}));
        return A_Err_NONE;
    });
}

A_Err AEGP_DisposeCollection(AEGP_CollectionH collectionH) {
    return host_call("AEGP_DisposeCollection", call_args(collectionH), [&](Host& h) -> A_Err {
        if (!resolve(h, collectionH)) return A_Err_PARAMETER;
        h.collections().erase(*handle_id(collectionH, HandleKind::collection));
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCollectionNumItems(AEGP_CollectionH collectionH, A_u_long* count) {
    return host_call("AEGP_GetCollectionNumItems", call_args(collectionH), [&](Host& h) -> A_Err {
        const Collection* collection = resolve(h, collectionH);
        if (!collection || !count) return A_Err_PARAMETER;
        *count = static_cast<A_u_long>(collection->items.size());
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCollectionItemByIndex(AEGP_CollectionH collectionH, A_u_long index, AEGP_CollectionItem* item) {
    return host_call("AEGP_GetCollectionItemByIndex", call_args(collectionH, index), [&](Host& h) -> A_Err {
        const Collection* collection = resolve(h, collectionH);
        if (!collection || !item || index >= collection->items.size()) return A_Err_PARAMETER;
        *item = collection->items[index];
        return A_Err_NONE;
    });
}

A_Err AEGP_CollectionPushBack(AEGP_CollectionH collectionH, const AEGP_CollectionItem* item) {
    return host_call("AEGP_CollectionPushBack", call_args(collectionH), [&](Host& h) -> A_Err {
        Collection* collection = resolve(h, collectionH);
        if (!collection || !item) return A_Err_PARAMETER;
        if (item->type < AEGP_CollectionItemType_LAYER || item->type > AEGP_CollectionItemType_STREAM)
            return A_Err_PARAMETER;
        // Every kind of item names its layer first.
        if (!resolve(h, item->u.layer.layerH)) return A_Err_PARAMETER;
        collection->items.push_back(*item);
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_CollectionSuite1 gCollectionSuite1 = {AEGP_NewCollection, AEGP_DisposeCollection,
                                                 AEGP_GetCollectionNumItems, AEGP_GetCollectionItemByIndex,
                                                 AEGP_CollectionPushBack};

}  // namespace host
