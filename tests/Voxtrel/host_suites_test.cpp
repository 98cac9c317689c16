#include <gtest/gtest.h>

#include <string>

#include "adm/host_suites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "fake_basic_suite.h"

namespace {

// The long-lived suites go through the module's basic suite pointer; each test
// points it at its own fake and leaves everything cleared.
class HostSuitesTest : public ::testing::Test {
protected:
    void SetUp() override {
        basic.offer(kAEGPWorkspacePanelSuite, 1);
        basic.offer(kPFAppSuite, 2);
        sSPBasic = &basic.suite;
    }
    void TearDown() override {
        adm::releaseSuites();
        sSPBasic = nullptr;
    }

    FakeBasicSuite basic;
};

TEST_F(HostSuitesTest, AcquiresBothAndReleasesBoth) {
    EXPECT_EQ(adm::acquireSuites(), 0);
    EXPECT_EQ(static_cast<void const*>(sAEGPPanelSuite), basic.table(kAEGPWorkspacePanelSuite, 1));
    EXPECT_EQ(static_cast<void const*>(sPFAppSuite), basic.table(kPFAppSuite, 2));
    adm::releaseSuites();
    EXPECT_EQ(sAEGPPanelSuite, nullptr);
    EXPECT_EQ(sPFAppSuite, nullptr);
    EXPECT_EQ(basic.released(kAEGPWorkspacePanelSuite, 1), 1);
    EXPECT_EQ(basic.released(kPFAppSuite, 2), 1);
}

TEST_F(HostSuitesTest, HostWithoutPanelsStillGivesTheAppSuite) {
    basic.withdraw(kAEGPWorkspacePanelSuite, 1);
    EXPECT_EQ(adm::acquireSuites(), 0);
    EXPECT_EQ(sAEGPPanelSuite, nullptr);
    EXPECT_NE(sPFAppSuite, nullptr);
    adm::releaseSuites();
    EXPECT_EQ(basic.total_released(), 1);
    EXPECT_EQ(basic.released(kPFAppSuite, 2), 1);
}

// Without the application suite acquisition fails: with the host's own status
// when it refuses, with 516 when it answers without a table or there is no basic suite.
TEST_F(HostSuitesTest, NoAppSuiteIsAMissingSuite) {
    for (char const* how : {"withdrawn", "no table", "no basic suite"}) {
        SCOPED_TRACE(how);
        A_Err const expected = std::string(how) == "withdrawn" ? A_Err_MISSING_SUITE : 516;
        basic.withdraw(kPFAppSuite, 2);
        if (std::string(how) == "no table") basic.offer_empty(kPFAppSuite, 2);
        if (std::string(how) == "no basic suite") sSPBasic = nullptr;
        EXPECT_EQ(adm::acquireSuites(), expected);
        EXPECT_EQ(sPFAppSuite, nullptr);
        EXPECT_EQ(sAEGPPanelSuite != nullptr, sSPBasic != nullptr);
        adm::releaseSuites();
    }
}

TEST_F(HostSuitesTest, SecondAcquisitionKeepsWhatIsHeld) {
    adm::acquireSuites();
    EXPECT_EQ(adm::acquireSuites(), 0);
    EXPECT_EQ(basic.acquired(kPFAppSuite, 2), 1);
    adm::releaseSuites();
    adm::releaseSuites();
    EXPECT_EQ(basic.released(kPFAppSuite, 2), 1);
}

}  // namespace
