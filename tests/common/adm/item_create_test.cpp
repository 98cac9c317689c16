// Items: the control each type makes, where it goes, and what is refused.
#include "adm_test_support.h"

namespace admtest {
namespace {

class ItemCreation : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _dialog = makeWindow();
        ASSERT_NE(_dialog, nullptr);
    }
    void TearDown() override {
        ADMDialogSuite9::Destroy(_dialog);
        AdmTest::TearDown();
    }
    ADMDialogRef _dialog = nullptr;
};

TEST_F(ItemCreation, EachTypeMakesItsControlWithTheItemCommand) {
    const std::vector<std::string> kinds = {"group box", "bevel button", "icon",        "popup button",
                                            "popup button", "check box", "edit text",  "push button",
                                            "radio button", "static text"};
    for (std::size_t i = 0; i < kAllTypes.size(); ++i) {
        SCOPED_TRACE(kAllTypes[i]);
        ADMItemRef item = add(_dialog, kAllTypes[i], {10, 10, 40, 110}, static_cast<ADMInt32>(i));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(ADMItemSuite10::GetID(item), static_cast<ADMInt32>(i));
        const bool isStatic = kinds[i] == "static text";
        HIViewRef view = isStatic ? label_of(item) : control_of(item);
        EXPECT_EQ(tka::kindName(view), kinds[i]);
        EXPECT_EQ(HIViewGetSuperview(view), root_of(_dialog));
        UInt32 command = 0;
        GetControlCommandID(view, &command);
        EXPECT_EQ(command, isStatic ? 0u : kADMItemCommandID);
        EXPECT_EQ(from_ref(item)->type, kAllTypes[i]);
    }
}

TEST_F(ItemCreation, EditTextIs13HighAndCheckBox13By60) {
    ADMItemRef edit = add(_dialog, kADMTextEditType, {20, 30, 80, 130});
    ADMItemRef box = add(_dialog, kADMTextCheckBoxType, {50, 30, 90, 330});
    Rect r{};
    GetControlBounds(control_of(edit), &r);
    EXPECT_EQ(r, (Rect{20, 30, 33, 130}));
    GetControlBounds(control_of(box), &r);
    EXPECT_EQ(r, (Rect{50, 30, 63, 90}));
    EXPECT_EQ(tka::value(control_of(box)), 0);
}

TEST_F(ItemCreation, PopupsStartAtOneWithAnEmptyMenuOfTheirOwn) {
    ADMItemRef a = add(_dialog, kADMPopupListType, {0, 0, 20, 100});
    ADMItemRef b = add(_dialog, kADMPopupMenuType, {30, 0, 50, 100});
    EXPECT_EQ(from_ref(_dialog)->nextMenuID, iADMDialog::kFirstMenuID + 2);
    for (ADMItemRef item : {a, b}) {
        EXPECT_EQ(tka::value(control_of(item)), 1);
        EXPECT_EQ(tka::minimum(control_of(item)), 1);
        EXPECT_TRUE(tka::popupEntries(control_of(item)).empty());
        EXPECT_NE(from_ref(item)->list.menu, nullptr);
    }
    EXPECT_NE(from_ref(a)->list.menu, from_ref(b)->list.menu);
}

TEST_F(ItemCreation, UnknownTypesMakeNoItem) {
    EXPECT_EQ(add(_dialog, "ADM Text Edit Popup Type", {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(add(_dialog, "adm frame type", {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(add(_dialog, nullptr, {0, 0, 10, 10}), nullptr);
    EXPECT_TRUE(from_ref(_dialog)->items.empty());
}

TEST_F(ItemCreation, TheHundredAndFirstItemIsRefused) {
    std::vector<ADMItemRef> made;
    for (int i = 0; i < 100; ++i) made.push_back(add(_dialog, kADMTextStaticType, {0, 0, 10, 10}, i));
    ASSERT_EQ(std::count(made.begin(), made.end(), nullptr), 0);
    EXPECT_EQ(add(_dialog, kADMTextPushButtonType, {0, 0, 10, 10}, 100), nullptr);
    EXPECT_EQ(from_ref(_dialog)->items.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(ADMDialogSuite9::GetItem(_dialog, i), made[i]);
}

TEST_F(ItemCreation, FailedNativeCallLeavesAnItemWithoutControl) {
    // The toolkit refuses to make controls for a window it does not know.
    int notAWindow = 0;
    WindowRef window = from_ref(_dialog)->window;
    from_ref(_dialog)->window = reinterpret_cast<WindowRef>(&notAWindow);
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {10, 10, 30, 90}, 9);
    ADMItemRef text = add(_dialog, kADMTextStaticType, {40, 10, 60, 90}, 10);
    from_ref(_dialog)->window = window;
    ASSERT_NE(button, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(control_of(button), nullptr);
    EXPECT_EQ(label_of(text), nullptr);
    EXPECT_TRUE(tka::subviews(root_of(_dialog)).empty());
    for (ADMItemRef item : {button, text}) {
        ADMItemSuite10::Show(item, false);
        ADMItemSuite10::Enable(item, true);
        ADMItemSuite10::SetText(item, "x");
        ADMItemSuite10::SetFloatValue(item, 3);
        EXPECT_FALSE(ADMItemSuite10::IsEnabled(item));
        EXPECT_EQ(ADMItemSuite10::GetFloatValue(item), 3.0f);
        Rect r{1, 2, 3, 4};
        ADMItemSuite10::GetBoundsRect(item, &r);
        EXPECT_EQ(r, (Rect{0, 0, 0, 0}));
    }
    EXPECT_EQ(ADMDialogSuite9::GetItem(_dialog, 9), button);
    EXPECT_EQ(ADMDialogSuite9::GetNextItem(_dialog, button), text);
}

TEST_F(ItemCreation, FailingInitProcReturnsNullButTheItemStays) {
    const Rect r{0, 0, 20, 80};
    ADMItemRef made =
        ADMItemSuite10::Create(_dialog, 4, kADMTextPushButtonType, &r, [](ADMItemRef) -> ASErr { return 1; },
                               nullptr, 0);
    EXPECT_EQ(made, nullptr);
    ASSERT_NE(ADMDialogSuite9::GetItem(_dialog, 4), nullptr);
    EXPECT_NE(control_of(ADMDialogSuite9::GetItem(_dialog, 4)), nullptr);
}

TEST_F(ItemCreation, RadioButtonsWithConsecutiveIdsFormAGroup) {
    ADMDialogSuite9::Show(_dialog, true);
    ADMItemRef r10 = add(_dialog, kADMTextRadioButtonType, {0, 0, 15, 80}, 10);
    ADMItemRef r11 = add(_dialog, kADMTextRadioButtonType, {20, 0, 35, 80}, 11);
    ADMItemRef r12 = add(_dialog, kADMTextRadioButtonType, {40, 0, 55, 80}, 12);
    ADMItemRef box13 = add(_dialog, kADMTextCheckBoxType, {60, 0, 75, 80}, 13);
    ADMItemRef r14 = add(_dialog, kADMTextRadioButtonType, {80, 0, 95, 80}, 14);
    auto on = [](ADMItemRef item) { return ADMItemSuite10::GetBooleanValue(item) != 0; };
    EXPECT_TRUE(on(r10));
    EXPECT_FALSE(on(r11));
    EXPECT_FALSE(on(r12));
    EXPECT_TRUE(on(r14)) << "a check box ends the group";

    ASSERT_TRUE(tka::click(control_of(r12)));
    EXPECT_FALSE(on(r10));
    EXPECT_FALSE(on(r11));
    EXPECT_TRUE(on(r12));
    EXPECT_TRUE(on(r14));

    ADMItemSuite10::SetBooleanValue(r11, true);
    EXPECT_FALSE(on(r10));
    EXPECT_TRUE(on(r11));
    EXPECT_FALSE(on(r12));
    EXPECT_FALSE(on(box13));

    ADMItemSuite10::SetBooleanValue(r11, false);  // switching off touches no other button
    EXPECT_FALSE(on(r11));
    EXPECT_FALSE(on(r10));

    // Created out of order, the group is still found above: only the first made is on.
    ADMItemRef r22 = add(_dialog, kADMTextRadioButtonType, {0, 0, 15, 80}, 22);
    ADMItemRef r21 = add(_dialog, kADMTextRadioButtonType, {20, 0, 35, 80}, 21);
    ADMItemRef r20 = add(_dialog, kADMTextRadioButtonType, {40, 0, 55, 80}, 20);
    EXPECT_TRUE(on(r22));
    EXPECT_FALSE(on(r21));
    EXPECT_FALSE(on(r20));
}

TEST_F(ItemCreation, AFrameCreatedAfterItsContentsLiesBehindThem) {
    ADMItemRef edit = add(_dialog, kADMTextEditType, {30, 20, 50, 100});
    ADMItemRef box = add(_dialog, kADMTextCheckBoxType, {60, 20, 75, 100});
    ADMItemRef frame = add(_dialog, kADMFrameType, {10, 10, 100, 200});
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {110, 10, 130, 100});
    const std::vector<HIViewRef> order = tka::subviews(root_of(_dialog));
    const std::vector<HIViewRef> expected = {control_of(frame), control_of(edit), control_of(box), control_of(button)};
    EXPECT_EQ(order, expected);
}

TEST_F(ItemCreation, StaticTextIsNeverEnabledNorClickable) {
    ADMDialogSuite9::Show(_dialog, true);
    static int notified;
    notified = 0;
    ADMDialogSuite9::SetNotifyProc(_dialog, [](ADMDialogRef, ADMNotifierRef) { ++notified; });
    ADMItemRef text = add(_dialog, kADMTextStaticType, {0, 0, 20, 100});
    ADMItemSuite10::Enable(text, true);
    EXPECT_FALSE(ADMItemSuite10::IsEnabled(text));
    EXPECT_FALSE(tka::click(label_of(text)));
    EXPECT_EQ(notified, 0);
}

}  // namespace
}  // namespace admtest
