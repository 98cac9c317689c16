// Native events of item controls become ADM notifications and draw calls.
#include <functional>

#include "adm/detail/iADMDrawer.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

struct Seen {
    std::vector<std::string> dialogTypes;
    std::vector<ADMItemRef> dialogItems;
    std::vector<ADMItemRef> itemNotified;
    int draws = 0;
};
Seen _seen;

void dialog_notify(ADMDialogRef, ADMNotifierRef notifier) {
    _seen.dialogTypes.emplace_back(from_ref(notifier)->type);
    _seen.dialogItems.push_back(ADMNotifierSuite2::GetItem(notifier));
}

class ItemEvents : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _seen = Seen{};
        _dialog = makeWindow();
        ADMDialogSuite9::SetNotifyProc(_dialog, dialog_notify);
        ADMDialogSuite9::Show(_dialog, true);
    }
    void TearDown() override {
        ADMDialogSuite9::Destroy(_dialog);
        AdmTest::TearDown();
    }
    ADMDialogRef _dialog = nullptr;
};

TEST_F(ItemEvents, WhatAPersonDoesToAnItemWithoutNotifyProcReachesTheDialogAsUserChanged) {
    const auto click = [](ADMItemRef item) { tka::click(control_of(item)); };
    const auto choose = [](ADMItemRef item) {
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(ADMItemSuite10::GetList(item), 0), "Camera 1");
        tka::choosePopupEntry(control_of(item), "Camera 1");
    };
    const auto type = [](ADMItemRef item) {
        tka::typeText(control_of(item), "5");
        tka::pressKey(kTabCharCode);
    };
    const struct {
        ADMItemType type;
        std::function<void(ADMItemRef)> act;
        bool heard;
    } cases[] = {
        {kADMFrameType, click, false},          {kADMPicturePushButtonType, click, true},
        {kADMPictureStaticType, click, false},  {kADMPopupListType, choose, true},
        {kADMPopupMenuType, choose, true},      {kADMTextCheckBoxType, click, true},
        {kADMTextEditType, type, true},         {kADMTextPushButtonType, click, true},
        {kADMTextRadioButtonType, click, true}, {kADMTextStaticType, click, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        _seen = Seen{};
        ADMItemRef item = add(_dialog, c.type, {10, 10, 40, 110});
        if (control_of(item)) c.act(item);
        EXPECT_EQ(_seen.dialogItems, c.heard ? std::vector<ADMItemRef>{item} : std::vector<ADMItemRef>{});
        EXPECT_EQ(_seen.dialogTypes, c.heard ? std::vector<std::string>{kADMUserChangedNotifier} : std::vector<std::string>{});
        ADMItemSuite10::Show(item, false);
    }
}

TEST_F(ItemEvents, AnItemNotifyProcTakesTheClickInstead) {
    ADMItemRef box = add(_dialog, kADMTextCheckBoxType, {10, 10, 25, 110});
    ADMItemSuite10::SetNotifyProc(box, [](ADMItemRef item, ADMNotifierRef notifier) {
        _seen.itemNotified.push_back(item);
        EXPECT_TRUE(ADMNotifierSuite2::IsNotifierType(notifier, kADMUserChangedNotifier));
        EXPECT_FALSE(ADMNotifierSuite2::IsNotifierType(notifier, "adm user changed notifier"));
        EXPECT_FALSE(ADMNotifierSuite2::IsNotifierType(notifier, kADMCloseHitNotifier));
        ADMItemSuite10::DefaultNotify(item, notifier);
    });
    ASSERT_TRUE(tka::click(control_of(box)));
    EXPECT_EQ(_seen.itemNotified, std::vector<ADMItemRef>{box});
    EXPECT_TRUE(_seen.dialogItems.empty());
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(box)) << "the box toggled itself";
}

TEST_F(ItemEvents, AButtonClickedInANotifyProcThatDestroysTheDialogIsSafe) {
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {10, 10, 30, 110});
    static ADMDialogRef dialog;
    dialog = _dialog;
    ADMItemSuite10::SetNotifyProc(button, [](ADMItemRef, ADMNotifierRef) { ADMDialogSuite9::Destroy(dialog); });
    ASSERT_TRUE(tka::click(control_of(button)));
    _dialog = nullptr;
}

TEST_F(ItemEvents, DefaultDrawLeavesTheStandardLook) {
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {20, 30, 40, 130});
    ADMItemSuite10::SetText(button, "Apply");
    const tka::Bitmap plain = tka::renderWindow(from_ref(_dialog)->window);
    ADMItemSuite10::SetDrawProc(button, [](ADMItemRef item, ADMDrawerRef drawer) {
        ++_seen.draws;
        ADMItemSuite10::DefaultDraw(item, drawer);
    });
    const tka::Bitmap drawn = tka::renderWindow(from_ref(_dialog)->window);
    EXPECT_EQ(_seen.draws, 1);
    EXPECT_EQ(plain.pixels, drawn.pixels);
}

}  // namespace
}  // namespace admtest
