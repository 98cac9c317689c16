// Popup lists and their single entry cursor.
#include "adm_test_support.h"

namespace admtest {
namespace {

class PopupList : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _dialog = makeWindow();
        _popup = add(_dialog, kADMPopupListType, {10, 10, 30, 150}, 7);
        _list = ADMItemSuite10::GetList(_popup);
        ASSERT_NE(_list, nullptr);
    }
    void TearDown() override {
        ADMDialogSuite9::Destroy(_dialog);
        AdmTest::TearDown();
    }
    void addEntries(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            ADMEntryRef entry = ADMListSuite4::InsertEntry(_list, ADMListSuite4::NumberOfEntries(_list));
            ADMEntrySuite6::SetText(entry, text);
        }
    }
    std::vector<std::string> entries() const { return tka::popupEntries(control_of(_popup)); }

    ADMDialogRef _dialog = nullptr;
    ADMItemRef _popup = nullptr;
    ADMListRef _list = nullptr;
};

TEST_F(PopupList, TheEntryHandleIsTheListItself) {
    ADMEntryRef entry = ADMListSuite4::IndexEntry(_list, 3);
    EXPECT_EQ(reinterpret_cast<void*>(entry), reinterpret_cast<void*>(_list));
    EXPECT_EQ(ADMEntrySuite6::GetList(entry), _list);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(entry), 3);
    EXPECT_EQ(ADMItemSuite10::GetList(_popup), _list);
}

TEST_F(PopupList, InsertEntryZeroOnAnEmptyList) {
    EXPECT_EQ(ADMListSuite4::GetActiveEntry(_list), nullptr);
    ADMEntryRef entry = ADMListSuite4::InsertEntry(_list, 0);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(ADMListSuite4::NumberOfEntries(_list), 1);
    ADMEntrySuite6::SetText(entry, "Camera 1");
    EXPECT_EQ(entries(), std::vector<std::string>{"Camera 1"});
    ADMListSuite4::IndexEntry(_list, 4);
    ASSERT_EQ(ADMListSuite4::GetActiveEntry(_list), entry);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(entry), 0) << "the popup's value 1 is entry 0";
}

TEST_F(PopupList, EntriesAreInsertedAfterTheMenuItemOfTheirIndex) {
    addEntries({"A", "C"});
    ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(_list, 1), "B");
    EXPECT_EQ(entries(), (std::vector<std::string>{"A", "B", "C"}));
    ADMListSuite4::RemoveEntry(_list, 0);
    EXPECT_EQ(entries(), (std::vector<std::string>{"B", "C"}));
    ADMEntrySuite6::SetText(ADMListSuite4::IndexEntry(_list, 5), "Stray");  // past the end: no entry
    EXPECT_EQ(entries(), (std::vector<std::string>{"B", "C"}));
}

TEST_F(PopupList, SelectMakesTheEntryCurrent) {
    addEntries({"Camera 1", "Camera 2", "Camera 3"});
    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 2), true);
    EXPECT_EQ(tka::value(control_of(_popup)), 3);
    EXPECT_EQ(tka::text(control_of(_popup)), "Camera 3");
    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 0), false);
    EXPECT_EQ(tka::value(control_of(_popup)), 3) << "deselecting does nothing";
    ADMEntryRef active = ADMListSuite4::GetActiveEntry(_list);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(active), 2);
}

TEST_F(PopupList, ListsOfOtherItemsHaveNoEntries) {
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {40, 10, 60, 100});
    ADMListRef list = ADMItemSuite10::GetList(button);
    EXPECT_EQ(ADMListSuite4::InsertEntry(list, 0), reinterpret_cast<ADMEntryRef>(list));
    EXPECT_EQ(ADMListSuite4::NumberOfEntries(list), 0);
    EXPECT_EQ(ADMListSuite4::GetActiveEntry(list), nullptr);
}

}  // namespace
}  // namespace admtest
