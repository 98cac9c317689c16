// The hooks plug-ins register with the host, in registration order, and the
// record of hook calls that did not return 0.
#pragma once

#include <string>
#include <vector>

#include "aegp/aegp_suites.h"

namespace host {

struct CommandHookEntry {
    AEGP_PluginID plugin;
    AEGP_HookPriority priority;
    AEGP_Command command;  // 0: every command
    AEGP_CommandHook hook;
    AEGP_CommandRefcon refcon;
};

struct UpdateMenuHookEntry {
    AEGP_PluginID plugin;
    AEGP_UpdateMenuHook hook;
    AEGP_UpdateMenuRefcon refcon;
};

struct DeathHookEntry {
    AEGP_PluginID plugin;
    AEGP_DeathHook hook;
    AEGP_DeathRefcon refcon;
};

struct IdleHookEntry {
    AEGP_PluginID plugin;
    AEGP_IdleHook hook;
    AEGP_IdleRefcon refcon;
};

struct CreatePanelHookEntry {
    AEGP_PluginID plugin;
    std::string match_name;
    AEGP_CreatePanelHook hook;
    AEGP_CreatePanelRefcon refcon;
    bool host_paints_background;
};

// A hook that returned a non-zero status: which kind ("command", "update menu",
// "idle", "death", "create panel"), for what, and the status.
struct HookFailure {
    std::string hook;
    std::string detail;
    A_Err status;
};

struct Hooks {
    std::vector<CommandHookEntry> command;
    std::vector<UpdateMenuHookEntry> update_menu;
    std::vector<DeathHookEntry> death;
    std::vector<IdleHookEntry> idle;
    std::vector<CreatePanelHookEntry> create_panel;
    std::vector<HookFailure> failures;
};

}  // namespace host
