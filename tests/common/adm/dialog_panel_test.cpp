// Dialogs inside a host panel's container view.
#include "adm/detail/iADMDrawer.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

using PanelDialog = AdmTest;

TEST_F(PanelDialog, FillsTheHostTableAndUsesTheContainer) {
    Panel panel = makePanel();
    ASSERT_NE(panel.dialog, nullptr);
    EXPECT_EQ(panel.functions.GetSnapSizes, &iADMDialog::S_GetSnapSizes);
    EXPECT_EQ(panel.functions.PopulateFlyout, nullptr);
    EXPECT_EQ(panel.functions.DoFlyoutCommand, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(panel.refcon), reinterpret_cast<void*>(panel.dialog));
    EXPECT_EQ(root_of(panel.dialog), panel.container);
    EXPECT_EQ(from_ref(panel.dialog)->window, nullptr);
    EXPECT_TRUE(iADMDrawer::_useAppColor);

    // Never visible nor enabled, and Show changes nothing.
    ADMDialogSuite9::Show(panel.dialog, false);
    EXPECT_TRUE(tka::visible(panel.container));
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(panel.dialog));
    EXPECT_FALSE(ADMDialogSuite9::IsEnabled(panel.dialog));

    // The title goes to the host unchanged.
    ADMDialogSuite9::SetText(panel.dialog, "Voxtrel \x8E");
    EXPECT_EQ(FakePanel::titles, std::vector<std::string>{"Voxtrel \x8E"});
    ADMDialogSuite9::Destroy(panel.dialog);
    DisposeControl(panel.container);
}

TEST_F(PanelDialog, ReportsExactlyOneSnapSizeItsStoredSize) {
    Panel panel = makePanel();
    const Rect bounds{10, 20, 245, 521};
    ADMDialogSuite9::SetBoundsRect(panel.dialog, &bounds);
    A_LPoint sizes[AEGP_MAX_PANEL_SNAP_SIZES] = {};
    A_long count = AEGP_MAX_PANEL_SNAP_SIZES;
    EXPECT_EQ(panel.functions.GetSnapSizes(panel.refcon, sizes, &count), A_Err_NONE);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sizes[0].x, 501);
    EXPECT_EQ(sizes[0].y, 235);

    const Rect local{0, 0, 100, 200};
    ADMDialogSuite9::SetLocalRect(panel.dialog, &local);
    Rect read{};
    ADMDialogSuite9::GetBoundsRect(panel.dialog, &read);
    EXPECT_EQ(read, (Rect{10, 20, 110, 220}));

    count = 3;
    EXPECT_EQ(iADMDialog::S_GetSnapSizes(nullptr, sizes, &count), A_Err_NONE);
    EXPECT_EQ(count, 3);
    ADMDialogSuite9::Destroy(panel.dialog);
    DisposeControl(panel.container);
}

TEST_F(PanelDialog, WithoutAContainerNoDialogIsMade) {
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    EXPECT_EQ(ADMDialogSuite9::CreatePanel(nullptr, "x", 0, nullptr, nullptr, &FakePanel::suite, FakePanel::handle(),
                                           nullptr, &functions, &refcon),
              nullptr);
}

std::uint32_t opaque(const PF_App_Color& c) {
    return 0xFF000000u | (std::uint32_t(c.red >> 8) << 16) | (std::uint32_t(c.green >> 8) << 8) | (c.blue >> 8);
}

TEST_F(PanelDialog, BackgroundIsTheHostPanelColour) {
    Panel panel = makePanel();
    const tka::Bitmap painted = tka::renderView(panel.container);
    ASSERT_GT(painted.width, 0);
    EXPECT_EQ(painted.at(5, 5), opaque(FakeApp::colour(PF_App_Color_PANEL_BACKGROUND)));
    EXPECT_NE(std::find(FakeApp::asked.begin(), FakeApp::asked.end(), PF_App_Color_PANEL_BACKGROUND),
              FakeApp::asked.end());

    // Without the host's colours the panel is not painted by the dialog.
    sPFAppSuite = nullptr;
    const tka::Bitmap plain = tka::renderView(panel.container);
    EXPECT_NE(plain.at(5, 5), painted.at(5, 5));
    ADMDialogSuite9::Destroy(panel.dialog);
    DisposeControl(panel.container);
}

}  // namespace
}  // namespace admtest
