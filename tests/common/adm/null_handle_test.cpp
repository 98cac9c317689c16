// A null handle makes every suite function do nothing and answer 0, false or null.
#include "adm_test_support.h"

namespace admtest {
namespace {

TEST(NullHandles, DialogSuite) {
    ADMRect r{1, 2, 3, 4};
    ADMDialogSuite9::Destroy(nullptr);
    ADMDialogSuite9::SetNotifyProc(nullptr, nullptr);
    ADMDialogSuite9::SetUserData(nullptr, &r);
    ADMDialogSuite9::DefaultNotify(nullptr, nullptr);
    ADMDialogSuite9::Show(nullptr, true);
    ADMDialogSuite9::SetLocalRect(nullptr, &r);
    ADMDialogSuite9::SetBoundsRect(nullptr, &r);
    ADMDialogSuite9::GetBoundsRect(nullptr, &r);
    ADMDialogSuite9::SetText(nullptr, "x");
    EXPECT_EQ(r, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(ADMDialogSuite9::GetUserData(nullptr), nullptr);
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(nullptr));
    EXPECT_FALSE(ADMDialogSuite9::IsEnabled(nullptr));
    EXPECT_EQ(ADMDialogSuite9::GetItem(nullptr, 0), nullptr);
    EXPECT_EQ(ADMDialogSuite9::GetNextItem(nullptr, nullptr), nullptr);
    EXPECT_EQ(ADMDialogSuite9::Modal(nullptr, "x", 0, 0, nullptr, nullptr, 0), 0);
}

TEST(NullHandles, ItemSuite) {
    ADMRect r{1, 2, 3, 4};
    ADMPoint p{5, 6};
    char text[48] = "unchanged";
    float value = 9;
    ADMItemSuite10::SetDrawProc(nullptr, nullptr);
    ADMItemSuite10::SetUserData(nullptr, &r);
    ADMItemSuite10::Show(nullptr, true);
    ADMItemSuite10::Enable(nullptr, true);
    ADMItemSuite10::SetLocalRect(nullptr, &r);
    ADMItemSuite10::GetBoundsRect(nullptr, &r);
    ADMItemSuite10::GetBestSize(nullptr, &p);
    ADMItemSuite10::SetFont(nullptr, kADMBoldDialogFont);
    ADMItemSuite10::SetText(nullptr, "x");
    ADMItemSuite10::SetBooleanValue(nullptr, true);
    ADMItemSuite10::SetFloatValue(nullptr, 1);
    ADMItemSuite10::SetMinFloatValue(nullptr, 1);
    ADMItemSuite10::SetMaxFloatValue(nullptr, 1);
    ADMItemSuite10::SetFloatToTextProc(nullptr, nullptr);
    ADMItemSuite10::DefaultDraw(nullptr, nullptr);
    ADMItemSuite10::DefaultNotify(nullptr, nullptr);
    EXPECT_EQ(r, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(p.v, 5);
    EXPECT_EQ(ADMItemSuite10::GetUserData(nullptr), nullptr);
    EXPECT_EQ(ADMItemSuite10::GetID(nullptr), 0);
    EXPECT_EQ(ADMItemSuite10::GetList(nullptr), nullptr);
    EXPECT_FALSE(ADMItemSuite10::IsEnabled(nullptr));
    EXPECT_FALSE(ADMItemSuite10::GetBooleanValue(nullptr));
    EXPECT_EQ(ADMItemSuite10::GetIntValue(nullptr), 0);
    EXPECT_EQ(ADMItemSuite10::GetFloatValue(nullptr), 0.0f);
    EXPECT_FALSE(ADMItemSuite10::DefaultFloatToText(nullptr, 1, text, sizeof text));
    EXPECT_FALSE(ADMItemSuite10::DefaultTextToFloat(nullptr, "7", &value));
    EXPECT_STREQ(text, "unchanged");
    EXPECT_EQ(value, 9);
    EXPECT_EQ(ADMItemSuite10::Create(nullptr, 1, kADMTextEditType, &r, nullptr, nullptr, 0), nullptr);
}

TEST(NullHandles, DrawingListsAndNotifiers) {
    ADMRect r{1, 2, 3, 4};
    ADMPoint p{0, 0};
    ADMDrawerSuite5::FillRect(nullptr, &r);
    ADMDrawerSuite5::GetBoundsRect(nullptr, &r);
    ADMDrawerSuite5::SetADMColor(nullptr, kADMBlackColor);
    ADMDrawerSuite5::DrawADMImage(nullptr, nullptr, &p);
    ADMImageSuite2::Destroy(nullptr);
    EXPECT_EQ(r, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(ADMImageSuite2::BeginADMDrawer(nullptr), nullptr);
    EXPECT_EQ(ADMImageSuite2::GetWidth(nullptr), 0);
    EXPECT_EQ(ADMImageSuite2::GetHeight(nullptr), 0);
    EXPECT_EQ(ADMListSuite4::GetActiveEntry(nullptr), nullptr);
    EXPECT_EQ(ADMListSuite4::IndexEntry(nullptr, 0), nullptr);
    EXPECT_EQ(ADMListSuite4::InsertEntry(nullptr, 0), nullptr);
    EXPECT_EQ(ADMListSuite4::NumberOfEntries(nullptr), 0);
    ADMListSuite4::RemoveEntry(nullptr, 0);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(nullptr), 0);
    EXPECT_EQ(ADMEntrySuite6::GetList(nullptr), nullptr);
    ADMEntrySuite6::Select(nullptr, true);
    ADMEntrySuite6::SetText(nullptr, "x");
    EXPECT_EQ(ADMNotifierSuite2::GetItem(nullptr), nullptr);
    EXPECT_FALSE(ADMNotifierSuite2::IsNotifierType(nullptr, kADMUserChangedNotifier));
    EXPECT_FALSE(ADMBasicSuite8::GetScreenDimensions(nullptr, &r));
}

}  // namespace
}  // namespace admtest
