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
// switch to the host's colours only here. A panel is never visible nor
// enabled, and Show changes nothing; the title goes to the host unchanged.
TEST_F(Panels, FillsTheHostTableAndUsesTheContainer) {
    EXPECT_FALSE(_panel.functions.PopulateFlyout || _panel.functions.DoFlyoutCommand);
    ADMDialogSuite9::Show(_panel.dialog, false);
    EXPECT_EQ((std::tuple{from_ref(_panel.dialog)->window, iADMDrawer::_useAppColor, tka::visible(_panel.container),
                          ADMDialogSuite9::IsVisible(_panel.dialog), ADMDialogSuite9::IsEnabled(_panel.dialog)}),
              std::tuple(WindowRef{}, true, true, false, false));
    ADMDialogSuite9::SetText(_panel.dialog, "Voxtrel \x8E");
    EXPECT_EQ(FakePanel::titles, std::vector<std::string>{"Voxtrel \x8E"});
    // Without a container no dialog is made.
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    EXPECT_EQ(ADMDialogSuite9::CreatePanel(nullptr, "x", 0, nullptr, nullptr, &FakePanel::suite, FakePanel::handle(),
                                           nullptr, &functions, &refcon),
              nullptr);
}

// The one snap size, the stored size, reaches the host's panel (checked through
// the plug-in's panel in tests/Voxtrel); resizing keeps the top-left corner, and
// without a dialog nothing is reported.
TEST_F(Panels, SizeKeepsItsCornerAndNoDialogReportsNoSnapSize) {
    const Rect bounds{10, 20, 245, 521}, local{0, 0, 100, 200};
    ADMDialogSuite9::SetBoundsRect(_panel.dialog, &bounds);
    ADMDialogSuite9::SetLocalRect(_panel.dialog, &local);
    Rect read{};
    ADMDialogSuite9::GetBoundsRect(_panel.dialog, &read);
    EXPECT_EQ(read, (Rect{10, 20, 110, 220}));
    A_LPoint sizes[AEGP_MAX_PANEL_SNAP_SIZES] = {};
    A_long count = 3;
    // Braced, so that count is read after the call.
    EXPECT_EQ((std::pair{iADMDialog::S_GetSnapSizes(nullptr, sizes, &count), count}), std::pair(A_Err{A_Err_NONE}, 3));
}

std::uint32_t opaque(const PF_App_Color& c) {
    return 0xFF000000u | (std::uint32_t(c.red >> 8) << 16) | (std::uint32_t(c.green >> 8) << 8) | (c.blue >> 8);
}

TEST_F(Panels, BackgroundIsTheHostPanelColour) {
    const tka::Bitmap painted = tka::renderView(_panel.container);
    ASSERT_TRUE(painted.width > 0 && painted.at(5, 5) == opaque(FakeApp::colour(PF_App_Color_PANEL_BACKGROUND)));
    EXPECT_NE(std::find(FakeApp::asked.begin(), FakeApp::asked.end(), PF_App_Color_PANEL_BACKGROUND),
              FakeApp::asked.end());

    // Without the host's colours the panel is not painted by the dialog.
    sPFAppSuite = nullptr;
    EXPECT_NE(tka::renderView(_panel.container).at(5, 5), painted.at(5, 5));
}

Rect bounds_of(ControlRef view) {
    Rect r{};
    GetControlBounds(view, &r);
    return r;
}

// A box's or button's text is a label 19 right and 2 lower than the item; a
// frame's runs along its top, above the frame. Moving the item moves both. The
// label's text is drawn in the host's text colour, in the mini system font.
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
    const PF_App_Color text = FakeApp::colour(PF_App_Color_TEXT);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        ADMItemRef item = add(_panel.dialog, row.type, row.rect);
        FakeApp::asked.clear();
        if (from_ref(item)->frame) ADMItemSuite10::Show(item, false);  // the label joins a hidden item hidden
        ADMItemSuite10::SetText(item, "Repeat Layers");
        EXPECT_EQ(FakeApp::asked, std::vector<PF_App_ColorType>{PF_App_Color_TEXT});
        const ControlFontStyleRec style = from_ref(item)->baseFontStyle();
        EXPECT_EQ((std::tuple{style.flags, style.font, style.foreColor.red, style.foreColor.blue}),
                  std::tuple(kControlUseFontMask | kControlUseForeColorMask | kControlAddToMetaFontMask,
                             kControlFontMiniSystemFont, text.red, text.blue));
        if (row.size.bottom) ADMItemSuite10::SetLocalRect(item, &row.size);
        ASSERT_NE(label_of(item), nullptr);
        Rect whole{};
        ADMItemSuite10::GetBoundsRect(item, &whole);
        EXPECT_EQ(
            std::tuple(tka::kindName(label_of(item)), tka::text(label_of(item)), tka::text(control_of(item)),
                       bounds_of(control_of(item)), bounds_of(label_of(item)), whole, tka::visible(label_of(item))),
            std::tuple("static text", "Repeat Layers", "", row.control, row.label, row.size.bottom ? whole : row.rect,
                       !from_ref(item)->frame));
        // Later texts go to the same label, which lies above everything before it.
        ADMItemSuite10::SetText(item, "Repeat");
        EXPECT_EQ((std::pair{tka::text(label_of(item)), tka::subviews(_panel.container).back()}),
                  std::pair(std::string("Repeat"), label_of(item)));
        ADMItemSuite10::Show(item, false);
    }
    EXPECT_EQ(tka::subviews(_panel.container).size(), 6u);
}

}  // namespace
}  // namespace admtest
