// What the entry point tells the user and which hooks it leaves registered
// when the host refuses one of its calls. The statuses it returns and what it
// gives back are checked for every call by voxtrel-host --validate.
#include <ostream>
#include <string>
#include <vector>

#include "plugin_host.h"

namespace {

using Texts = std::vector<std::string>;

constexpr A_Err kRefused = 7;

struct Refusal {
    char const* function;
    long nth;
    bool report_refused;  // the first report is refused too
    Texts alerts;
    std::size_t command_hooks, update_menu_hooks, idle_hooks, panel_hooks, death_hooks;
};

void PrintTo(Refusal const& row, std::ostream* out) {
    *out << row.function << " #" << row.nth << (row.report_refused ? " and its report" : "");
}

class EntryFailureTest : public PluginHostTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(EntryFailureTest, IsReportedAndStopsWhereItPromises) {
    Refusal const& row = GetParam();
    host.calls().fail_function(row.function, row.nth, kRefused);
    if (row.report_refused) host.calls().fail_function("AEGP_ReportInfo", 1, kRefused);
    load();
    EXPECT_EQ(alert_texts(), row.alerts);
    EXPECT_EQ(host.hooks().command.size(), row.command_hooks);
    EXPECT_EQ(host.hooks().update_menu.size(), row.update_menu_hooks);
    EXPECT_EQ(host.hooks().idle.size(), row.idle_hooks);
    EXPECT_EQ(host.hooks().create_panel.size(), row.panel_hooks);
    EXPECT_EQ(host.hooks().death.size(), row.death_hooks);
    // Without a command number the command goes in no menu, and no command
    // hook is registered that would see every host command.
    if (std::string(row.function) == "AEGP_GetUniqueCommand") {
        EXPECT_TRUE(host.menus().items(AEGP_Menu_FLOATERS).empty());
        for (host::CommandHookEntry const& hook : host.hooks().command) EXPECT_EQ(hook.command, 0);
    }
}

Texts const kDeath = {"Could not register death hook."};
Texts const kMenu = {"Could not add menu item."};
Texts const kCommand = {"Could not register command hook."};

INSTANTIATE_TEST_SUITE_P(
    EachRefusal, EntryFailureTest,
    ::testing::Values(Refusal{"AEGP_RegisterDeathHook", 1, false, kDeath, 0, 0, 0, 0, 0},
                      Refusal{"AEGP_GetUniqueCommand", 1, false, kMenu, 1, 1, 1, 1, 1},
                      Refusal{"AEGP_GetUniqueCommand", 1, true, kCommand, 0, 0, 0, 0, 1},
                      Refusal{"AEGP_InsertMenuCommand", 1, false, kCommand, 0, 0, 0, 0, 1},
                      Refusal{"AEGP_RegisterCommandHook", 1, false, kCommand, 0, 0, 0, 0, 1},
                      Refusal{"AEGP_RegisterCommandHook", 2, false, kCommand, 1, 0, 0, 0, 1},
                      Refusal{"AEGP_RegisterUpdateMenuHook", 1, false, kCommand, 2, 0, 0, 0, 1},
                      Refusal{"AEGP_RegisterIdleHook", 1, false, kCommand, 2, 1, 0, 0, 1},
                      Refusal{"AEGP_RegisterCreatePanelHook", 1, false, kCommand, 2, 1, 1, 0, 1}));

}  // namespace
