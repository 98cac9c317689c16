// The application colour suite: a dark palette by colour kind.
#include <gtest/gtest.h>

#include "host/Host.h"
#include "host_test_support.h"

namespace {

int brightness(const PF_App_Color& c) { return (c.red + c.green + c.blue) / 3; }

TEST(AppColors, KnownKindsMakeADarkPaletteOthersAreRefused) {
    host::Host h;
    const auto* app = host_test::acquire<PFAppSuite2>(h, kPFAppSuite, 2);
    const auto color = [&](PF_App_ColorType kind) {
        PF_App_Color c{7, 7, 7};
        const A_Err err = app->PF_AppGetColor(kind, &c);
        return std::pair{err, c};
    };
    for (PF_App_ColorType unknown : {-1, 4, 999}) {
        const auto [err, c] = color(unknown);
        EXPECT_EQ(err, A_Err_PARAMETER) << unknown;
        EXPECT_EQ(c.red, 7);
    }
    EXPECT_EQ(app->PF_AppGetColor(PF_App_Color_TEXT, nullptr), A_Err_PARAMETER);
    for (PF_App_ColorType kind : {0, 1, 2, 3, 5, 6, 16, 23, 42, 43, 45, 1000}) EXPECT_EQ(color(kind).first, A_Err_NONE);
    const auto b = [&](PF_App_ColorType kind) { return brightness(color(kind).second); };
    EXPECT_LT(std::max(b(PF_App_Color_PANEL_BACKGROUND), b(PF_App_Color_FILL)), 0x4000);
    EXPECT_GT(b(PF_App_Color_TEXT), 0xB000);
    EXPECT_LT(b(PF_App_Color_FILL), b(PF_App_Color_TEXT_DISABLED));
    EXPECT_LT(b(PF_App_Color_TEXT_DISABLED), b(PF_App_Color_TEXT));
    EXPECT_EQ(std::pair(b(PF_App_Color_BLACK), b(PF_App_Color_WHITE)), std::pair(0, 0xFFFF));
    EXPECT_GT(color(PF_App_Color_RED).second.red, color(PF_App_Color_RED).second.green);
}

}  // namespace
