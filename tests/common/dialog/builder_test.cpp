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

ADMPoint text_size(const char* text) {
    CFStringRef s = CFStringCreateWithCString(nullptr, text, kCFStringEncodingMacRoman);
    Point size{0, 0};
    SInt16 baseline = 0;
    GetThemeTextDimensions(s, kThemeMiniSystemFont, kThemeStateActive, false, &size, &baseline);
    CFRelease(s);
    return size;
}

}  // namespace

TEST_F(Builder, RectanglesAreReadAsTopLeftHeightWidth) {
    ASSERT_NE(open([](TestDlg& d) {
                  d.add_ctrl(kADMTextPushButtonType, IASRect{205, 434, 20, 58}, "Apply", 3);
                  d.add_frame(IASRect{10, 7, 60, 299}, "Cube Dimensions", 7, kADMEtchedFrameStyle);
                  d.add_ctrl(kADMPopupListType, IASRect{57, 342, 19, 140}, nullptr, 510);
              }),
              nullptr);
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(3)), ADMRect{205, 434, 225, 492}));
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(7)), ADMRect{10, 7, 70, 306}));
    EXPECT_TRUE(same_rect(bounds_of(dlg.get_item(510)), ADMRect{57, 342, 76, 482}));
    EXPECT_EQ(text_of(dlg.get_item(3)), "Apply");
    EXPECT_EQ(text_of(dlg.get_item(7)), "Cube Dimensions");
}

TEST_F(Builder, ControlTextIsSetOnlyWhenGiven) {
    ADMItemRef with_null = nullptr, with_empty = nullptr, with_text = nullptr;
    open([&](TestDlg& d) {
        with_null = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 50}, nullptr, 1);
        with_empty = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 60, 20, 50}, "", 2);
        with_text = d.add_ctrl(kADMTextEditType, IASRect{30, 0, 20, 50}, "12.5", 4);
    });
    ASSERT_NE(with_null, nullptr);
    ASSERT_NE(with_empty, nullptr);
    EXPECT_EQ(text_of(with_null), "");
    EXPECT_EQ(text_of(with_empty), "");
    EXPECT_EQ(text_of(with_text), "12.5");
}

TEST_F(Builder, StaticTextIsExactlyAsLargeAsItsText) {
    open([](TestDlg& d) {
        d.add_static(ADMPoint{36, 14}, "X", 20);
        d.add_static(ADMPoint{168, 200}, "Increment", 21);
    });
    for (auto [id, point, text] :
         {std::tuple{20, ADMPoint{36, 14}, "X"}, std::tuple{21, ADMPoint{168, 200}, "Increment"}}) {
        ADMPoint const size = text_size(text);
        ASSERT_GT(size.h, 0);
        ADMRect const r = bounds_of(dlg.get_item(id));
        EXPECT_TRUE(same_rect(
            r, ADMRect{point.v, point.h, static_cast<SInt16>(point.v + size.v), static_cast<SInt16>(point.h + size.h)}))
            << text << ": " << r.top << "," << r.left << "," << r.bottom << "," << r.right;
        EXPECT_EQ(text_of(dlg.get_item(id)), text);
    }
}

TEST_F(Builder, CheckBoxKeepsItsCornerAndTakesItsBestSize) {
    open([](TestDlg& d) { d.add_checkbox(IASRect{101, 324, 17, 165}, "Don't Change Orientation", 504, 1); });
    ADMItemRef box = dlg.get_item(504);
    ADMPoint best{0, 0};
    ADMItemSuite10::GetBestSize(box, &best);
    EXPECT_TRUE(same_rect(bounds_of(box),
                          ADMRect{101, 324, static_cast<SInt16>(101 + best.v), static_cast<SInt16>(324 + best.h)}));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(box));
    EXPECT_EQ(text_of(box), "Don't Change Orientation");
}

TEST_F(Builder, OnlyTheLowByteOfAnInitialStateCounts) {
    open([](TestDlg& d) {
        d.add_checkbox(IASRect{0, 0, 17, 80}, "a", 1, 256);
        d.add_checkbox(IASRect{20, 0, 17, 80}, "b", 2, 257);
        d.add_checkbox(IASRect{40, 0, 17, 80}, "c", 3, -256);
        d.add_checkbox(IASRect{60, 0, 17, 80}, "d", 4, 0);
        d.add_checkbox(IASRect{80, 0, 17, 80}, "e", 5, 2);
    });
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(dlg.get_item(1)));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg.get_item(2)));
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(dlg.get_item(3)));
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(dlg.get_item(4)));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg.get_item(5)));
}

TEST_F(Builder, RadioButtonSwitchedOnTurnsItsGroupOff) {
    open([](TestDlg& d) {
        d.add_radio(IASRect{0, 0, 17, 80}, "one", 10, 0);
        d.add_radio(IASRect{20, 0, 17, 80}, "two", 11, 1);
        d.add_radio(IASRect{40, 0, 17, 80}, "three", 12, 256);
    });
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(dlg.get_item(10)));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg.get_item(11)));
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(dlg.get_item(12)));
}

TEST_F(Builder, EditFieldHoldsItsRangeAndValue) {
    open([](TestDlg& d) {
        d.add_edit(IASRect{34, 29, 20, 75}, 210, 0.1f, 10000000.0f, 1000.0f);
        d.add_edit(IASRect{153, 125, 20, 50}, 529, 1.0f, 10000.0f, 1.0f);
    });
    ADMItemRef size = dlg.get_item(210);
    // Edit fields are one line high whatever the rectangle asks for.
    EXPECT_TRUE(same_rect(bounds_of(size), ADMRect{34, 29, 47, 104}));
    EXPECT_EQ(text_of(size), "1000");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(size), 1000.0f);
    ADMItemSuite10::SetText(size, "0");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(size), 0.1f);
    ADMItemSuite10::SetText(size, "20000000");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(size), 10000000.0f);
    EXPECT_EQ(text_of(dlg.get_item(529)), "1");
    ADMItemSuite10::SetText(dlg.get_item(529), "99999");
    EXPECT_EQ(ADMItemSuite10::GetIntValue(dlg.get_item(529)), 10000);
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
