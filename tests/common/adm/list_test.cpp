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

// The entry handle is the list itself with a cursor: indexing moves the cursor,
// the popup's value 1 is entry 0, entries go in after the menu item of their
// index, and an index past the end names no entry.
TEST_F(PopupList, EntriesThroughTheListsCursor) {
    ADMEntryRef entry = ADMListSuite4::IndexEntry(_list, 3);
    EXPECT_EQ(reinterpret_cast<void*>(entry), reinterpret_cast<void*>(_list));
    EXPECT_EQ(ADMEntrySuite6::GetList(entry), _list);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(entry), 3);
    EXPECT_EQ(ADMListSuite4::GetActiveEntry(_list), nullptr);

    addEntries({"A", "C"});
    ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(_list, 1), "B");
    EXPECT_EQ(entries(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(ADMListSuite4::NumberOfEntries(_list), 3);
    ADMListSuite4::RemoveEntry(_list, 0);
    EXPECT_EQ(entries(), (std::vector<std::string>{"B", "C"}));
    ADMEntrySuite6::SetText(ADMListSuite4::IndexEntry(_list, 5), "Stray");
    EXPECT_EQ(entries(), (std::vector<std::string>{"B", "C"}));

    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 1), true);
    EXPECT_EQ(tka::value(control_of(_popup)), 2);
    EXPECT_EQ(tka::text(control_of(_popup)), "C");
    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 0), false);
    EXPECT_EQ(tka::value(control_of(_popup)), 2) << "deselecting does nothing";
    ADMListSuite4::IndexEntry(_list, 4);
    ADMEntryRef active = ADMListSuite4::GetActiveEntry(_list);
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(ADMEntrySuite6::GetIndex(active), 1);
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
