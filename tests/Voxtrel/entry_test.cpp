// Loading: what the entry point registers, in which order and under which
// plug-in id, and the suites it holds until quit.
#include <map>
#include <string>
#include <vector>

#include "plugin_host.h"

namespace {

class EntryTest : public PluginHostTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EntryTest, RegistersEverythingInOrderUnderItsOwnId) {
    bool const panels = GetParam();
    if (!panels) host.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    host::LoadResult const result = load();
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.status, 0);
    ASSERT_EQ(host.menus().issued().size(), 1u);
    std::string const id = std::to_string(result.plugin);
    std::string const command = std::to_string(host.menus().issued()[0]);
    std::vector<Call> expected = {
        {"AEGP_RegisterDeathHook", id},
        {"AEGP_GetUniqueCommand", ""},
        {"AEGP_InsertMenuCommand", command + ", \"Voxtrel\", " + std::to_string(AEGP_Menu_FLOATERS) + ", " +
                                       std::to_string(AEGP_MENU_INSERT_AT_BOTTOM)},
        {"AEGP_RegisterCommandHook", id + ", " + std::to_string(AEGP_HP_BeforeAE) + ", " + command},
        {"AEGP_RegisterCommandHook", id + ", " + std::to_string(AEGP_HP_BeforeAE) + ", 0"},
        {"AEGP_RegisterUpdateMenuHook", id},
        {"AEGP_RegisterIdleHook", id},
    };
    if (panels) expected.push_back({"AEGP_RegisterCreatePanelHook", id + ", \"QX_Voxtrel v1.3\", 1"});
    EXPECT_EQ(calls(), expected);
    EXPECT_TRUE(host.alerts().empty());
    // The two hooks for commands are different functions.
    ASSERT_EQ(host.hooks().command.size(), 2u);
    EXPECT_NE(host.hooks().command[0].hook, host.hooks().command[1].hook);

    // Only the long-lived suites stay held, taken after the death hook and
    // before the menu command, and given back at quit.
    std::map<host::SuiteKey, long> held = {{{kPFAppSuite, 2}, 1}};
    if (panels) held[{kAEGPWorkspacePanelSuite, 1}] = 1;
    EXPECT_EQ(host.suites().outstanding(), held);
    auto const position = [&](std::string const& function, std::string const& arguments = "") {
        auto const& log = host.calls().calls();
        return std::find_if(log.begin(), log.end(), [&](host::CallRecord const& r) {
                   return r.function == function && r.arguments.starts_with(arguments);
               }) - log.begin();
    };
    EXPECT_LT(position("AEGP_RegisterDeathHook"), position("AcquireSuite", "\"PF AE App Suite\", 2"));
    EXPECT_LT(position("AcquireSuite", "\"PF AE App Suite\", 2"), position("AEGP_GetUniqueCommand"));
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPanels, EntryTest, ::testing::Bool(),
                         [](auto const& info) { return info.param ? "Panels" : "NoPanels"; });

}  // namespace
