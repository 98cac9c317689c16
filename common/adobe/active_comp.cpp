#include "adobe/active_comp.h"

A_Err get_active_comp(AEGP_SuiteHandler& suites, AEGP_ItemH& item, AEGP_CompH& comp) {
    item = nullptr;
    AEGP_ItemH active = nullptr;
    if (A_Err err = suites.ItemSuite3()->AEGP_GetActiveItem(&active)) return err;
    if (!active) return A_Err_NONE;
    AEGP_ItemType type = AEGP_ItemType_NONE;
    if (A_Err err = suites.ItemSuite3()->AEGP_GetItemType(active, &type)) return err;
    if (type != AEGP_ItemType_COMP) return A_Err_NONE;
    item = active;
    return suites.CompSuite4()->AEGP_GetCompFromItem(item, &comp);
}
