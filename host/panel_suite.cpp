// "AEGP Workspace Panel Suite" 1: create-panel hooks, titles and toggling.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_RegisterCreatePanelHook(AEGP_PluginID plugin, const A_u_char* match_name, AEGP_CreatePanelHook hook,
                                   AEGP_CreatePanelRefcon refcon, A_Boolean host_paints_background) {
    return host_call("AEGP_RegisterCreatePanelHook", call_args(plugin, match_name, host_paints_background),
                     [&](Host& h) -> A_Err {
                         if (!match_name || !*match_name || !hook) return A_Err_PARAMETER;
                         return h.register_create_panel_hook({plugin, reinterpret_cast<const char*>(match_name),
                                                              hook, refcon, host_paints_background != 0});
                     });
}

A_Err AEGP_SetTitle(AEGP_PanelH panel, const A_u_char* title) {
    return host_call("AEGP_SetTitle", call_args(panel, title), [&](Host& h) -> A_Err {
        if (!title) return A_Err_PARAMETER;
        return h.set_panel_title(panel, reinterpret_cast<const char*>(title));
    });
}

A_Err AEGP_ToggleVisibility(const A_u_char* match_name) {
    return host_call("AEGP_ToggleVisibility", call_args(match_name), [&](Host& h) -> A_Err {
        if (!match_name) return A_Err_PARAMETER;
        return h.toggle_panel(reinterpret_cast<const char*>(match_name));
    });
}

}  // namespace

const AEGP_PanelSuite1 gPanelSuite1 = {AEGP_RegisterCreatePanelHook, AEGP_SetTitle, AEGP_ToggleVisibility};

}  // namespace host
