#include <string>
#include <vector>

#include "plugin_host.h"

namespace {

using Names = std::vector<std::string>;

class EntryTest : public PluginHostTest {};

TEST_F(EntryTest, RegistersEverythingInOrder) {
    host::LoadResult const result = load();
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.status, 0);

    EXPECT_EQ(calls_without_suites(),
              (Names{"AEGP_RegisterDeathHook", "AEGP_GetUniqueCommand", "AEGP_InsertMenuCommand",
                     "AEGP_RegisterCommandHook", "AEGP_RegisterCommandHook", "AEGP_RegisterUpdateMenuHook",
                     "AEGP_RegisterIdleHook", "AEGP_RegisterCreatePanelHook"}));
    // init takes the long-lived suites after the death hook and before the menu.
    std::size_t const death = position_of("AEGP_RegisterDeathHook");
    std::size_t const panel = position_of("AcquireSuite", "\"AEGP Workspace Panel Suite\", 1");
    std::size_t const app = position_of("AcquireSuite", "\"PF AE App Suite\", 2");
    std::size_t const command = position_of("AEGP_GetUniqueCommand");
    EXPECT_LT(death, panel);
    EXPECT_LT(panel, app);
    EXPECT_LT(app, command);
    EXPECT_TRUE(host.alerts().empty());
}

TEST_F(EntryTest, HooksAndMenuCommandAreRegisteredForTheRightCommandsAndName) {
    ASSERT_TRUE(load().ok());
    auto const& issued = host.menus().issued();
    ASSERT_EQ(issued.size(), 1u);
    AEGP_Command const command = issued[0];

    auto const& hooks = host.hooks();
    ASSERT_EQ(hooks.command.size(), 2u);
    EXPECT_EQ(hooks.command[0].command, command);
    EXPECT_EQ(hooks.command[0].priority, AEGP_HP_BeforeAE);
    EXPECT_EQ(hooks.command[1].command, 0);
    EXPECT_EQ(hooks.command[1].priority, AEGP_HP_BeforeAE);
    EXPECT_NE(hooks.command[0].hook, hooks.command[1].hook);
    EXPECT_EQ(hooks.death.size(), 1u);
    EXPECT_EQ(hooks.update_menu.size(), 1u);
    EXPECT_EQ(hooks.idle.size(), 1u);
    ASSERT_EQ(hooks.create_panel.size(), 1u);
    EXPECT_EQ(hooks.create_panel[0].match_name, "QX_Voxtrel v1.3");
    EXPECT_TRUE(hooks.create_panel[0].host_paints_background);
    for (auto const& entry : hooks.command) EXPECT_EQ(entry.refcon, nullptr);
    EXPECT_EQ(hooks.death[0].refcon, nullptr);

    // The command sits at the bottom of the floating-window menu.
    EXPECT_EQ(host.menus().menu_of(command), AEGP_Menu_FLOATERS);
    EXPECT_EQ(host.menus().name_of(command), "Voxtrel");
    auto const& items = host.menus().items(AEGP_Menu_FLOATERS);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().command, command);
}

TEST_F(EntryTest, HostWithoutWorkspacePanelsRegistersNoPanelHook) {
    host.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(host.hooks().command.size(), 2u);
    EXPECT_EQ(host.hooks().update_menu.size(), 1u);
    EXPECT_EQ(host.hooks().idle.size(), 1u);
    EXPECT_TRUE(host.hooks().create_panel.empty());
    EXPECT_TRUE(host.alerts().empty());

    expect_balanced_after_quit();
    EXPECT_EQ(host.suites().releases(kPFAppSuite, kPFAppSuiteVersion2), 1);
}

TEST_F(EntryTest, HoldsOnlyTheLongLivedSuitesUntilQuit) {
    ASSERT_TRUE(load().ok());
    std::map<host::SuiteKey, long> const held = host.suites().outstanding();
    EXPECT_EQ(held, (std::map<host::SuiteKey, long>{{{kAEGPWorkspacePanelSuite, 1}, 1}, {{kPFAppSuite, 2}, 1}}));
    EXPECT_EQ(host.suites().acquisitions(kAEGPRegisterSuite, 1), 1);

    expect_balanced_after_quit();
    EXPECT_EQ(host.suites().releases(kAEGPWorkspacePanelSuite, 1), 1);
    EXPECT_EQ(host.suites().releases(kPFAppSuite, 2), 1);
}

}  // namespace
