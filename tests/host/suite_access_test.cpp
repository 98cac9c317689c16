// Acquiring and releasing suites: counts, balance, removed suites, and the one
// host the suite tables reach; the application colour suite's refusals (its dark
// palette shows in the --panel golden run's pictures).
#include "host_test_support.h"

namespace {

using host::Host;
using host_test::acquire;

TEST(SuiteAccess, RemovedAndUnknownSuitesAreMissingOthersAreCountedAndBalanced) {
    Host h;
    h.remove_suite(kAEGPWorkspacePanelSuite, 1);
    h.remove_suite(kAEGPLayerSuite, 8);
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(h.basic_suite()->AcquireSuite(kAEGPLayerSuite, 9, &table), A_Err_MISSING_SUITE);  // never offered
    EXPECT_EQ(std::tuple(table, h.suites().acquisitions(kAEGPLayerSuite, 9),
                         acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1) == nullptr,
                         acquire<AEGP_LayerSuite8>(h, kAEGPLayerSuite, 8) == nullptr),
              std::tuple(nullptr, 0, true, true));
    EXPECT_NE(acquire<AEGP_LayerSuite10>(h, kAEGPLayerSuite, 10), nullptr);
    EXPECT_NE(acquire<PFAppSuite2>(h, kPFAppSuite, 2), nullptr);
    acquire<AEGP_LayerSuite10>(h, kAEGPLayerSuite, 10);
    EXPECT_EQ(std::tuple(h.suites().acquisitions(kAEGPLayerSuite, 10), h.suites().releases(kAEGPLayerSuite, 10)),
              std::tuple(2, 0));
    h.basic_suite()->ReleaseSuite(kAEGPLayerSuite, 10);
    EXPECT_TRUE(!h.balanced() && h.balance_report().find("AEGP Layer Suite") != std::string::npos);
    h.basic_suite()->ReleaseSuite(kAEGPLayerSuite, 10);
    h.basic_suite()->ReleaseSuite(kPFAppSuite, 2);
    EXPECT_TRUE(h.balanced()) << h.balance_report();
    // One release too many is refused and unbalances.
    EXPECT_EQ(h.basic_suite()->ReleaseSuite(kPFAppSuite, 2), A_Err_PARAMETER);
    EXPECT_EQ(std::tuple(h.suites().releases(kPFAppSuite, 2), h.balanced()), std::tuple(1, false));
}

TEST(SuiteAccess, OneHostAtATimeAndNoneAfterItGoes) {
    SPBasicSuite* basic = nullptr;
    const AEGP_ItemSuite3* items = nullptr;
    {
        Host h;
        EXPECT_THROW(Host second, std::logic_error);
        EXPECT_EQ(Host::current(), &h);
        basic = h.basic_suite();
        items = acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    }
    const void* table = nullptr;
    EXPECT_EQ(basic->AcquireSuite(kAEGPItemSuite, 3, &table), A_Err_GENERIC);
    AEGP_ItemH item = nullptr;
    EXPECT_EQ(items->AEGP_GetActiveItem(&item), A_Err_GENERIC);
}

TEST(AppColors, KnownKindsAreGivenOthersAreRefused) {
    host::Host h;
    const auto* app = host_test::acquire<PFAppSuite2>(h, kPFAppSuite, 2);
    const auto color = [&](PF_App_ColorType kind) {
        PF_App_Color c{7, 7, 7};
        const A_Err err = app->PF_AppGetColor(kind, &c);
        return std::pair{err, c};
    };
    for (PF_App_ColorType unknown : {-1, 4, 999}) {
        const auto [err, c] = color(unknown);
        EXPECT_TRUE(err == A_Err_PARAMETER && c.red == 7) << unknown;
    }
    EXPECT_EQ(app->PF_AppGetColor(PF_App_Color_TEXT, nullptr), A_Err_PARAMETER);
    // Known kinds are levels of 8 bits a channel spread over 16; black and white are the ends.
    for (PF_App_ColorType kind : {0, 1, 2, 3, 5, 6, 16, 23, 42, 43, 45, 1000}) {
        const auto [err, c] = color(kind);
        EXPECT_TRUE(err == A_Err_NONE && c.red % 0x101 == 0 && c.green % 0x101 == 0 && c.blue % 0x101 == 0) << kind;
    }
    EXPECT_TRUE(color(PF_App_Color_BLACK).second.green == 0 && color(PF_App_Color_WHITE).second.green == 0xFFFF);
}

}  // namespace
