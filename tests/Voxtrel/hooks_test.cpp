// The shell's hooks against the simulated host, through the plug-in's real
// entry point: the menu item, the window, the panel and idle refreshes.
#include <gtest/gtest.h>

#include "dialog_host.h"

namespace {

using Hooks = DialogHostTest;

constexpr char kCropText[] = "Crop Text Layers To Size Of Other 3D Layers";

std::string scene_selecting(std::string const& selection) {
    return R"({"composition": {"name": "Main", "width": 1920, "height": 1080, "frame_rate": 30, "time": 0,
      "layers": [
        {"name": "Camera", "type": "camera", "3d": true, "anchor": [960, 540, 0], "position": [960, 540, -2666.7]},
        {"name": "Light", "type": "light", "3d": true},
        {"name": "Flat", "type": "footage", "source": [100, 100]},
        {"name": "Title", "type": "text", "3d": true}],
      "selection": )" + selection + "}, \"active\": true}";
}

TEST_F(Hooks, MenuItemFollowsWhatTheSelectionHolds) {
    struct Case {
        std::string selection;
        bool enabled;
    };
    start(false, scene_selecting("[]"));
    for (Case const& c : {Case{"[]", false}, Case{"[2]", false}, Case{"[1]", false}, Case{"[0, 1, 2]", false},
                          Case{"[3]", true}, Case{"[0, 3]", true}}) {
        host.load_scene_text(scene_selecting(c.selection));
        host.update_menus();
        EXPECT_EQ(host.command_enabled(command()), c.enabled) << "selection " << c.selection;
    }
    expect_balanced_after_quit();
}

TEST_F(Hooks, IdleDoesNothingBeforeTheDialogExists) {
    start(false);
    host.calls().clear_log();
    host.idle();
    EXPECT_TRUE(host.calls().calls().empty());
    EXPECT_EQ(dialog_window(), nullptr);
    expect_balanced_after_quit();
}

TEST_F(Hooks, CommandOpensTheWindowAndASecondOneRefreshesIt) {
    start(false);
    ASSERT_TRUE(choose_menu_item());
    WindowRef window = dialog_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ta::windowVisible(window));
    // The crop box works only while a selected 3D layer has a source.
    EXPECT_TRUE(ta::enabled(control("check box", kCropText)));
    host.update_menus();
    EXPECT_TRUE(host.menus().state(command())->checked);

    // Only the light selected: the menu item goes grey, so the second command
    // comes from the host's own dispatch of the plug-in's command.
    host::Composition& comp = host.project().comps.begin()->second;
    comp.selection = {comp.layers[1]};
    const void* commands = nullptr;
    ASSERT_EQ(host.basic_suite()->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &commands), A_Err_NONE);
    EXPECT_EQ(static_cast<const AEGP_CommandSuite1*>(commands)->AEGP_DoCommand(command()), A_Err_NONE);
    host.basic_suite()->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    EXPECT_EQ(dialog_window(), window);
    EXPECT_TRUE(ta::windowVisible(window));
    EXPECT_FALSE(ta::enabled(control("check box", kCropText)));
    expect_balanced_after_quit();
}

TEST_F(Hooks, CloseBoxHidesTheWindowAndTheCommandShowsItAgain) {
    start(false);
    ASSERT_TRUE(choose_menu_item());
    WindowRef window = dialog_window();
    ASSERT_TRUE(ta::clickCloseBox(window));
    EXPECT_EQ(dialog_window(), window);
    EXPECT_FALSE(ta::windowVisible(window));
    host.update_menus();
    EXPECT_FALSE(host.menus().state(command())->checked);

    ASSERT_TRUE(choose_menu_item());
    EXPECT_EQ(dialog_window(), window);
    EXPECT_TRUE(ta::windowVisible(window));
    expect_balanced_after_quit();
}

TEST_F(Hooks, MissingSuiteDuringIdleReturns516AndLeavesTheDialog) {
    start(false);
    ASSERT_TRUE(choose_menu_item());
    host::Composition& comp = host.project().comps.begin()->second;
    comp.selection = {comp.layers[1]};  // would disable the dialog on a successful refresh
    host.calls().fail_function("AcquireSuite", host.calls().calls_of("AcquireSuite") + 1, A_Err_MISSING_SUITE,
                               true);
    host.idle();
    host.calls().clear_faults();
    ASSERT_FALSE(host.hooks().failures.empty());
    EXPECT_EQ(host.hooks().failures.back().hook, "idle");
    EXPECT_EQ(host.hooks().failures.back().status, 516);
    EXPECT_TRUE(ta::enabled(control("check box", kCropText)));

    host.idle();
    EXPECT_FALSE(ta::enabled(control("check box", kCropText)));
    expect_balanced_after_quit();
}

TEST_F(Hooks, PanelModeTogglesAndBuildsTheDialogInTheHostsContainer) {
    start(true);
    ASSERT_TRUE(choose_menu_item());
    ASSERT_TRUE(host.panel_open(kMatchName));
    EXPECT_EQ(host.panel_title(kMatchName), "Voxtrel");
    // The only window of that title is the host's panel frame.
    EXPECT_EQ(dialog_window(), host.panel_window(kMatchName));
    HIViewRef apply = control("push button", "Apply");
    ASSERT_NE(apply, nullptr);
    EXPECT_TRUE(ta::enabled(apply));
    EXPECT_NE(control("check box", "Towards Camera"), nullptr);
    std::optional<A_LPoint> const size = host.panel_size(kMatchName);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->x, 501);
    EXPECT_EQ(size->y, 235);
    host.update_menus();
    EXPECT_FALSE(host.menus().state(command())->checked);

    ASSERT_TRUE(choose_menu_item());
    EXPECT_FALSE(host.panel_open(kMatchName));
    ASSERT_TRUE(choose_menu_item());
    EXPECT_TRUE(host.panel_open(kMatchName));
    expect_balanced_after_quit();
    EXPECT_EQ(ta::liveCounts().total(), 0u);
}

}  // namespace
