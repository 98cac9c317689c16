// Fault injection by overall call number and by function, once and
// persistently, the per-function counts, and the call log: off until asked
// for, then a ring of the most recent calls.
#include <algorithm>
#include <tuple>

#include "host_test_support.h"

namespace {

using host::Host;
using host_test::acquire;

TEST(FaultInjection, ArmedFaultsFailTheirCallsWithoutSideEffect) {
    using S = std::vector<A_Err>;
    const struct {
        const char* what;
        void (*arm)(host::CallGate&);
        S statuses;
        long first;  // the number of the first call failed as armed (calls count from the acquisition), or 0
    } cases[] = {
        {"3rd call overall, once", [](host::CallGate& g) { g.fail_call(3, 77); }, S{0, 77, 0, 0}, 3},
        {"3rd call overall, from then on", [](host::CallGate& g) { g.fail_call(3, 5, true); }, S{0, 5, 5, 5}, 3},
        {"3rd report, once", [](host::CallGate& g) { g.fail_function("AEGP_ReportInfo", 3, 9); }, S{0, 0, 9, 0}, 4},
        {"2nd report, from then on", [](host::CallGate& g) { g.fail_function("AEGP_ReportInfo", 2, 9, true); },
         S{0, 9, 9, 9}, 3},
        {"another function", [](host::CallGate& g) { g.fail_function("AEGP_DoCommand", 1, 9, true); },
         S{0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        Host h;
        const AEGP_PluginID plugin = host_test::attach_plugin(h);
        const auto* utility = acquire<AEGP_UtilitySuite3>(h, kAEGPUtilitySuite, 3);  // call 1; reports from 2 on
        c.arm(h.calls());
        S statuses;
        for (int i = 0; i < 4; ++i) statuses.push_back(utility->AEGP_ReportInfo(plugin, "x"));
        EXPECT_EQ(statuses, c.statuses) << c.what;
        EXPECT_EQ(h.alerts().size(), static_cast<std::size_t>(std::count(statuses.begin(), statuses.end(), 0)))
            << c.what;
        const auto& first = h.calls().first_injection();
        EXPECT_EQ(first ? std::to_string(first->number) + " " + first->function + "(" + first->arguments + ")" : "",
                  c.first ? std::to_string(c.first) + " AEGP_ReportInfo(" + std::to_string(plugin) + ", \"x\")" : "")
            << c.what;
    }
}

// The log is off until asked for, then a ring of the most recent calls; a failed call changes nothing (an
// acquisition leaves the table and the counts alone, a command number is not used up); faults must name a
// function the host offers.
TEST(Faults, TheLogKeepsTheMostRecentCallsAndAFailedCallChangesNothing) {
    Host h;
    const AEGP_PluginID plugin = host_test::attach_plugin(h);
    const auto* commands = acquire<AEGP_CommandSuite1>(h, kAEGPCommandSuite, 1);
    const auto* utility = acquire<AEGP_UtilitySuite3>(h, kAEGPUtilitySuite, 3);
    const auto report = [&](int times) {
        for (int i = 0; i < times; ++i) utility->AEGP_ReportInfo(plugin, "x");
    };
    report(3);
    EXPECT_EQ(std::tuple(h.calls().calls().size(), h.calls().calls_of("AEGP_ReportInfo"), h.calls().total_calls()),
              std::tuple(0u, 3, 5));

    h.calls().log_calls(3);
    h.calls().fail_function("AEGP_ReportInfo", 6, 4);
    AEGP_Command a = 0, b = 0, c = 0;
    commands->AEGP_GetUniqueCommand(&a);
    commands->AEGP_InsertMenuCommand(a, "Thing", AEGP_Menu_WINDOW, AEGP_MENU_INSERT_AT_BOTTOM);
    utility->AEGP_ReportInfo(7, "hello");
    report(2);
    // The most recent three: the refused report, one that passed, one that failed as armed.
    const auto& log = h.calls().calls();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(std::tuple(log[0].number, log[0].function, log[0].arguments, log[0].status, log[0].reason),
              std::tuple(8, "AEGP_ReportInfo", "7, \"hello\"", A_Err_PARAMETER,
                         "plug-in id 7 is not the id of a loaded plug-in"));
    EXPECT_EQ(std::tuple(log[1].status, log[2].status, log[2].injected, log[2].reason), std::tuple(0, 4, true, ""));
    EXPECT_EQ(h.calls().call_names(), (std::vector<std::string>(3, "AEGP_ReportInfo")));
    h.calls().log_calls(0);
    report(1);
    EXPECT_EQ(std::tuple(h.calls().calls().size(), h.calls().calls_of("AEGP_ReportInfo"), h.calls().calls_of("Other")),
              std::tuple(0u, 7, 0));

    h.calls().fail_function("AcquireSuite", 3, A_Err_MISSING_SUITE);  // two were acquired above
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(h.basic_suite()->AcquireSuite(kAEGPItemSuite, 3, &table), A_Err_MISSING_SUITE);
    EXPECT_EQ(std::tuple(table, h.suites().acquisitions(kAEGPItemSuite, 3)),
              std::tuple(reinterpret_cast<const void*>(1), 0));
    h.calls().fail_function("AEGP_GetUniqueCommand", 2, A_Err_GENERIC);
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&b), A_Err_GENERIC);
    commands->AEGP_GetUniqueCommand(&c);
    EXPECT_EQ(std::pair(b, c), std::pair(AEGP_Command{0}, a + 1));

    EXPECT_THROW(h.calls().fail_function("AEGP_ReportInfos", 1, 3), std::invalid_argument);
    EXPECT_THROW(h.calls().fail_function("AEGP_ReportInfo", 0, 3), std::invalid_argument);
    EXPECT_THROW(h.calls().fail_call(0, 3), std::invalid_argument);
    EXPECT_THROW(h.calls().fail_call(1, A_Err_NONE), std::invalid_argument);
}

}  // namespace
