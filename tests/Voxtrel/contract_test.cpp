// The plug-in module as the host sees it, through its real entry point: what
// it registers and under which id, what each hook asks of the host and in
// which order, and what a refusal leaves. Statuses and balance after every
// refused call are checked by voxtrel-host --validate; the whole outcome of an
// application by the program's golden runs.
#include <array>
#include <iomanip>
#include <map>
#include <sstream>

#include "plugin_host.h"
#include "test_data.h"

namespace {

std::string scene_selecting(std::string const& selection) {
    return R"({"composition": {"name": "Main", "width": 1920, "height": 1080, "frame_rate": 30, "time": 0,
      "layers": [
        {"name": "Camera", "type": "camera", "3d": true, "anchor": [960, 540, 0], "position": [960, 540, -2666.7]},
        {"name": "Light", "type": "light", "3d": true},
        {"name": "Flat", "type": "footage", "source": [100, 100]},
        {"name": "Title", "type": "text", "3d": true},
        {"name": "Card", "type": "footage", "source": [100, 100], "3d": true}],
      "selection": )" + selection + "}, \"active\": true}";
}

constexpr char kCropText[] = "Crop Text Layers To Size Of Other 3D Layers";

class Load : public PluginHostTest, public ::testing::WithParamInterface<bool> {};

// Every registration in order under the plug-in's own id; only the long-lived
// suites stay held, taken after the death hook and before the menu command.
TEST_P(Load, RegistersEverythingInOrderUnderItsOwnId) {
    bool const panels = GetParam();
    if (!panels) host.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    host::LoadResult const result = load();
    ASSERT_TRUE(result.ok() && result.plugin != 0) << result.message;
    std::string const id = std::to_string(result.plugin), command = std::to_string(this->command());
    std::vector<Call> expected = {
        {"AEGP_RegisterDeathHook", id},
        {"AEGP_GetUniqueCommand", ""},
        {"AEGP_InsertMenuCommand", command + ", \"Voxtrel\", 8, -1"},  // the floating windows' menu, at the bottom
        {"AEGP_RegisterCommandHook", id + ", 1, " + command},          // before the host's own handling
        {"AEGP_RegisterCommandHook", id + ", 1, 0"},
        {"AEGP_RegisterUpdateMenuHook", id},
        {"AEGP_RegisterIdleHook", id},
    };
    if (panels) expected.push_back({"AEGP_RegisterCreatePanelHook", id + ", \"QX_Voxtrel v1.3\", 1"});
    EXPECT_EQ(std::pair(calls(), host.alerts().size()), std::pair(expected, std::size_t{0}));
    ASSERT_TRUE(host.hooks().command.size() == 2u && host.hooks().command[0].hook != host.hooks().command[1].hook);

    std::map<host::SuiteKey, long> held = {{{kPFAppSuite, 2}, 1}};
    if (panels) held[{kAEGPWorkspacePanelSuite, 1}] = 1;
    EXPECT_EQ(host.suites().outstanding(), held);
    std::vector<std::string> order;
    for (host::CallRecord const& r : host.calls().calls())
        if (r.function.starts_with("AEGP_") || r.arguments.starts_with("\"PF AE App Suite\"")) order.push_back(r.function);
    EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 3),
              (std::vector<std::string>{"AEGP_RegisterDeathHook", "AcquireSuite", "AEGP_GetUniqueCommand"}));
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPanels, Load, ::testing::Bool(),
                         [](auto const& info) { return info.param ? "Panels" : "NoPanels"; });

// A refused registration (the rows are in data/): which report the user reads,
// under the plug-in's id, and which hooks stay registered.
class EntryRefusal : public PluginHostTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(EntryRefusal, IsReportedAndStopsWhereItPromises) {
    std::istringstream row(GetParam());
    std::string function, alert;
    long nth = 0;
    bool report_refused = false;
    std::array<std::size_t, 5> expected_hooks{};
    row >> function >> nth >> report_refused >> std::quoted(alert);
    for (std::size_t& count : expected_hooks) row >> count;
    host.calls().fail_function(function, nth, 7);
    if (report_refused) host.calls().fail_function("AEGP_ReportInfo", 1, 7);
    AEGP_PluginID const plugin = load().plugin;
    EXPECT_TRUE(host.alerts().size() == 1 && host.alerts()[0].text == alert && host.alerts()[0].plugin == plugin);
    auto const& hooks = host.hooks();
    EXPECT_EQ((std::array{hooks.command.size(), hooks.update_menu.size(), hooks.idle.size(), hooks.create_panel.size(),
                          hooks.death.size()}),
              expected_hooks);
    // Without a command number the command goes in no menu, and no command
    // hook is registered that would see every host command.
    if (function == "AEGP_GetUniqueCommand") {
        EXPECT_TRUE(host.menus().items(AEGP_Menu_FLOATERS).empty());
        for (host::CommandHookEntry const& hook : host.hooks().command) EXPECT_EQ(hook.command, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EachRefusal, EntryRefusal, ::testing::ValuesIn(data_rows("entry_refusals.txt")));

using Hooks = PluginHostTest;

// The command calls of one menu update: the check mark follows the window, the
// item is enabled only for a selection with a 3D layer to place, and a refused
// check mark ends the hook with its status.
TEST_F(Hooks, MenuUpdateChecksThenEnablesAndPassesARefusalOn) {
    struct Case {
        std::string selection;
        bool window_shown, refuse_check_mark, enabled;
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
        if (row.refuse_check_mark) fail_next("AEGP_CheckMarkMenuCommand", 77);
        std::size_t const failures = host.hooks().failures.size();
        mark();
        host.update_menus();
        std::vector<Call> expected = {
            {"AEGP_CheckMarkMenuCommand", c + ", " + (row.window_shown ? "1" : "0"), row.refuse_check_mark ? 77 : 0}};
        if (!row.refuse_check_mark) expected.push_back({row.enabled ? "AEGP_EnableCommand" : "AEGP_DisableCommand", c});
        EXPECT_EQ(calls({"AEGP_CheckMarkMenuCommand", "AEGP_EnableCommand", "AEGP_DisableCommand"}), expected);
        ASSERT_EQ(host.hooks().failures.size(), failures + row.refuse_check_mark);
        if (row.refuse_check_mark) {
            EXPECT_EQ(host.hooks().failures.back().status, 77);
        }
    }
    host.calls().clear_faults();
    expect_balanced_after_quit();
}

// One refresh reads the selection's kinds before it takes the selection and
// the cameras again (the calls are in data/); idle refreshes only an open dialog.
TEST_F(Hooks, IdleRefreshesInOrderOnlyWithADialog) {
    start(false, scene_selecting("[3]"));
    mark();
    host.idle();
    EXPECT_EQ(calls(), std::vector<Call>{});
    host.update_menus();
    ASSERT_TRUE(host.invoke_command(command()));
    mark();
    host.idle();
    std::vector<std::string> made;
    for (Call const& call : calls()) made.push_back(call.function);
    EXPECT_EQ(made, data_rows("idle_refresh_calls.txt"));
    expect_balanced_after_quit();
}

// The command shows the window, also when the host dispatches it with the menu
// item grey; the close box only hides it; each refresh follows the selection
// (the crop box works only while a selected 3D layer has a source). A suite
// missing during a refresh ends the hook with 516 and leaves the dialog as it was.
TEST_F(Hooks, CommandCloseBoxAndRefreshes) {
    start(false, scene_selecting("[3, 4]"));
    host::Composition& comp = host.project().comps.begin()->second;
    const void* suite = nullptr;
    ASSERT_EQ(host.basic_suite()->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &suite), A_Err_NONE);
    auto const do_command = [&] {
        EXPECT_EQ(static_cast<const AEGP_CommandSuite1*>(suite)->AEGP_DoCommand(command()), A_Err_NONE);
    };
    fail_next("AcquireSuite", A_Err_MISSING_SUITE, true);
    do_command();
    host.calls().clear_faults();
    auto const& failures = host.hooks().failures;
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(std::tuple(failures.back().hook, failures.back().status), std::tuple("command", 516));
    WindowRef const window = dialog_window();
    ASSERT_TRUE(window && !ta::windowVisible(window));

    comp.selection = {comp.layers[1]};
    do_command();
    EXPECT_EQ(std::tuple(dialog_window(), ta::windowVisible(window), ta::enabled(control("check box", kCropText))),
              std::tuple(window, true, false));
    ASSERT_TRUE(ta::clickCloseBox(window));
    EXPECT_EQ(std::tuple(dialog_window(), ta::windowVisible(window)), std::tuple(window, false));

    comp.selection = {comp.layers[3], comp.layers[4]};
    host.update_menus();
    ASSERT_TRUE(host.invoke_command(command()));
    EXPECT_TRUE(ta::windowVisible(window) && ta::enabled(control("check box", kCropText)));
    comp.selection = {comp.layers[1]};
    fail_next("AcquireSuite", A_Err_MISSING_SUITE, true);
    host.idle();
    host.calls().clear_faults();
    EXPECT_EQ(std::tuple(failures.back().hook, failures.back().status), std::tuple("idle", 516));
    EXPECT_TRUE(ta::enabled(control("check box", kCropText)));
    host.idle();
    EXPECT_FALSE(ta::enabled(control("check box", kCropText)));
    host.basic_suite()->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    expect_balanced_after_quit();
}

// With panels the command toggles the panel, then titles it; the panel is never
// checked in the menu. (The dialog in the panel: the golden panel run.)
TEST_F(Hooks, PanelModeTogglesAndBuildsTheDialogInTheHostsContainer) {
    start(true, scene_selecting("[3]"));
    host.update_menus();
    mark();
    ASSERT_TRUE(host.invoke_command(command()));
    EXPECT_EQ(calls({"AEGP_ToggleVisibility", "AEGP_SetTitle"}),
              (std::vector<Call>{{"AEGP_ToggleVisibility", "\"QX_Voxtrel v1.3\""},
                                 {"AEGP_SetTitle", "panel#1, \"Voxtrel\""}}));
    ASSERT_TRUE(host.panel_open(kMatchName));
    host.update_menus();
    EXPECT_FALSE(host.menus().state(command())->checked);
    expect_balanced_after_quit();
    EXPECT_EQ(ta::liveCounts(), ta::LiveCounts{});
}

}  // namespace
