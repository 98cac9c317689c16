// Dialogs inside a host panel's container view, and their items: texts of
// boxes, buttons and frames become separate labels drawn in the host's text colour.
#include <tuple>

#include "adm/detail/iADMDrawer.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

class Panels : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _panel = makePanel();
        ASSERT_NE(_panel.dialog, nullptr);
    }
    void TearDown() override {
        ADMDialogSuite9::Destroy(_panel.dialog);
        DisposeControl(_panel.container);
        AdmTest::TearDown();
    }
    Panel _panel;
};

// Snap sizes, the container and an ASCII title are checked through the
// plug-in's panel (tests/Voxtrel and the panel's golden run); the drawers'
// switch to the host's colours only here.
TEST_F(Panels, FillsTheHostTableAndUsesTheContainer) {
    Panel& panel = _panel;
    EXPECT_FALSE(panel.functions.PopulateFlyout || panel.functions.DoFlyoutCommand);
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
}

// The one snap size, the stored size, reaches the host's panel (checked through
// the plug-in's panel in tests/Voxtrel); resizing keeps the top-left corner, and
// without a dialog nothing is reported.
TEST_F(Panels, SizeKeepsItsCornerAndNoDialogReportsNoSnapSize) {
    const Rect bounds{10, 20, 245, 521};
    ADMDialogSuite9::SetBoundsRect(_panel.dialog, &bounds);
    const Rect local{0, 0, 100, 200};
    ADMDialogSuite9::SetLocalRect(_panel.dialog, &local);
    Rect read{};
    ADMDialogSuite9::GetBoundsRect(_panel.dialog, &read);
    EXPECT_EQ(read, (Rect{10, 20, 110, 220}));
    A_LPoint sizes[AEGP_MAX_PANEL_SNAP_SIZES] = {};
    A_long count = 3;
    EXPECT_EQ(iADMDialog::S_GetSnapSizes(nullptr, sizes, &count), A_Err_NONE);
    EXPECT_EQ(count, 3);
}

TEST_F(Panels, WithoutAContainerNoDialogIsMade) {
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    EXPECT_EQ(ADMDialogSuite9::CreatePanel(nullptr, "x", 0, nullptr, nullptr, &FakePanel::suite, FakePanel::handle(),
                                           nullptr, &functions, &refcon),
              nullptr);
}

std::uint32_t opaque(const PF_App_Color& c) {
    return 0xFF000000u | (std::uint32_t(c.red >> 8) << 16) | (std::uint32_t(c.green >> 8) << 8) | (c.blue >> 8);
}

TEST_F(Panels, BackgroundIsTheHostPanelColour) {
    Panel& panel = _panel;
    const tka::Bitmap painted = tka::renderView(panel.container);
    ASSERT_GT(painted.width, 0);
    EXPECT_EQ(painted.at(5, 5), opaque(FakeApp::colour(PF_App_Color_PANEL_BACKGROUND)));
    EXPECT_NE(std::find(FakeApp::asked.begin(), FakeApp::asked.end(), PF_App_Color_PANEL_BACKGROUND),
              FakeApp::asked.end());

    // Without the host's colours the panel is not painted by the dialog.
    sPFAppSuite = nullptr;
    const tka::Bitmap plain = tka::renderView(panel.container);
    EXPECT_NE(plain.at(5, 5), painted.at(5, 5));
}

Rect bounds_of(ControlRef view) {
    Rect r{};
    GetControlBounds(view, &r);
    return r;
}

// A box's or button's text is a label 19 right and 2 lower than the item; a
// frame's runs along its top, above the frame. Moving the item moves both.
TEST_F(Panels, TextsBecomeLabelsBesideOrAboveTheControl) {
    const struct {
        ADMItemType type;
        Rect rect;
        Rect size;  // a later local rectangle, if any
        Rect control, label;
    } rows[] = {
        {kADMTextCheckBoxType, {20, 30, 35, 130}, {}, {20, 30, 35, 48}, {22, 49, 35, 130}},
        {kADMFrameType, {10, 10, 100, 200}, {}, {23, 10, 100, 200}, {10, 19, 22, 200}},
        {kADMTextRadioButtonType, {0, 0, 15, 100}, {0, 0, 20, 60}, {0, 0, 20, 18}, {2, 19, 20, 60}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        ADMItemRef item = add(_panel.dialog, row.type, row.rect);
        ADMItemSuite10::SetText(item, "Repeat Layers");
        if (row.size.bottom) ADMItemSuite10::SetLocalRect(item, &row.size);
        ASSERT_NE(label_of(item), nullptr);
        EXPECT_EQ(tka::kindName(label_of(item)), "static text");
        EXPECT_EQ(tka::text(label_of(item)), "Repeat Layers");
        EXPECT_EQ(tka::text(control_of(item)), "");
        EXPECT_EQ(bounds_of(control_of(item)), row.control);
        EXPECT_EQ(bounds_of(label_of(item)), row.label);
        Rect whole{};
        ADMItemSuite10::GetBoundsRect(item, &whole);
        if (!row.size.bottom) {
            EXPECT_EQ(whole, row.rect);
        }
        // Later texts go to the same label, which lies above everything before it.
        ADMItemSuite10::SetText(item, "Repeat");
        EXPECT_EQ(tka::text(label_of(item)), "Repeat");
        EXPECT_EQ(tka::subviews(_panel.container).back(), label_of(item));
        ADMItemSuite10::Show(item, false);
    }
    EXPECT_EQ(tka::subviews(_panel.container).size(), 6u);
}

TEST_F(Panels, LabelTextTakesTheHostTextColour) {
    ADMItemRef box = add(_panel.dialog, kADMTextCheckBoxType, {0, 0, 15, 100});
    FakeApp::asked.clear();
    ADMItemSuite10::SetText(box, "Random");
    EXPECT_EQ(FakeApp::asked, std::vector<PF_App_ColorType>{PF_App_Color_TEXT});
    const ControlFontStyleRec style = from_ref(box)->baseFontStyle();
    const PF_App_Color text = FakeApp::colour(PF_App_Color_TEXT);
    EXPECT_EQ(std::tuple(style.flags, style.font, style.foreColor.red, style.foreColor.blue),
              std::tuple(kControlUseFontMask | kControlUseForeColorMask | kControlAddToMetaFontMask,
                         kControlFontMiniSystemFont, text.red, text.blue));
}

}  // namespace
}  // namespace admtest
