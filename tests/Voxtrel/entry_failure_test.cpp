// Each way the entry point can fail, made to happen by refusing one host call.
#include <ostream>
#include <string>
#include <vector>

#include "plugin_host.h"

namespace {

using Texts = std::vector<std::string>;

constexpr A_Err kRefused = 7;
constexpr A_Err kReportRefused = 9;

class EntryFailureTest : public PluginHostTest {};

TEST_F(EntryFailureTest, DeathHookRefusedIsReportedAndStopsEverything) {
    host.calls().fail_function("AEGP_RegisterDeathHook", 1, kRefused);
    host::LoadResult const result = load();
    // The report succeeded, so the host is told all went well.
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(alert_texts(), Texts{"Could not register death hook."});
    EXPECT_EQ(host.calls().calls_of("AEGP_GetUniqueCommand"), 0);
    EXPECT_EQ(host.suites().acquisitions(kPFAppSuite, 2), 0);  // init never ran
    EXPECT_TRUE(host.hooks().command.empty());
    EXPECT_TRUE(host.hooks().idle.empty());
    expect_balanced_after_quit();
}

TEST_F(EntryFailureTest, DeathHookRefusedAndReportRefusedReturnsTheReportStatus) {
    host.calls().fail_function("AEGP_RegisterDeathHook", 1, kRefused);
    host.calls().fail_function("AEGP_ReportInfo", 1, kReportRefused);
    host::LoadResult const result = load();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.status, kReportRefused);
    EXPECT_TRUE(host.alerts().empty());
    expect_balanced_after_quit();
}

// Without a command number the other hooks still go in, but no command hook
// that would see every host command.
TEST_F(EntryFailureTest, NoCommandNumberIsReportedAndTheOtherHooksGoAhead) {
    host.calls().fail_function("AEGP_GetUniqueCommand", 1, kRefused);
    host::LoadResult const result = load();
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(alert_texts(), Texts{"Could not add menu item."});
    EXPECT_EQ(host.calls().calls_of("AEGP_InsertMenuCommand"), 0);
    ASSERT_EQ(host.hooks().command.size(), 1u);
    EXPECT_EQ(host.hooks().command[0].command, 0);
    EXPECT_EQ(host.hooks().update_menu.size(), 1u);
    EXPECT_EQ(host.hooks().idle.size(), 1u);
    EXPECT_EQ(host.hooks().create_panel.size(), 1u);
    EXPECT_TRUE(host.menus().items(AEGP_Menu_FLOATERS).empty());
    expect_balanced_after_quit();
}

TEST_F(EntryFailureTest, NoCommandNumberAndReportRefusedStopsTheHooks) {
    host.calls().fail_function("AEGP_GetUniqueCommand", 1, kRefused);
    host.calls().fail_function("AEGP_ReportInfo", 1, kReportRefused);
    host::LoadResult const result = load();
    EXPECT_EQ(result.status, kReportRefused);
    EXPECT_EQ(alert_texts(), Texts{"Could not register command hook."});
    EXPECT_TRUE(host.hooks().command.empty());
    EXPECT_TRUE(host.hooks().update_menu.empty());
    EXPECT_EQ(host.hooks().death.size(), 1u);
    expect_balanced_after_quit();
}

// Which registration (or the menu insertion before them) is refused, and how many hooks of each kind were in by then.
struct RefusedRegistration {
    char const* function;
    long nth;
    std::size_t command_hooks;
    std::size_t update_menu_hooks;
    std::size_t idle_hooks;
};

void PrintTo(RefusedRegistration const& row, std::ostream* out) {
    *out << row.function << " #" << row.nth;
}

class RegistrationRefusedTest : public EntryFailureTest,
                                public ::testing::WithParamInterface<RefusedRegistration> {};

TEST_P(RegistrationRefusedTest, StopsThereAndReportsIt) {
    RefusedRegistration const& row = GetParam();
    host.calls().fail_function(row.function, row.nth, kRefused);
    host::LoadResult const result = load();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.status, kRefused);
    EXPECT_EQ(alert_texts(), Texts{"Could not register command hook."});
    EXPECT_EQ(host.hooks().command.size(), row.command_hooks);
    EXPECT_EQ(host.hooks().update_menu.size(), row.update_menu_hooks);
    EXPECT_EQ(host.hooks().idle.size(), row.idle_hooks);
    EXPECT_TRUE(host.hooks().create_panel.empty());
    EXPECT_EQ(host.hooks().death.size(), 1u);
    // Nothing is tried after the refused registration but the report.
    std::vector<std::string> const calls = calls_without_suites();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], row.function);
    EXPECT_EQ(calls.back(), "AEGP_ReportInfo");
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(EachRegistration, RegistrationRefusedTest,
                         ::testing::Values(RefusedRegistration{"AEGP_InsertMenuCommand", 1, 0, 0, 0},
                                           RefusedRegistration{"AEGP_RegisterCommandHook", 1, 0, 0, 0},
                                           RefusedRegistration{"AEGP_RegisterCommandHook", 2, 1, 0, 0},
                                           RefusedRegistration{"AEGP_RegisterUpdateMenuHook", 1, 2, 0, 0},
                                           RefusedRegistration{"AEGP_RegisterIdleHook", 1, 2, 1, 0},
                                           RefusedRegistration{"AEGP_RegisterCreatePanelHook", 1, 2, 1, 1}));

// A suite the entry point needs is missing: the handler's 516 goes back to the host.
class MissingSuiteTest : public EntryFailureTest, public ::testing::WithParamInterface<host::SuiteKey> {};

TEST_P(MissingSuiteTest, EntryPointReturns516) {
    auto const& [name, version] = GetParam();
    host.remove_suite(name, version);
    if (name == kAEGPUtilitySuite) {
        // Only needed for a report, so make one necessary.
        host.calls().fail_function("AEGP_RegisterDeathHook", 1, kRefused);
    }
    host::LoadResult const result = load();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.status, 516);
    EXPECT_TRUE(host.alerts().empty());
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(EntrySuites, MissingSuiteTest,
                         ::testing::Values(host::SuiteKey{kAEGPRegisterSuite, 1}, host::SuiteKey{kAEGPCommandSuite, 1},
                                           host::SuiteKey{kAEGPUtilitySuite, 3}));

TEST_F(EntryFailureTest, RefusedAcquisitionIsAMissingSuite) {
    host.calls().fail_function("AcquireSuite", 1, kRefused);
    EXPECT_EQ(load().status, 516);
    expect_balanced_after_quit();
}

// A host without the application suite still loads the plug-in, and the
// utility suite is needed only for a report.
TEST_F(EntryFailureTest, LongLivedSuitesAndTheUtilitySuiteAreOptional) {
    host.remove_suite(kAEGPUtilitySuite, 3);
    host.remove_suite(kAEGPWorkspacePanelSuite, 1);
    host.remove_suite(kPFAppSuite, 2);
    EXPECT_TRUE(load().ok());
    EXPECT_TRUE(host.alerts().empty());
    expect_balanced_after_quit();
}

}  // namespace
