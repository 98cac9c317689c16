// Acquiring and releasing suites: counts, balance, removed suites.
#include <gtest/gtest.h>

#include "host/Host.h"
#include "host_test_support.h"

namespace {

using host::Host;
using host_test::acquire;
using host_test::release;

TEST(SuiteAccess, EverySuiteTableIsOfferedByNameAndVersion) {
    Host h;
    const std::pair<const char*, A_long> offered[] = {
        {kAEGPRegisterSuite, 1},   {kAEGPCommandSuite, 1},    {kAEGPUtilitySuite, 3}, {kAEGPItemSuite, 3},
        {kAEGPCompSuite, 4},       {kAEGPLayerSuite, 5},      {kAEGPLayerSuite, 8},   {kAEGPLayerSuite, 10},
        {kAEGPCollectionSuite, 1}, {kAEGPStreamSuite, 4},     {kAEGPKeyframeSuite, 1},
        {kAEGPWorkspacePanelSuite, 1}, {kPFAppSuite, 2},
    };
    for (const auto& [name, version] : offered) {
        const void* table = nullptr;
        EXPECT_EQ(h.basic_suite()->AcquireSuite(name, version, &table), A_Err_NONE) << name << " " << version;
        EXPECT_NE(table, nullptr) << name << " " << version;
        release(h, name, version);
    }
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

TEST(SuiteAccess, RemovedAndUnknownSuitesAreMissingOthersStay) {
    Host h;
    h.remove_suite(kAEGPWorkspacePanelSuite, 1);
    h.remove_suite(kAEGPLayerSuite, 8);
    EXPECT_EQ(acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1), nullptr);
    EXPECT_EQ(acquire<AEGP_LayerSuite8>(h, kAEGPLayerSuite, 8), nullptr);
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(h.basic_suite()->AcquireSuite(kAEGPLayerSuite, 9, &table), A_Err_MISSING_SUITE);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(h.suites().acquisitions(kAEGPLayerSuite, 9), 0);
    EXPECT_NE(acquire<AEGP_LayerSuite5>(h, kAEGPLayerSuite, 5), nullptr);
    release(h, kAEGPLayerSuite, 5);
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

TEST(SuiteAccess, CountsAcquisitionsAndReleasesPerSuite) {
    Host h;
    acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    acquire<AEGP_CompSuite4>(h, kAEGPCompSuite, 4);
    release(h, kAEGPItemSuite, 3);
    EXPECT_EQ(h.suites().acquisitions(kAEGPItemSuite, 3), 2);
    EXPECT_EQ(h.suites().releases(kAEGPItemSuite, 3), 1);
    EXPECT_EQ(h.suites().acquisitions(kAEGPCompSuite, 4), 1);
    EXPECT_FALSE(h.balanced());
    EXPECT_NE(h.balance_report().find("AEGP Item Suite"), std::string::npos);
    EXPECT_NE(h.balance_report().find("AEGP Comp Suite"), std::string::npos);
    release(h, kAEGPItemSuite, 3);
    release(h, kAEGPCompSuite, 4);
    EXPECT_TRUE(h.balanced()) << h.balance_report();
    // One release too many is refused and unbalances.
    EXPECT_EQ(h.basic_suite()->ReleaseSuite(kAEGPItemSuite, 3), A_Err_PARAMETER);
    EXPECT_EQ(h.suites().releases(kAEGPItemSuite, 3), 2);
    EXPECT_FALSE(h.balanced());
}

TEST(SuiteAccess, OnlyOneHostAtATime) {
    Host h;
    EXPECT_THROW(Host second, std::logic_error);
    EXPECT_EQ(Host::current(), &h);
}

TEST(SuiteAccess, SuiteCallsWithoutAHostFailGenerically) {
    SPBasicSuite* basic = nullptr;
    const AEGP_ItemSuite3* items = nullptr;
    {
        Host h;
        basic = h.basic_suite();
        items = acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    }
    const void* table = nullptr;
    EXPECT_EQ(basic->AcquireSuite(kAEGPItemSuite, 3, &table), A_Err_GENERIC);
    AEGP_ItemH item = nullptr;
    EXPECT_EQ(items->AEGP_GetActiveItem(&item), A_Err_GENERIC);
}

}  // namespace
