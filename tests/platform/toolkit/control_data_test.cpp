// Control data tags and menu item numbers. (The edit text tag carries every
// typed value of the golden runs; the validation run counts its strings.)
#include "support.h"

using namespace tk_test;

namespace {
const Rect kRect{0, 0, 13, 80};
}

// Which views take which tags, and what they refuse.
TEST(ControlData, TagsBelongToTheirKindsOfView) {
    ControlRef check = nullptr, label = nullptr, button = nullptr;
    CreateCheckBoxControl(nullptr, &kRect, nullptr, 0, true, &check);
    CreateStaticTextControl(nullptr, &kRect, nullptr, nullptr, &label);
    CreatePushButtonControl(nullptr, &kRect, nullptr, &button);
    const ControlSize mini = kControlSizeMini, bogus = 77;  // the last size there is
    ASSERT_EQ(SetControlData(check, kControlEntireControl, kControlSizeTag, sizeof mini, &mini), noErr);
    ControlSize size = kControlSizeNormal;
    Size actual = 0;
    ASSERT_EQ(GetControlData(check, kControlEntireControl, kControlSizeTag, sizeof size, &size, &actual), noErr);
    EXPECT_EQ(std::tuple(size, actual), std::tuple(kControlSizeMini, static_cast<Size>(sizeof(ControlSize))));
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

// Beyond the end an insert appends; item numbers outside 1..count are refused
// or ignored. (A popup's owned menu, inserting after an item, deleting and
// renaming: the ADM list tests, whose every dialog must leave nothing alive.)
TEST(ControlData, MenuItemNumbersOutsideTheMenu) {
    MenuRef menu = nullptr;
    CreateNewMenu(3, 0, &menu);
    InsertMenuItemTextWithCFString(menu, Str("A"), 0, 0, 0);
    InsertMenuItemTextWithCFString(menu, Str("B"), 200, 0, 7);
    for (MenuItemIndex outside : {0, 3}) EXPECT_EQ(SetMenuItemTextWithCFString(menu, outside, Str("x")), paramErr);
    DeleteMenuItem(menu, 3), DeleteMenuItem(menu, 0), DeleteMenuItem(menu, 1);  // only the first is in the menu
    CFStringRef text = nullptr;
    CopyMenuItemTextAsCFString(menu, 1, &text);
    EXPECT_EQ(std::pair(static_cast<int>(CountMenuItems(menu)), take_utf8(text)), std::pair(1, std::string("B")));
    DisposeMenu(menu);
}
