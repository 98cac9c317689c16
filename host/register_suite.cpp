// "AEGP Register Suite" 1: command, update-menu, death and idle hooks.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_RegisterCommandHook(AEGP_PluginID plugin, AEGP_HookPriority priority, AEGP_Command command,
                               AEGP_CommandHook hook, AEGP_CommandRefcon refcon) {
    return host_call("AEGP_RegisterCommandHook", call_args(plugin, priority, command), [&](Host& h) -> A_Err {
        if (!hook || (priority != AEGP_HP_BeforeAE && priority != AEGP_HP_AfterAE)) return A_Err_PARAMETER;
        if (command != 0 && !h.menu_registry().known(command)) return A_Err_PARAMETER;
        h.hook_registry().command.push_back({plugin, priority, command, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterUpdateMenuHook(AEGP_PluginID plugin, AEGP_UpdateMenuHook hook, AEGP_UpdateMenuRefcon refcon) {
    return host_call("AEGP_RegisterUpdateMenuHook", call_args(plugin), [&](Host& h) -> A_Err {
        if (!hook) return A_Err_PARAMETER;
        h.hook_registry().update_menu.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterDeathHook(AEGP_PluginID plugin, AEGP_DeathHook hook, AEGP_DeathRefcon refcon) {
    return host_call("AEGP_RegisterDeathHook", call_args(plugin), [&](Host& h) -> A_Err {
        if (!hook) return A_Err_PARAMETER;
        h.hook_registry().death.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterIdleHook(AEGP_PluginID plugin, AEGP_IdleHook hook, AEGP_IdleRefcon refcon) {
    return host_call("AEGP_RegisterIdleHook", call_args(plugin), [&](Host& h) -> A_Err {
        if (!hook) return A_Err_PARAMETER;
        h.hook_registry().idle.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_RegisterSuite1 gRegisterSuite1 = {AEGP_RegisterCommandHook, AEGP_RegisterUpdateMenuHook,
                                             AEGP_RegisterDeathHook, AEGP_RegisterIdleHook};

}  // namespace host
