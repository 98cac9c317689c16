// "AEGP Register Suite" 1: command, update-menu, death and idle hooks.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_RegisterCommandHook(AEGP_PluginID plugin, AEGP_HookPriority priority, AEGP_Command command,
                               AEGP_CommandHook hook, AEGP_CommandRefcon refcon) {
    return host_call(fn("AEGP_RegisterCommandHook"), arguments(plugin, priority, command), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (priority != AEGP_HP_BeforeAE && priority != AEGP_HP_AfterAE)
            return c.refuse(A_Err_PARAMETER, "priority " + std::to_string(priority) +
                                                 " is neither before the host (1) nor after it (2)");
        if (command != 0 && !c.menus().known(command))
            return c.refuse(A_Err_PARAMETER, "command " + std::to_string(command) +
                                                 " was never given out (0 asks for every command)");
        if (!c.given(hook, "hook")) return c.refused();
        c.hooks().command.push_back({plugin, priority, command, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterUpdateMenuHook(AEGP_PluginID plugin, AEGP_UpdateMenuHook hook, AEGP_UpdateMenuRefcon refcon) {
    return host_call(fn("AEGP_RegisterUpdateMenuHook"), arguments(plugin), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (!c.given(hook, "hook")) return c.refused();
        c.hooks().update_menu.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterDeathHook(AEGP_PluginID plugin, AEGP_DeathHook hook, AEGP_DeathRefcon refcon) {
    return host_call(fn("AEGP_RegisterDeathHook"), arguments(plugin), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (!c.given(hook, "hook")) return c.refused();
        c.hooks().death.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

A_Err AEGP_RegisterIdleHook(AEGP_PluginID plugin, AEGP_IdleHook hook, AEGP_IdleRefcon refcon) {
    return host_call(fn("AEGP_RegisterIdleHook"), arguments(plugin), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        if (!c.given(hook, "hook")) return c.refused();
        c.hooks().idle.push_back({plugin, hook, refcon});
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_RegisterSuite1 gRegisterSuite1 = {AEGP_RegisterCommandHook, AEGP_RegisterUpdateMenuHook,
                                             AEGP_RegisterDeathHook, AEGP_RegisterIdleHook};

}  // namespace host
