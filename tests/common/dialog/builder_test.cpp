// The dialog builder: where its controls land, how they are sized, and what
// text and values they start with.
#include <string>

#include "support.h"

using namespace dialog_test;

namespace {

class Builder : public DialogTest {
protected:
    // Builds the dialog with `build` and keeps it open for the test.
    ADMDialogRef open(std::function<void(TestDlg&)> build) {
        dlg.build = std::move(build);
        return dlg.make();
    }
    std::string text_of(ADMItemRef item) {
        ControlRef view = label_of(item) ? label_of(item) : control_of(item);
        return tk::automation::text(view);
    }

    Trace trace;
    TestDlg dlg{trace};
};

}  // namespace

TEST_F(Builder, RectanglesAreReadAsTopLeftHeightWidth) {
    ASSERT_NE(open([](TestDlg& d) {
                  d.add_ctrl(kADMTextPushButtonType, IASRect{205, 434, 20, 58}, "Apply", 3);
                  d.add_frame(IASRect{10, 7, 60, 299}, "Cube Dimensions", 7, kADMEtchedFrameStyle);
                  d.add_ctrl(kADMPopupListType, IASRect{57, 342, 19, 140}, nullptr, 510);
                  d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 50}, nullptr, 1);
                  d.add_ctrl(kADMTextPushButtonType, IASRect{0, 60, 20, 50}, "", 2);
              }),
              nullptr);
    EXPECT_EQ(text_of(dlg.get_item(1)), "");
    EXPECT_EQ(text_of(dlg.get_item(2)), "");
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(3)), ADMRect{205, 434, 225, 492}));
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(7)), ADMRect{10, 7, 70, 306}));
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(510)), ADMRect{57, 342, 76, 482}));
    EXPECT_EQ(text_of(dlg.get_item(3)), "Apply");
    EXPECT_EQ(text_of(dlg.get_item(7)), "Cube Dimensions");
}

// Only the low byte of an initial state counts; a radio button switched on
// turns the rest of its group off.
TEST_F(Builder, InitialStatesOfBoxesAndRadioButtons) {
    open([](TestDlg& d) {
        int id = 1;
        for (int state : {256, 257, -256, 0, 2}) d.add_checkbox(IASRect{0, 0, 17, 80}, "box", id++, state);
        d.add_radio(IASRect{0, 0, 17, 80}, "one", 10, 0);
        d.add_radio(IASRect{20, 0, 17, 80}, "two", 11, 1);
        d.add_radio(IASRect{40, 0, 17, 80}, "three", 12, 256);
    });
    std::vector<bool> on;
    for (int id : {1, 2, 3, 4, 5, 10, 11, 12}) on.push_back(ADMItemSuite10::GetBooleanValue(dlg.get_item(id)));
    EXPECT_EQ(on, (std::vector<bool>{false, true, false, false, true, false, true, false}));
}

TEST_F(Builder, IconWrapperBelongsToItsItemAndDrawsThroughTheCallback) {
    static ADMItemRef drawn_item = nullptr;
    drawn_item = nullptr;
    ADMItemRef icon = nullptr;
    open([&](TestDlg& d) {
        icon = d.add_icon(
            IASRect{20, 30, 10, 16},
            [](ADMItemRef item, ADMDrawerRef drawer) {
                drawn_item = item;
                ADMDrawerSuite5::SetADMColor(drawer, kADMDisabledColor);
                ADMRect const all{0, 0, 10, 16};
                ADMDrawerSuite5::FillRect(drawer, &all);
            },
            40);
    });
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(dlg.wrappers().size(), 1u);
    EXPECT_EQ(dlg.wrappers().front()->GetItemRef(), icon);
    EXPECT_EQ(ADMItemSuite10::GetUserData(icon), dlg.wrappers().front());

    tk::automation::Bitmap const picture = tk::automation::renderWindow(dlg.window());
    EXPECT_EQ(drawn_item, icon);
    // The grey the callback chose covers the icon's place on the window.
    std::uint32_t const pixel = picture.at(30 + 8, 20 + 5);
    EXPECT_EQ(pixel & 0xFFu, 0x20u);
    EXPECT_EQ((pixel >> 24) & 0xFFu, 0xFFu);
}

TEST_F(Builder, IconWhoseItemIsNotMadeStillGetsAWrapper) {
    // A dialog holds at most 100 items: the 101st cannot be made.
    ADMItemRef icon = reinterpret_cast<ADMItemRef>(1);
    open([&](TestDlg& d) {
        for (int i = 0; i < 100; ++i) d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 10, 10}, nullptr, i);
        icon = d.add_icon(IASRect{0, 0, 10, 10}, nullptr, 100);
    });
    EXPECT_EQ(icon, nullptr);
    ASSERT_EQ(dlg.wrappers().size(), 1u);
    EXPECT_EQ(dlg.wrappers().front()->GetItemRef(), nullptr);
}

TEST_F(Builder, BuilderWithoutADialogMakesNothing) {
    EXPECT_EQ(dlg.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 10, 10}, "x", 1), nullptr);
    EXPECT_EQ(dlg.add_static(ADMPoint{0, 0}, "x", 1), nullptr);
    EXPECT_EQ(dlg.add_edit(IASRect{0, 0, 10, 10}, 1, 0, 1, 0), nullptr);
    EXPECT_EQ(dlg.add_icon(IASRect{0, 0, 10, 10}, nullptr, 1), nullptr);
    EXPECT_EQ(dlg.wrappers().size(), 1u);
    EXPECT_EQ(dlg.get_item(1), nullptr);
}
