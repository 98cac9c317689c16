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

// The command calls of one menu update: the check mark follows the window, the
// item is enabled only for a selection with a 3D layer to place, and a refused
// check mark ends the hook with its status.
TEST_F(Hooks, MenuUpdateChecksThenEnablesAndPassesARefusalOn) {
    struct Case {
        std::string selection;
        bool window_shown;
        bool refuse_check_mark;
        bool enabled;
    };
    start(false, scene_selecting("[]"));
    std::string const c = std::to_string(command());
    for (Case const& row : {Case{"[]", false, false, false}, Case{"[2]", false, false, false},
                            Case{"[1]", false, false, false}, Case{"[0, 1, 2]", false, false, false},
                            Case{"[3]", false, false, true}, Case{"[0, 3]", true, false, true},
                            Case{"[3]", true, true, true}}) {
        SCOPED_TRACE("selection " + row.selection);
        host.load_scene_text(scene_selecting(row.selection));
        if (row.window_shown && !dialog_window()) {
            ASSERT_TRUE(host.invoke_command(command()));
        }
        if (row.refuse_check_mark) host.calls().fail_function("AEGP_CheckMarkMenuCommand", host.calls().calls_of("AEGP_CheckMarkMenuCommand") + 1, 77);
        std::size_t const failures = host.hooks().failures.size();
        mark();
        host.update_menus();
        std::vector<Call> expected = {{"AEGP_CheckMarkMenuCommand", c + ", " + (row.window_shown ? "1" : "0"),
                                       row.refuse_check_mark ? 77 : 0}};
        if (!row.refuse_check_mark) expected.push_back({row.enabled ? "AEGP_EnableCommand" : "AEGP_DisableCommand", c});
        EXPECT_EQ(calls_of({"AEGP_CheckMarkMenuCommand", "AEGP_EnableCommand", "AEGP_DisableCommand"}), expected);
        ASSERT_EQ(host.hooks().failures.size(), failures + row.refuse_check_mark);
        if (row.refuse_check_mark) {
            EXPECT_EQ(host.hooks().failures.back().status, 77);
        }
    }
    host.calls().clear_faults();
    expect_balanced_after_quit();
}

// One refresh reads the selection's kinds before it takes the selection and
// the cameras again; idle refreshes only an open dialog.
TEST_F(Hooks, IdleRefreshesInOrderOnlyWithADialog) {
    start(false, scene_selecting("[3]"));
    mark();
    host.idle();
    EXPECT_EQ(calls(), std::vector<Call>{});
    ASSERT_TRUE(choose_menu_item());
    mark();
    host.idle();
    std::vector<std::string> expected = {
        // The selection taken again, the previous one given back...
        "AEGP_DisposeCollection", "AEGP_GetActiveItem", "AEGP_GetItemType", "AEGP_GetCompFromItem",
        "AEGP_GetNewCollectionFromCompSelection", "AEGP_GetItemDimensions", "AEGP_GetCollectionNumItems",
        "AEGP_GetCollectionItemByIndex", "AEGP_IsLayer3D", "AEGP_GetLayerSourceItem",
        // ...and what it holds read, before the cameras are listed for the popup.
        "AEGP_GetCollectionNumItems", "AEGP_GetCollectionItemByIndex", "AEGP_GetLayerObjectType", "AEGP_IsLayer3D",
        "AEGP_GetActiveItem", "AEGP_GetItemType", "AEGP_GetCompFromItem", "AEGP_GetCompNumLayers",
        "AEGP_GetCompLayerByIndex", "AEGP_GetLayerObjectType", "AEGP_GetLayerName"};
    for (int i = 0; i < 3; ++i) {
        expected.push_back("AEGP_GetCompLayerByIndex");
        expected.push_back("AEGP_GetLayerObjectType");
    }
    EXPECT_EQ(function_runs(), expected);
    expect_balanced_after_quit();
}

TEST_F(Hooks, CommandShowsTheWindowTheCloseBoxHidesItAndRefreshesFollowTheSelection) {
    start(false);
    ASSERT_TRUE(choose_menu_item());
    WindowRef window = dialog_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ta::windowVisible(window));
    // The crop box works only while a selected 3D layer has a source.
    EXPECT_TRUE(ta::enabled(control("check box", kCropText)));

    // Only the light selected: the menu item goes grey, so the second command
    // comes from the host's own dispatch of the plug-in's command.
    host::Composition& comp = host.project().comps.begin()->second;
    comp.selection = {comp.layers[1]};
    const void* commands = nullptr;
    ASSERT_EQ(host.basic_suite()->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &commands), A_Err_NONE);
    EXPECT_EQ(static_cast<const AEGP_CommandSuite1*>(commands)->AEGP_DoCommand(command()), A_Err_NONE);
    host.basic_suite()->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    EXPECT_EQ(dialog_window(), window);
    EXPECT_FALSE(ta::enabled(control("check box", kCropText)));

    ASSERT_TRUE(ta::clickCloseBox(window));
    EXPECT_EQ(dialog_window(), window);
    EXPECT_FALSE(ta::windowVisible(window));
    host.project().comps.begin()->second.selection = {comp.layers[3]};
    ASSERT_TRUE(choose_menu_item());
    EXPECT_TRUE(ta::windowVisible(window));
    expect_balanced_after_quit();
}

// A suite missing while the dialog is refreshed: the hook returns 516 and the
// dialog stays as it was, a new window hidden.
TEST_F(Hooks, MissingSuiteDuringARefreshReturns516AndLeavesTheDialog) {
    start(false);
    const void* commands = nullptr;
    ASSERT_EQ(host.basic_suite()->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &commands), A_Err_NONE);
    auto const refuse_suites = [&] {
        host.calls().fail_function("AcquireSuite", host.calls().calls_of("AcquireSuite") + 1, A_Err_MISSING_SUITE,
                                   true);
    };
    refuse_suites();
    EXPECT_EQ(static_cast<const AEGP_CommandSuite1*>(commands)->AEGP_DoCommand(command()), A_Err_NONE);
    host.calls().clear_faults();
    host.basic_suite()->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    ASSERT_FALSE(host.hooks().failures.empty());
    EXPECT_EQ(host.hooks().failures.back().hook, "command");
    EXPECT_EQ(host.hooks().failures.back().status, 516);
    ASSERT_NE(dialog_window(), nullptr);
    EXPECT_FALSE(ta::windowVisible(dialog_window()));

    ASSERT_TRUE(choose_menu_item());
    host::Composition& comp = host.project().comps.begin()->second;
    comp.selection = {comp.layers[1]};  // would disable the dialog on a successful refresh
    refuse_suites();
    host.idle();
    host.calls().clear_faults();
    EXPECT_EQ(host.hooks().failures.back().hook, "idle");
    EXPECT_EQ(host.hooks().failures.back().status, 516);
    EXPECT_TRUE(ta::enabled(control("check box", kCropText)));

    host.idle();
    EXPECT_FALSE(ta::enabled(control("check box", kCropText)));
    expect_balanced_after_quit();
}

TEST_F(Hooks, PanelModeTogglesAndBuildsTheDialogInTheHostsContainer) {
    start(true);
    mark();
    ASSERT_TRUE(choose_menu_item());
    EXPECT_EQ(calls_of({"AEGP_ToggleVisibility", "AEGP_SetTitle"}),
              (std::vector<Call>{{"AEGP_ToggleVisibility", "\"QX_Voxtrel v1.3\""}, {"AEGP_SetTitle", "panel#1, \"Voxtrel\""}}));
    ASSERT_TRUE(host.panel_open(kMatchName));
    // The only window of that title is the host's panel frame.
    EXPECT_EQ(dialog_window(), host.panel_window(kMatchName));
    EXPECT_TRUE(ta::enabled(control("push button", "Apply")));
    std::optional<A_LPoint> const size = host.panel_size(kMatchName);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->x, 501);
    EXPECT_EQ(size->y, 235);
    host.update_menus();
    EXPECT_FALSE(host.menus().state(command())->checked);

    expect_balanced_after_quit();
    EXPECT_EQ(ta::liveCounts().total(), 0u);
}

}  // namespace
