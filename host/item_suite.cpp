// "AEGP Item Suite" 3: the active item, item types and dimensions.
#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_GetActiveItem(AEGP_ItemH* item) {
    return host_call("AEGP_GetActiveItem", "", [&](Host& h) -> A_Err {
        if (!item) return A_Err_PARAMETER;
        const ObjectId active = h.project().active_item;
        *item = h.project().item(active) ? Host::item_handle(active) : nullptr;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetItemType(AEGP_ItemH itemH, AEGP_ItemType* type) {
    return host_call("AEGP_GetItemType", call_args(itemH), [&](Host& h) -> A_Err {
        const Item* item = resolve(h, itemH);
        if (!item || !type) return A_Err_PARAMETER;
        *type = item->kind == ItemKind::composition ? AEGP_ItemType_COMP : AEGP_ItemType_FOOTAGE;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetItemDimensions(AEGP_ItemH itemH, A_long* width, A_long* height) {
    return host_call("AEGP_GetItemDimensions", call_args(itemH), [&](Host& h) -> A_Err {
        const Item* item = resolve(h, itemH);
        if (!item || !width || !height) return A_Err_PARAMETER;
        *width = item->width;
        *height = item->height;
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_ItemSuite3 gItemSuite3 = {AEGP_GetActiveItem, AEGP_GetItemType, AEGP_GetItemDimensions};

}  // namespace host
