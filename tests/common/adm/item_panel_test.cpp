// Items in a host panel: texts of boxes, buttons and frames become separate labels
// drawn in the host's text colour.
#include "adm_test_support.h"

namespace admtest {
namespace {

class PanelItems : public AdmTest {
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

Rect bounds_of(ControlRef view) {
    Rect r{};
    GetControlBounds(view, &r);
    return r;
}

TEST_F(PanelItems, CheckBoxTextIsALabel19RightAnd2Lower) {
    ADMItemRef box = add(_panel.dialog, kADMTextCheckBoxType, {20, 30, 35, 130});
    ADMItemSuite10::SetText(box, "Repeat Layers");
    ASSERT_NE(label_of(box), nullptr);
    EXPECT_EQ(tka::kindName(label_of(box)), "static text");
    EXPECT_EQ(tka::text(label_of(box)), "Repeat Layers");
    EXPECT_EQ(tka::text(control_of(box)), "");
    EXPECT_EQ(bounds_of(control_of(box)), (Rect{20, 30, 35, 48}));
    EXPECT_EQ(bounds_of(label_of(box)), (Rect{22, 49, 35, 130}));
    Rect whole{};
    ADMItemSuite10::GetBoundsRect(box, &whole);
    EXPECT_EQ(whole, (Rect{20, 30, 35, 130}));
    EXPECT_EQ(tka::findLabelledControl(_panel.container, "check box", "Repeat Layers"), control_of(box));

    // Later texts go to the same label.
    ADMItemSuite10::SetText(box, "Repeat");
    EXPECT_EQ(tka::text(label_of(box)), "Repeat");
    EXPECT_EQ(tka::subviews(_panel.container).size(), 2u);
}

TEST_F(PanelItems, FrameTitleIsALabelAlongItsTop) {
    ADMItemRef frame = add(_panel.dialog, kADMFrameType, {10, 10, 100, 200});
    ADMItemSuite10::SetText(frame, "Cube Dimensions");
    ASSERT_NE(label_of(frame), nullptr);
    EXPECT_EQ(bounds_of(control_of(frame)), (Rect{23, 10, 100, 200}));
    EXPECT_EQ(bounds_of(label_of(frame)), (Rect{10, 19, 22, 200}));
    EXPECT_EQ(tka::subviews(_panel.container).back(), label_of(frame));
}

TEST_F(PanelItems, RadioButtonLabelAndMovingTheWholeItem) {
    ADMItemRef radio = add(_panel.dialog, kADMTextRadioButtonType, {0, 0, 15, 100}, 3);
    ADMItemSuite10::SetText(radio, "XY");
    const Rect size{0, 0, 20, 60};
    ADMItemSuite10::SetLocalRect(radio, &size);
    EXPECT_EQ(bounds_of(control_of(radio)), (Rect{0, 0, 20, 18}));
    EXPECT_EQ(bounds_of(label_of(radio)), (Rect{2, 19, 20, 60}));
}

TEST_F(PanelItems, EmptyTextsAndOtherKindsMakeNoLabel) {
    ADMItemRef box = add(_panel.dialog, kADMTextCheckBoxType, {0, 0, 15, 100});
    ADMItemRef button = add(_panel.dialog, kADMTextPushButtonType, {0, 0, 20, 80});
    ADMItemRef edit = add(_panel.dialog, kADMTextEditType, {30, 0, 50, 80});
    ADMItemSuite10::SetText(box, "");
    ADMItemSuite10::SetText(button, "Apply");
    ADMItemSuite10::SetText(edit, "1000");
    EXPECT_EQ(tka::text(control_of(button)), "Apply");
    EXPECT_EQ(tka::text(control_of(edit)), "1000");
    for (ADMItemRef item : {box, button, edit}) EXPECT_EQ(label_of(item), nullptr);
}

TEST_F(PanelItems, ShowAndEnableReachControlAndLabel) {
    ADMItemRef box = add(_panel.dialog, kADMTextCheckBoxType, {0, 0, 15, 100});
    ADMItemSuite10::SetText(box, "Random");
    ADMItemSuite10::Enable(box, false);
    EXPECT_FALSE(tka::enabled(control_of(box)));
    EXPECT_FALSE(tka::enabled(label_of(box)));
    EXPECT_FALSE(ADMItemSuite10::IsEnabled(box));
    ADMItemSuite10::Show(box, false);
    EXPECT_FALSE(tka::visible(control_of(box)));
    EXPECT_FALSE(tka::visible(label_of(box)));
    ADMItemSuite10::Show(box, true);
    ADMItemSuite10::Enable(box, true);
    EXPECT_TRUE(tka::visible(label_of(box)));
    EXPECT_TRUE(ADMItemSuite10::IsEnabled(box));
}

TEST_F(PanelItems, LabelTextTakesTheHostTextColour) {
    ADMItemRef box = add(_panel.dialog, kADMTextCheckBoxType, {0, 0, 15, 100});
    FakeApp::asked.clear();
    ADMItemSuite10::SetText(box, "Random");
    EXPECT_EQ(FakeApp::asked, std::vector<PF_App_ColorType>{PF_App_Color_TEXT});
    const ControlFontStyleRec style = from_ref(box)->baseFontStyle();
    const PF_App_Color text = FakeApp::colour(PF_App_Color_TEXT);
    EXPECT_EQ(style.flags, kControlUseFontMask | kControlUseForeColorMask | kControlAddToMetaFontMask);
    EXPECT_EQ(style.font, kControlFontMiniSystemFont);
    EXPECT_EQ(style.foreColor.red, text.red);
    EXPECT_EQ(style.foreColor.blue, text.blue);
}

}  // namespace
}  // namespace admtest
