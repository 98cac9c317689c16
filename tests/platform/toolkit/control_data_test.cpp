// Control data tags and the owned menu of a popup. (The edit text tag carries
// every typed value of the golden runs; the validation run counts its strings.)
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {
const Rect kRect{0, 0, 13, 80};
}

// Which views take which tags, and what they refuse.
TEST(ControlData, TagsBelongToTheirKindsOfView) {
    ControlRef check = nullptr, label = nullptr, button = nullptr;
    CreateCheckBoxControl(nullptr, &kRect, nullptr, 0, true, &check);
    CreateStaticTextControl(nullptr, &kRect, nullptr, nullptr, &label);
    CreatePushButtonControl(nullptr, &kRect, nullptr, &button);
    const ControlSize small = kControlSizeSmall, bogus = 77;
    ASSERT_EQ(SetControlData(check, kControlEntireControl, kControlSizeTag, sizeof small, &small), noErr);
    ControlSize size = kControlSizeNormal;
    Size actual = 0;
    ASSERT_EQ(GetControlData(check, kControlEntireControl, kControlSizeTag, sizeof size, &size, &actual), noErr);
    EXPECT_EQ(size, kControlSizeSmall);
    EXPECT_EQ(actual, static_cast<Size>(sizeof(ControlSize)));
    EXPECT_EQ(SetControlData(check, kControlEntireControl, kControlSizeTag, sizeof bogus, &bogus), paramErr);
    const Boolean on = true;
    EXPECT_EQ(SetControlData(label, kControlEntireControl, kControlStaticTextIsMultilineTag, sizeof on, &on), noErr);
    Boolean read = false;
    GetControlData(label, kControlEntireControl, kControlStaticTextIsMultilineTag, sizeof read, &read, nullptr);
    EXPECT_TRUE(read);
    EXPECT_EQ(SetControlData(button, kControlEntireControl, kControlStaticTextIsMultilineTag, sizeof on, &on),
              errDataNotSupported);
    CFStringRef s = nullptr;
    EXPECT_EQ(GetControlData(button, kControlEntireControl, kControlEditTextCFStringTag, sizeof s, &s, nullptr),
              errDataNotSupported);
    EXPECT_EQ(SetControlData(label, kControlEntireControl, TK_FOUR_CC('n', 'o', 'p', 'e'), sizeof on, &on),
              errDataNotSupported);
    for (ControlRef v : {check, label, button}) DisposeControl(v);
}

// A popup's owned menu goes with it.
TEST(ControlData, APopupsOwnedMenuGoesWithIt) {
    const auto before = ta::liveCounts();
    ControlRef popup = nullptr;
    CreatePopupButtonControl(nullptr, &kRect, nullptr, -12345, false, -1, 0, normal, &popup);
    MenuRef owned = nullptr, read = nullptr;
    CreateNewMenu(16000, 0, &owned);
    ASSERT_EQ(SetControlData(popup, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof owned, &owned),
              noErr);
    GetControlData(popup, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof read, &read, nullptr);
    EXPECT_EQ(read, owned);
    DisposeControl(popup);
    EXPECT_EQ(CountMenuItems(owned), 0);
    EXPECT_EQ(ta::liveCounts().total(), before.total());
}

TEST(ControlData, MenusNumberTheirItemsFromOne) {
    MenuRef menu = nullptr;
    CreateNewMenu(3, 0, &menu);
    InsertMenuItemTextWithCFString(menu, Str("B"), 0, 0, 0);
    InsertMenuItemTextWithCFString(menu, Str("A"), 0, 0, 0);      // before B
    InsertMenuItemTextWithCFString(menu, Str("C"), 200, 0, 7);    // beyond the end appends
    ASSERT_EQ(CountMenuItems(menu), 3);
    CFStringRef text = nullptr;
    CopyMenuItemTextAsCFString(menu, 1, &text);
    EXPECT_EQ(take_utf8(text), "A");
    SetMenuItemTextWithCFString(menu, 3, Str("Z"));
    CopyMenuItemTextAsCFString(menu, 3, &text);
    EXPECT_EQ(take_utf8(text), "Z");
    EXPECT_EQ(SetMenuItemTextWithCFString(menu, 0, Str("x")), paramErr);
    EXPECT_EQ(SetMenuItemTextWithCFString(menu, 4, Str("x")), paramErr);
    DeleteMenuItem(menu, 1);
    DeleteMenuItem(menu, 9);
    EXPECT_EQ(CountMenuItems(menu), 2);
    CopyMenuItemTextAsCFString(menu, 1, &text);
    EXPECT_EQ(take_utf8(text), "B");
    DisposeMenu(menu);
}
