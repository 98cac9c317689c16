// The shell's own functions called directly, for what the host cannot make
// happen on its own.
#include <gtest/gtest.h>

#include "Voxtrel/main.h"
#include "adm/host_suites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "fake_basic_suite.h"

namespace {

TEST(PluginEntry, NoBasicSuiteReturns516) {
    EXPECT_EQ(PluginEntry(nullptr, 13, 0, "/p", "/r", 5, nullptr), 516);
    sSPBasic = nullptr;
}

TEST(AllCommandsHook, NeverTakesACommand) {
    for (A_Boolean already : {A_Boolean{0}, A_Boolean{1}}) {
        A_Boolean handled = 1;
        EXPECT_EQ(on_all_command(nullptr, nullptr, 2080, AEGP_HP_BeforeAE, already, &handled), 0);
        EXPECT_EQ(handled, 0);
    }
}

TEST(Deinit, WithoutDialogOnlyReleasesTheLongLivedSuites) {
    FakeBasicSuite basic;
    basic.offer(kAEGPWorkspacePanelSuite, 1);
    basic.offer(kPFAppSuite, 2);
    sSPBasic = &basic.suite;
    adm::acquireSuites();
    ASSERT_EQ(_main_dlg, nullptr);

    EXPECT_EQ(deinit(), 0);
    EXPECT_EQ(_main_dlg, nullptr);
    EXPECT_EQ(sAEGPPanelSuite, nullptr);
    EXPECT_EQ(sPFAppSuite, nullptr);
    EXPECT_EQ(basic.total_released(), 2);
    EXPECT_EQ(basic.total_acquired(), basic.total_released());
    sSPBasic = nullptr;
}

TEST(DeathHook, RunsDeinit) {
    FakeBasicSuite basic;
    basic.offer(kPFAppSuite, 2);
    sSPBasic = &basic.suite;
    adm::acquireSuites();
    EXPECT_EQ(on_destroy(nullptr, nullptr), 0);
    EXPECT_EQ(sPFAppSuite, nullptr);
    EXPECT_EQ(basic.released(kPFAppSuite, 2), 1);
    sSPBasic = nullptr;
}

}  // namespace
