// "AEGP Collection Suite" 1: collections of layers (and other items).
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_NewCollection(AEGP_PluginID plugin, AEGP_CollectionH* out) {
    return host_call(fn("AEGP_NewCollection"), arguments(plugin), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (!c.given(out, "collectionH")) return c.refused();
        *out = c.new_collection(plugin, {});
        return A_Err_NONE;
    });
}

A_Err AEGP_DisposeCollection(AEGP_CollectionH collectionH) {
    return host_call(fn("AEGP_DisposeCollection"), arguments(collectionH), [&](SuiteCall& c) -> A_Err {
        if (!c.collection(collectionH)) return c.refused();
        c.dispose_collection(collectionH);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCollectionNumItems(AEGP_CollectionH collectionH, A_u_long* count) {
    return host_call(fn("AEGP_GetCollectionNumItems"), arguments(collectionH), [&](SuiteCall& c) -> A_Err {
        const Collection* collection = c.collection(collectionH);
        if (!collection) return c.refused();
        if (!c.given(count, "num_items")) return c.refused();
        *count = static_cast<A_u_long>(collection->items.size());
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCollectionItemByIndex(AEGP_CollectionH collectionH, A_u_long index, AEGP_CollectionItem* item) {
    return host_call(fn("AEGP_GetCollectionItemByIndex"), arguments(collectionH, index), [&](SuiteCall& c) -> A_Err {
        const Collection* collection = c.collection(collectionH);
        if (!collection) return c.refused();
        if (index >= collection->items.size())
            return c.refuse(A_Err_PARAMETER, "index " + std::to_string(index) + " is not below the " +
                                                 std::to_string(collection->items.size()) + " items");
        if (!c.given(item, "item")) return c.refused();
        *item = collection->items[index];
        return A_Err_NONE;
    });
}

A_Err AEGP_CollectionPushBack(AEGP_CollectionH collectionH, const AEGP_CollectionItem* item) {
    return host_call(fn("AEGP_CollectionPushBack"), arguments(collectionH, item), [&](SuiteCall& c) -> A_Err {
        Collection* collection = c.collection(collectionH);
        if (!collection) return c.refused();
        if (!c.given(item, "item")) return c.refused();
        if (item->type < AEGP_CollectionItemType_LAYER || item->type > AEGP_CollectionItemType_STREAM)
            return c.refuse(A_Err_PARAMETER, "item's type " + std::to_string(item->type) +
                                                 " is no kind of item (1 layer, 2 mask, 3 effect, 4 stream)");
        // Every kind of item names its layer first.
        if (!c.layer(item->u.layer.layerH, "item's layerH")) return c.refused();
        collection->items.push_back(*item);
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_CollectionSuite1 gCollectionSuite1 = {AEGP_NewCollection, AEGP_DisposeCollection,
                                                 AEGP_GetCollectionNumItems, AEGP_GetCollectionItemByIndex,
                                                 AEGP_CollectionPushBack};

}  // namespace host
