// "AEGP Utility Suite" 3: alerts and undo groups.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_ReportInfo(AEGP_PluginID plugin, const A_char* text) {
    return host_call("AEGP_ReportInfo", call_args(plugin, text), [&](Host& h) -> A_Err {
        if (!text) return A_Err_PARAMETER;
        h.add_alert(plugin, text);
        return A_Err_NONE;
    });
}

A_Err AEGP_StartUndoGroup(const A_char* name) {
    return host_call("AEGP_StartUndoGroup", call_args(name), [&](Host& h) -> A_Err {
        if (!name) return A_Err_PARAMETER;
        return h.start_undo_group(name);
    });
}

A_Err AEGP_EndUndoGroup() {
    return host_call("AEGP_EndUndoGroup", "", [&](Host& h) { return h.end_undo_group(); });
}

}  // namespace

const AEGP_UtilitySuite3 gUtilitySuite3 = {AEGP_ReportInfo, AEGP_StartUndoGroup, AEGP_EndUndoGroup};

}  // namespace host
