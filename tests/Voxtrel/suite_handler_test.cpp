#include <gtest/gtest.h>

#include "adobe/AEGP_SuiteHandler.h"
#include "fake_basic_suite.h"

namespace {

class SuiteHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [name, version] : kAll) basic.offer(name, version);
    }

    static constexpr std::pair<char const*, A_long> kAll[] = {
        {kAEGPRegisterSuite, 1}, {kAEGPCommandSuite, 1},    {kAEGPUtilitySuite, 3},  {kAEGPItemSuite, 3},
        {kAEGPCompSuite, 4},     {kAEGPLayerSuite, 5},      {kAEGPLayerSuite, 8},    {kAEGPLayerSuite, 10},
        {kAEGPCollectionSuite, 1}, {kAEGPStreamSuite, 4},   {kAEGPKeyframeSuite, 1},
        {kAEGPWorkspacePanelSuite, 1}, {kPFAppSuite, 2},
    };

    FakeBasicSuite basic;
};

A_Err status_of(auto&& call) {
    try {
        call();
    } catch (A_Err err) {
        return err;
    }
    return 0;
}

TEST_F(SuiteHandlerTest, UnusedHandlerTouchesNothing) {
    { AEGP_SuiteHandler suites(&basic.suite); }
    EXPECT_EQ(basic.total_acquired(), 0);
    EXPECT_EQ(basic.total_released(), 0);
}

TEST_F(SuiteHandlerTest, EachAccessorAsksForItsOwnNameAndVersion) {
    {
        AEGP_SuiteHandler suites(&basic.suite);
        EXPECT_EQ(static_cast<void const*>(suites.RegisterSuite1()), basic.table(kAEGPRegisterSuite, 1));
        EXPECT_EQ(static_cast<void const*>(suites.CommandSuite1()), basic.table(kAEGPCommandSuite, 1));
        EXPECT_EQ(static_cast<void const*>(suites.UtilitySuite3()), basic.table(kAEGPUtilitySuite, 3));
        EXPECT_EQ(static_cast<void const*>(suites.ItemSuite3()), basic.table(kAEGPItemSuite, 3));
        EXPECT_EQ(static_cast<void const*>(suites.CompSuite4()), basic.table(kAEGPCompSuite, 4));
        EXPECT_EQ(static_cast<void const*>(suites.LayerSuite5()), basic.table(kAEGPLayerSuite, 5));
        EXPECT_EQ(static_cast<void const*>(suites.LayerSuite8()), basic.table(kAEGPLayerSuite, 8));
        EXPECT_EQ(static_cast<void const*>(suites.LayerSuite10()), basic.table(kAEGPLayerSuite, 10));
        EXPECT_EQ(static_cast<void const*>(suites.CollectionSuite1()), basic.table(kAEGPCollectionSuite, 1));
        EXPECT_EQ(static_cast<void const*>(suites.StreamSuite4()), basic.table(kAEGPStreamSuite, 4));
        EXPECT_EQ(static_cast<void const*>(suites.KeyframeSuite1()), basic.table(kAEGPKeyframeSuite, 1));
        EXPECT_EQ(static_cast<void const*>(suites.PanelSuite1()), basic.table(kAEGPWorkspacePanelSuite, 1));
        EXPECT_EQ(static_cast<void const*>(suites.AppSuite2()), basic.table(kPFAppSuite, 2));
    }
    for (auto [name, version] : kAll) {
        EXPECT_EQ(basic.acquired(name, version), 1) << name << " " << version;
        EXPECT_EQ(basic.released(name, version), 1) << name << " " << version;
    }
}

TEST_F(SuiteHandlerTest, AcquiresOnceAndReleasesOnceHoweverOftenAsked) {
    {
        AEGP_SuiteHandler const suites(&basic.suite);
        for (int i = 0; i < 5; ++i) {
            suites.LayerSuite5();
            suites.UtilitySuite3();
        }
        EXPECT_EQ(basic.acquired(kAEGPLayerSuite, 5), 1);
        EXPECT_EQ(basic.released(kAEGPLayerSuite, 5), 0);
    }
    EXPECT_EQ(basic.acquired(kAEGPLayerSuite, 5), 1);
    EXPECT_EQ(basic.released(kAEGPLayerSuite, 5), 1);
    EXPECT_EQ(basic.acquired(kAEGPUtilitySuite, 3), 1);
    EXPECT_EQ(basic.released(kAEGPUtilitySuite, 3), 1);
    EXPECT_EQ(basic.total_acquired(), 2);
    EXPECT_EQ(basic.total_released(), 2);
}

TEST_F(SuiteHandlerTest, ReleaseAllSuitesEmptiesTheCache) {
    AEGP_SuiteHandler suites(&basic.suite);
    suites.CompSuite4();
    suites.ReleaseAllSuites();
    EXPECT_EQ(basic.released(kAEGPCompSuite, 4), 1);
    suites.ReleaseAllSuites();
    EXPECT_EQ(basic.released(kAEGPCompSuite, 4), 1);
    // Asked again, the suite is acquired afresh.
    suites.CompSuite4();
    EXPECT_EQ(basic.acquired(kAEGPCompSuite, 4), 2);
}

TEST_F(SuiteHandlerTest, MissingSuiteRaises516) {
    basic.withdraw(kAEGPLayerSuite, 8);
    AEGP_SuiteHandler suites(&basic.suite);
    EXPECT_EQ(status_of([&] { suites.LayerSuite8(); }), 516);
    // A failed acquisition is not cached: asking again fails again.
    EXPECT_EQ(status_of([&] { suites.LayerSuite8(); }), 516);
    // Success without a table counts as missing too.
    basic.offer_empty(kAEGPLayerSuite, 8);
    EXPECT_EQ(status_of([&] { suites.LayerSuite8(); }), 516);
    EXPECT_EQ(status_of([] { AEGP_SuiteHandler::MissingSuiteError(); }), 516);
    EXPECT_EQ(status_of([] { AEGP_SuiteHandler suites(nullptr); }), 516);
}

TEST_F(SuiteHandlerTest, SuitesAreReleasedWhileAnExceptionPasses) {
    basic.withdraw(kAEGPKeyframeSuite, 1);
    A_Err const err = status_of([&] {
        AEGP_SuiteHandler suites(&basic.suite);
        suites.StreamSuite4();
        suites.CompSuite4();
        suites.KeyframeSuite1();
    });
    EXPECT_EQ(err, 516);
    EXPECT_EQ(basic.released(kAEGPStreamSuite, 4), 1);
    EXPECT_EQ(basic.released(kAEGPCompSuite, 4), 1);
    EXPECT_EQ(basic.total_acquired(), basic.total_released());
}

}  // namespace
