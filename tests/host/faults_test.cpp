// Fault injection by overall call number and by function, once and
// persistently, and the call log.
#include <gtest/gtest.h>

#include "host/Host.h"
#include "host_test_support.h"

namespace {

using host::Host;
using host_test::acquire;

struct Faults : ::testing::Test {
    Host h;
    const AEGP_CommandSuite1* commands = acquire<AEGP_CommandSuite1>(h, kAEGPCommandSuite, 1);
    const AEGP_UtilitySuite3* utility = acquire<AEGP_UtilitySuite3>(h, kAEGPUtilitySuite, 3);
};

TEST_F(Faults, KthCallOverallFailsOnceWithoutSideEffect) {
    // Calls so far: two acquisitions. The 4th call overall is the second report.
    h.calls().fail_call(4, 77);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "first"), A_Err_NONE);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "second"), 77);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "third"), A_Err_NONE);
    ASSERT_EQ(h.alerts().size(), 2u);
    EXPECT_EQ(h.alerts()[0].text, "first");
    EXPECT_EQ(h.alerts()[1].text, "third");
}

TEST_F(Faults, KthCallPersistentFailsFromThenOn) {
    h.calls().fail_call(3, 5, true);
    AEGP_Command c = 0;
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&c), 5);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "x"), 5);
    EXPECT_EQ(h.basic_suite()->ReleaseSuite(kAEGPCommandSuite, 1), 5);
    EXPECT_TRUE(h.alerts().empty());
    EXPECT_EQ(h.suites().releases(kAEGPCommandSuite, 1), 0);
}

TEST_F(Faults, NthCallOfANamedFunctionFailsOnce) {
    h.calls().fail_function("AEGP_GetUniqueCommand", 2, A_Err_GENERIC);
    AEGP_Command a = 0, b = 0, c = 0;
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&a), A_Err_NONE);
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&b), A_Err_GENERIC);
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&c), A_Err_NONE);
    EXPECT_EQ(b, 0);
    // The refused call took no number: the next one follows the first.
    EXPECT_EQ(c, a + 1);
}

TEST_F(Faults, NamedFunctionPersistentFailsEveryLaterCallOfItOnly) {
    h.calls().fail_function("AEGP_ReportInfo", 1, 9, true);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "a"), 9);
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "b"), 9);
    AEGP_Command c = 0;
    EXPECT_EQ(commands->AEGP_GetUniqueCommand(&c), A_Err_NONE);
    EXPECT_TRUE(h.alerts().empty());
}

TEST_F(Faults, AcquiringASuiteCountsAsAcquireSuite) {
    h.calls().fail_function("AcquireSuite", 3, A_Err_MISSING_SUITE);  // two were acquired by the fixture
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(h.basic_suite()->AcquireSuite(kAEGPItemSuite, 3, &table), A_Err_MISSING_SUITE);
    EXPECT_EQ(table, reinterpret_cast<const void*>(1));  // untouched
    EXPECT_EQ(h.suites().acquisitions(kAEGPItemSuite, 3), 0);
    EXPECT_NE(acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3), nullptr);
}

TEST_F(Faults, ClearedFaultsNoLongerFire) {
    h.calls().fail_function("AEGP_ReportInfo", 1, 9, true);
    h.calls().clear_faults();
    EXPECT_EQ(utility->AEGP_ReportInfo(1, "a"), A_Err_NONE);
}

TEST_F(Faults, BadFaultDescriptionsAreRejected) {
    EXPECT_THROW(h.calls().fail_call(0, 3), std::invalid_argument);
    EXPECT_THROW(h.calls().fail_call(1, A_Err_NONE), std::invalid_argument);
    EXPECT_THROW(h.calls().fail_function("", 1, 3), std::invalid_argument);
}

TEST_F(Faults, CallLogHoldsNamesArgumentsAndStatuses) {
    h.calls().clear_log();
    h.calls().fail_function("AEGP_ReportInfo", 2, 4);
    AEGP_Command c = 0;
    commands->AEGP_GetUniqueCommand(&c);
    commands->AEGP_InsertMenuCommand(c, "Thing", AEGP_Menu_WINDOW, AEGP_MENU_INSERT_AT_BOTTOM);
    utility->AEGP_ReportInfo(7, "hello");
    utility->AEGP_ReportInfo(7, "again");
    const auto& log = h.calls().calls();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].function, "AEGP_GetUniqueCommand");
    EXPECT_EQ(log[1].function, "AEGP_InsertMenuCommand");
    EXPECT_EQ(log[1].arguments, std::to_string(c) + ", \"Thing\", 7, -1");
    EXPECT_EQ(log[2].arguments, "7, \"hello\"");
    EXPECT_EQ(log[2].status, A_Err_NONE);
    EXPECT_FALSE(log[2].injected);
    EXPECT_EQ(log[3].status, 4);
    EXPECT_TRUE(log[3].injected);
    EXPECT_EQ(h.calls().calls_of("AEGP_ReportInfo"), 2);
    EXPECT_EQ(h.calls().total_calls(), 6);  // the fixture's two acquisitions too
}

TEST_F(Faults, RefusedParametersAreLoggedWithTheirStatus) {
    h.calls().clear_log();
    EXPECT_EQ(utility->AEGP_ReportInfo(1, nullptr), A_Err_PARAMETER);
    ASSERT_EQ(h.calls().calls().size(), 1u);
    EXPECT_EQ(h.calls().calls()[0].arguments, "1, null");
    EXPECT_EQ(h.calls().calls()[0].status, A_Err_PARAMETER);
}

}  // namespace
