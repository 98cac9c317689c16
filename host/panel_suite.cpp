// "AEGP Workspace Panel Suite" 1: create-panel hooks, titles and toggling.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

std::string text_of(const A_u_char* text) { return from_mac_roman(reinterpret_cast<const char*>(text)); }

A_Err AEGP_RegisterCreatePanelHook(AEGP_PluginID plugin, const A_u_char* match_name, AEGP_CreatePanelHook hook,
                                   AEGP_CreatePanelRefcon refcon, A_Boolean host_paints_background) {
    return host_call(fn("AEGP_RegisterCreatePanelHook"), arguments(plugin, match_name, host_paints_background),
                     [&](SuiteCall& c) -> A_Err {
                         if (!c.plugin(plugin)) return c.refused();
                         if (!c.given(match_name, "match_name")) return c.refused();
                         if (!*match_name) return c.refuse(A_Err_PARAMETER, "match_name is empty");
                         if (!c.given(hook, "hook")) return c.refused();
                         return c.register_create_panel_hook(
                             {plugin, text_of(match_name), hook, refcon, host_paints_background != 0});
                     });
}

A_Err AEGP_SetTitle(AEGP_PanelH panel, const A_u_char* title) {
    return host_call(fn("AEGP_SetTitle"), arguments(panel, title), [&](SuiteCall& c) -> A_Err {
        if (!c.given(panel, "panelH")) return c.refused();
        const auto id = handle_id(panel, HandleKind::panel);
        if (!id) return c.refuse(A_Err_PARAMETER, "panelH is not a panel handle");
        if (!c.given(title, "title")) return c.refused();
        return c.set_panel_title(*id, text_of(title));
    });
}

A_Err AEGP_ToggleVisibility(const A_u_char* match_name) {
    return host_call(fn("AEGP_ToggleVisibility"), arguments(match_name), [&](SuiteCall& c) -> A_Err {
        if (!c.given(match_name, "match_name")) return c.refused();
        return c.toggle_panel(text_of(match_name));
    });
}

}  // namespace

const AEGP_PanelSuite1 gPanelSuite1 = {AEGP_RegisterCreatePanelHook, AEGP_SetTitle, AEGP_ToggleVisibility};

}  // namespace host
