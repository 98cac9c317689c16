// The real plug-in module in this host: it loads, registers its command in
// the floating-window menu, opens as a panel or a window, and leaves the host
// balanced after quitting.
#include <gtest/gtest.h>

#include "host/Host.h"
#include "host/scene.h"
#include "toolkit/native.h"

namespace {

using host::Host;

const char* kMatch = "QX_Voxtrel v1.3";

AEGP_Command voxtrel_command(const Host& h) {
    for (const host::MenuItem& item : h.menus().items(AEGP_Menu_FLOATERS))
        if (item.name == "Voxtrel") return item.command;
    return 0;
}

TEST(VoxtrelModule, LoadsAndRegistersItsCommandAndHooks) {
    Host h;
    h.load_scene_text(host::scene_text(host::default_scene()));
    const host::LoadResult r = h.load_module(VOXTREL_MODULE_PATH);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_NE(voxtrel_command(h), 0);
    ASSERT_EQ(h.hooks().create_panel.size(), 1u);
    EXPECT_EQ(h.hooks().create_panel[0].match_name, kMatch);
    EXPECT_TRUE(h.alerts().empty());
    h.quit();
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

TEST(VoxtrelModule, CommandTogglesItsPanelWhereTheHostHasPanels) {
    Host h;
    h.load_scene_text(host::scene_text(host::default_scene()));
    ASSERT_TRUE(h.load_module(VOXTREL_MODULE_PATH).ok());
    const AEGP_Command command = voxtrel_command(h);
    h.update_menus();
    ASSERT_TRUE(h.command_enabled(command));
    EXPECT_TRUE(h.invoke_command(command));
    ASSERT_TRUE(h.panel_open(kMatch));
    EXPECT_EQ(h.panel_title(kMatch), "Voxtrel");
    const auto size = h.panel_size(kMatch);
    ASSERT_TRUE(size);
    EXPECT_GT(size->x, 0);
    h.idle();
    h.invoke_command(command);
    EXPECT_FALSE(h.panel_open(kMatch));
    h.quit();
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

TEST(VoxtrelModule, WithoutPanelsTheCommandShowsAFloatingWindow) {
    Host h;
    h.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    h.load_scene_text(host::scene_text(host::default_scene()));
    ASSERT_TRUE(h.load_module(VOXTREL_MODULE_PATH).ok());
    EXPECT_TRUE(h.hooks().create_panel.empty());
    const AEGP_Command command = voxtrel_command(h);
    h.update_menus();
    EXPECT_TRUE(h.invoke_command(command));
    h.update_menus();
    EXPECT_TRUE(h.menus().state(command)->checked);
    h.quit();
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

TEST(VoxtrelModule, NothingSelectedDisablesTheCommand) {
    Host h;
    h.load_scene_text(R"({"composition": {"layers": [{"type": "text", "3d": true}]}})");
    ASSERT_TRUE(h.load_module(VOXTREL_MODULE_PATH).ok());
    const AEGP_Command command = voxtrel_command(h);
    h.update_menus();
    EXPECT_FALSE(h.command_enabled(command));
    EXPECT_FALSE(h.invoke_command(command));
}

}  // namespace
