// "AEGP Utility Suite" 3: alerts and undo groups.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_ReportInfo(AEGP_PluginID plugin, const A_char* text) {
    return host_call(fn("AEGP_ReportInfo"), arguments(plugin, text), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (!c.given(text, "text")) return c.refused();
        c.add_alert(plugin, from_mac_roman(text));
        return A_Err_NONE;
    });
}

A_Err AEGP_StartUndoGroup(const A_char* name) {
    return host_call(fn("AEGP_StartUndoGroup"), arguments(name), [&](SuiteCall& c) -> A_Err {
        if (!c.given(name, "name")) return c.refused();
        c.start_undo_group(from_mac_roman(name));
        return A_Err_NONE;
    });
}

A_Err AEGP_EndUndoGroup() {
    return host_call(fn("AEGP_EndUndoGroup"), arguments(), [&](SuiteCall& c) -> A_Err {
        if (!c.end_undo_group()) return c.refuse(A_Err_PARAMETER, "no undo group is open");
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_UtilitySuite3 gUtilitySuite3 = {AEGP_ReportInfo, AEGP_StartUndoGroup, AEGP_EndUndoGroup};

}  // namespace host
