// "AEGP Item Suite" 3: the active item, item types and dimensions.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_GetActiveItem(AEGP_ItemH* item) {
    return host_call(fn("AEGP_GetActiveItem"), arguments(), [&](SuiteCall& c) -> A_Err {
        if (!c.given(item, "item")) return c.refused();
        const ObjectId active = c.project().active_item;
        *item = c.project().item(active) ? Host::item_handle(active) : nullptr;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetItemType(AEGP_ItemH itemH, AEGP_ItemType* type) {
    return host_call(fn("AEGP_GetItemType"), arguments(itemH), [&](SuiteCall& c) -> A_Err {
        const Item* item = c.item(itemH);
        if (!item) return c.refused();
        if (!c.given(type, "type")) return c.refused();
        *type = item->kind == ItemKind::composition ? AEGP_ItemType_COMP : AEGP_ItemType_FOOTAGE;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetItemDimensions(AEGP_ItemH itemH, A_long* width, A_long* height) {
    return host_call(fn("AEGP_GetItemDimensions"), arguments(itemH), [&](SuiteCall& c) -> A_Err {
        const Item* item = c.item(itemH);
        if (!item) return c.refused();
        if (!c.given(width, "width")) return c.refused();
        if (!c.given(height, "height")) return c.refused();
        *width = item->width;
        *height = item->height;
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_ItemSuite3 gItemSuite3 = {AEGP_GetActiveItem, AEGP_GetItemType, AEGP_GetItemDimensions};

}  // namespace host
