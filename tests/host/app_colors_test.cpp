// The application colour suite: a dark palette by colour kind.
#include <gtest/gtest.h>

#include "host/Host.h"
#include "host_test_support.h"

namespace {

using host::Host;

int brightness(const PF_App_Color& c) { return (c.red + c.green + c.blue) / 3; }

TEST(AppColors, EveryKnownKindHasAColourInADarkPalette) {
    Host h;
    const auto* app = host_test::acquire<PFAppSuite2>(h, kPFAppSuite, 2);
    ASSERT_NE(app, nullptr);
    const PF_App_ColorType kinds[] = {0, 1, 2, 3, 5, 6, 16, 23, 42, 43, 45, 1000};
    for (PF_App_ColorType kind : kinds) {
        PF_App_Color c{1, 2, 3};
        EXPECT_EQ(app->PF_AppGetColor(kind, &c), A_Err_NONE) << kind;
    }
    PF_App_Color background{}, fill{}, text{}, disabled{}, black{}, white{}, red{};
    app->PF_AppGetColor(PF_App_Color_PANEL_BACKGROUND, &background);
    app->PF_AppGetColor(PF_App_Color_FILL, &fill);
    app->PF_AppGetColor(PF_App_Color_TEXT, &text);
    app->PF_AppGetColor(PF_App_Color_TEXT_DISABLED, &disabled);
    app->PF_AppGetColor(PF_App_Color_BLACK, &black);
    app->PF_AppGetColor(PF_App_Color_WHITE, &white);
    app->PF_AppGetColor(PF_App_Color_RED, &red);
    EXPECT_LT(brightness(background), 0x4000);
    EXPECT_LT(brightness(fill), 0x4000);
    EXPECT_GT(brightness(text), 0xB000);
    EXPECT_GT(brightness(disabled), brightness(fill));
    EXPECT_LT(brightness(disabled), brightness(text));
    EXPECT_EQ(black.red + black.green + black.blue, 0);
    EXPECT_EQ(white.red, 0xFFFF);
    EXPECT_EQ(white.blue, 0xFFFF);
    EXPECT_GT(red.red, red.green);
}

TEST(AppColors, UnknownKindsAndNullOutAreParameterErrors) {
    Host h;
    const auto* app = host_test::acquire<PFAppSuite2>(h, kPFAppSuite, 2);
    PF_App_Color c{7, 7, 7};
    EXPECT_EQ(app->PF_AppGetColor(4, &c), A_Err_PARAMETER);
    EXPECT_EQ(app->PF_AppGetColor(-1, &c), A_Err_PARAMETER);
    EXPECT_EQ(app->PF_AppGetColor(999, &c), A_Err_PARAMETER);
    EXPECT_EQ(c.red, 7);
    EXPECT_EQ(app->PF_AppGetColor(PF_App_Color_TEXT, nullptr), A_Err_PARAMETER);
}

}  // namespace
