// Items: the control each type makes, where it goes, what is refused, how a
// person's actions on it become notifications, and popup lists with their
// single entry cursor.
#include <functional>
#include <tuple>

#include "adm_test_support.h"

namespace admtest {
namespace {

using Items = WindowTest;
using Names = std::vector<std::string>;

struct Seen {
    std::vector<std::string> dialogTypes;
    std::vector<ADMItemRef> dialogItems, itemNotified;
    int draws = 0;
};
Seen _seen;

void dialog_notify(ADMDialogRef, ADMNotifierRef notifier) {
    _seen.dialogTypes.emplace_back(from_ref(notifier)->type);
    _seen.dialogItems.push_back(ADMNotifierSuite2::GetItem(notifier));
}

TEST_F(Items, PopupsStartAtOneWithAnEmptyMenuOfTheirOwn) {
    ADMItemRef a = add(_dialog, kADMPopupListType, {0, 0, 20, 100});
    ADMItemRef b = add(_dialog, kADMPopupMenuType, {30, 0, 50, 100});
    EXPECT_EQ(from_ref(_dialog)->nextMenuID, iADMDialog::kFirstMenuID + 2);
    for (ADMItemRef item : {a, b})
        EXPECT_EQ((std::tuple{tka::value(control_of(item)), tka::minimum(control_of(item)),
                              tka::popupEntries(control_of(item)).size(), from_ref(item)->list.menu != nullptr}),
                  std::tuple(1, 1, 0u, true));
    EXPECT_NE(from_ref(a)->list.menu, from_ref(b)->list.menu);
}

TEST_F(Items, FailedNativeCallLeavesAnItemWithoutControl) {
    // The toolkit refuses to make controls for a window it does not know.
    int notAWindow = 0;
    WindowRef window = from_ref(_dialog)->window;
    from_ref(_dialog)->window = reinterpret_cast<WindowRef>(&notAWindow);
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {10, 10, 30, 90}, 9);
    ADMItemRef text = add(_dialog, kADMTextStaticType, {40, 10, 60, 90}, 10);
    from_ref(_dialog)->window = window;
    ASSERT_TRUE(button && text);
    EXPECT_EQ((std::tuple{control_of(button), label_of(text), tka::subviews(root_of(_dialog)).size(),
                          ADMDialogSuite9::GetItem(_dialog, 9), ADMDialogSuite9::GetNextItem(_dialog, button)}),
              std::tuple(ControlRef{}, ControlRef{}, 0u, button, text));
    for (ADMItemRef item : {button, text}) {
        ADMItemSuite10::Show(item, false);
        ADMItemSuite10::Enable(item, true);
        ADMItemSuite10::SetText(item, "x");
        ADMItemSuite10::SetFloatValue(item, 3);
        Rect r{1, 2, 3, 4};
        ADMItemSuite10::GetBoundsRect(item, &r);
        EXPECT_EQ((std::tuple{ADMItemSuite10::IsEnabled(item), ADMItemSuite10::GetFloatValue(item), r}),
                  std::tuple(false, 3.0f, Rect{0, 0, 0, 0}));
    }
}

TEST_F(Items, FailingInitProcReturnsNullButTheItemStays) {
    const Rect r{0, 0, 20, 80};
    ADMItemRef made = ADMItemSuite10::Create(
        _dialog, 4, kADMTextPushButtonType, &r, [](ADMItemRef) -> ASErr { return 1; }, nullptr, 0);
    ADMItemRef const kept = ADMDialogSuite9::GetItem(_dialog, 4);
    EXPECT_TRUE(!made && kept && control_of(kept));
}

// The first of a run of consecutive ids starts on; a check box ends the run;
// a button switched on turns the rest of its group off, switched off touches no
// other; created out of order, the group is still found above.
TEST_F(Items, RadioButtonsWithConsecutiveIdsFormAGroup) {
    std::vector<ADMItemRef> items;
    for (int id : {10, 11, 12, 13, 14, 22, 21, 20}) {
        const auto top = static_cast<SInt16>(20 * items.size());
        items.push_back(add(_dialog, id == 13 ? kADMTextCheckBoxType : kADMTextRadioButtonType,
                            {top, 0, static_cast<SInt16>(top + 15), 80}, id));
    }
    const auto states = [&] {
        std::string on;
        for (ADMItemRef item : items) on += ADMItemSuite10::GetBooleanValue(item) ? '1' : '0';
        return on;
    };
    EXPECT_TRUE(states() == "10001100" && tka::click(control_of(items[2])) && states() == "00101100");
    ADMItemSuite10::SetBooleanValue(items[1], true);
    EXPECT_EQ(states(), "01001100");
    ADMItemSuite10::SetBooleanValue(items[1], false);
    items.push_back(add(_dialog, kADMTextRadioButtonType, {200, 0, 215, 80}, 9));  // joins a group with none on
    EXPECT_EQ(states(), "000011001");
}

TEST_F(Items, WhatAPersonDoesToAnItemWithoutNotifyProcReachesTheDialogAsUserChanged) {
    ADMDialogSuite9::SetNotifyProc(_dialog, dialog_notify);
    const auto click = [](ADMItemRef item) { tka::click(control_of(item)); };
    const auto choose = [](ADMItemRef item) {
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(ADMItemSuite10::GetList(item), 0), "Camera 1");
        tka::choosePopupEntry(control_of(item), "Camera 1");
    };
    const auto type = [](ADMItemRef item) {
        tka::typeText(control_of(item), "5");
        tka::pressKey(kTabCharCode);
    };
    // A command that is not the item's own is left to others.
    const auto other = [&](ADMItemRef i) { SetControlCommandID(control_of(i), kADMItemCommandID + 1), click(i); };
    // A static text is never enabled nor clickable.
    const auto click_text = [](ADMItemRef item) {
        ADMItemSuite10::Enable(item, true);
        EXPECT_FALSE(ADMItemSuite10::IsEnabled(item) || tka::click(label_of(item)));
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
        {kADMTextRadioButtonType, click, true}, {kADMTextStaticType, click_text, false},
        {kADMTextCheckBoxType, other, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        _seen = Seen{};
        ADMItemRef item = add(_dialog, c.type, {10, 10, 40, 110});
        c.act(item);
        using Heard = std::pair<std::vector<ADMItemRef>, Names>;
        EXPECT_EQ((std::pair{_seen.dialogItems, _seen.dialogTypes}),
                  (c.heard ? Heard{{item}, {kADMUserChangedNotifier}} : Heard{}));
        ADMItemSuite10::Show(item, false);
    }
}

TEST_F(Items, AnItemNotifyProcTakesTheClickInstead) {
    _seen = Seen{};
    ADMDialogSuite9::SetNotifyProc(_dialog, dialog_notify);
    ADMItemRef box = add(_dialog, kADMTextCheckBoxType, {10, 10, 25, 110});
    ADMItemSuite10::SetNotifyProc(box, [](ADMItemRef item, ADMNotifierRef notifier) {
        _seen.itemNotified.push_back(item);
        const auto is = [](ADMNotifierRef n, const char* type) { return ADMNotifierSuite2::IsNotifierType(n, type); };
        EXPECT_TRUE(is(notifier, kADMUserChangedNotifier) && !is(notifier, "adm user changed notifier") &&
                    !is(notifier, kADMCloseHitNotifier) && !is(nullptr, kADMUserChangedNotifier) && !is(notifier, {}));
        ADMItemSuite10::DefaultNotify(item, notifier);
    });
    ASSERT_TRUE(tka::click(control_of(box)));
    // The box toggled itself, and the dialog heard nothing. A box in a window is as large as a check box is.
    EXPECT_EQ((std::tuple{_seen.itemNotified, _seen.dialogItems.size(), ADMItemSuite10::GetBooleanValue(box),
                          tka::frame(control_of(box))}),
              std::tuple(std::vector<ADMItemRef>{box}, 0u, ADMBoolean{true}, Rect{10, 10, 23, 70}));
}

TEST_F(Items, AButtonClickedInANotifyProcThatDestroysTheDialogIsSafe) {
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {10, 10, 30, 110});
    static ADMDialogRef dialog;
    dialog = _dialog;
    ADMItemSuite10::SetNotifyProc(button, [](ADMItemRef, ADMNotifierRef) { ADMDialogSuite9::Destroy(dialog); });
    ASSERT_TRUE(tka::click(control_of(button)));
    _dialog = nullptr;
}

// What cannot become an item makes none, and null references read as nothing and are never followed, whichever
// argument is null.
TEST_F(Items, NothingIsMadeOrReadFromWhatIsMissing) {
    Rect r{0, 0, 10, 10};
    ADMPoint best{};
    ADMItemSuite10::SetLocalRect(nullptr, &r), ADMItemSuite10::GetBoundsRect(nullptr, &r);
    ADMItemSuite10::GetBestSize(nullptr, &best), ADMDialogSuite9::DefaultNotify(_dialog, nullptr);
    ADMDialogSuite9::SetLocalRect(nullptr, &r), ADMDialogSuite9::SetBoundsRect(nullptr, &r);
    ADMDialogSuite9::GetBoundsRect(nullptr, &r);
    EXPECT_EQ((std::tuple{ADMItemSuite10::GetID(nullptr) + ADMItemSuite10::GetIntValue(nullptr) +
                              ADMEntrySuite6::GetIndex(nullptr) + ADMListSuite4::NumberOfEntries(nullptr),
                          ADMItemSuite10::IsEnabled(nullptr) || ADMItemSuite10::GetBooleanValue(nullptr) ||
                              ADMDialogSuite9::IsVisible(nullptr) || ADMBasicSuite8::GetScreenDimensions(nullptr, &r) ||
                              ADMItemSuite10::DefaultTrack(nullptr, nullptr) || add(nullptr, kADMTextEditType, r) ||
                              ADMDialogSuite9::DefaultTrack(nullptr, nullptr) || add(_dialog, nullptr, r) ||
                              add(_dialog, "ADM Text Edit Popup Type", r) || add(_dialog, "adm frame type", r) ||
                              ADMItemSuite10::Create(_dialog, 1, kADMTextEditType, nullptr, nullptr, nullptr, 0),
                          from_ref(_dialog)->items.empty()}),
              std::tuple(0, false, true));
}

TEST_F(Items, DefaultDrawLeavesTheStandardLook) {
    _seen = Seen{};
    ADMItemRef button = add(_dialog, kADMTextPushButtonType, {20, 30, 40, 130});
    ADMItemSuite10::SetText(button, "Apply");
    ADMItemSuite10::DefaultDraw(button, nullptr), ADMItemSuite10::DefaultNotify(button, nullptr);
    const tka::Bitmap plain = tka::renderWindow(from_ref(_dialog)->window);
    // The first draw passes no item, which is ignored: the button stays undrawn.
    ADMItemSuite10::SetDrawProc(button, [](ADMItemRef item, ADMDrawerRef drawer) {
        ADMItemSuite10::DefaultDraw(_seen.draws++ ? item : nullptr, drawer);
    });
    const tka::Bitmap undrawn = tka::renderWindow(from_ref(_dialog)->window);
    const tka::Bitmap drawn = tka::renderWindow(from_ref(_dialog)->window);
    EXPECT_EQ((std::tuple{_seen.draws, plain.pixels == undrawn.pixels, plain.pixels}),
              std::tuple(2, false, drawn.pixels));
}

// The entry handle is the list itself with a cursor: indexing moves the cursor,
// the popup's value 1 is entry 0, entries go in after the menu item of their
// index, and an index past the end names no entry.
// The list of any other item has no entries.
TEST_F(Items, EntriesThroughTheListsCursor) {
    ADMItemRef const _popup = add(_dialog, kADMPopupListType, {10, 10, 30, 150}, 7);
    ADMListRef const _list = ADMItemSuite10::GetList(_popup);
    const auto entries = [&] { return tka::popupEntries(control_of(_popup)); };
    ADMEntryRef entry = ADMListSuite4::IndexEntry(_list, 3);
    // Braced, so that the reads go in this order.
    EXPECT_EQ((std::tuple{reinterpret_cast<void*>(entry), ADMEntrySuite6::GetList(entry),
                          ADMEntrySuite6::GetIndex(entry), ADMListSuite4::GetActiveEntry(_list)}),
              std::tuple(reinterpret_cast<void*>(_list), _list, 3, ADMEntryRef{}));

    for (const char* text : {"A", "C"})
        ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(_list, ADMListSuite4::NumberOfEntries(_list)), text);
    ADMEntrySuite6::SetText(ADMListSuite4::InsertEntry(_list, 1), "B");
    EXPECT_EQ((std::pair{entries(), ADMListSuite4::NumberOfEntries(_list)}), std::pair(Names{"A", "B", "C"}, 3));
    ADMListSuite4::RemoveEntry(_list, 0);
    ADMEntrySuite6::SetText(ADMListSuite4::IndexEntry(_list, 5), "Stray");
    EXPECT_EQ(entries(), (Names{"B", "C"}));

    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 1), true);
    EXPECT_EQ((std::pair{tka::value(control_of(_popup)), tka::text(control_of(_popup))}),
              std::pair(2, std::string("C")));
    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(_list, 0), false);
    EXPECT_EQ(tka::value(control_of(_popup)), 2) << "deselecting does nothing";
    ADMListSuite4::IndexEntry(_list, 4);
    ADMEntryRef active = ADMListSuite4::GetActiveEntry(_list);
    EXPECT_EQ(active ? ADMEntrySuite6::GetIndex(active) : -1, 1);

    ADMListRef list = ADMItemSuite10::GetList(add(_dialog, kADMTextPushButtonType, {40, 10, 60, 100}));
    EXPECT_EQ((std::tuple{ADMListSuite4::InsertEntry(list, 0), ADMListSuite4::NumberOfEntries(list),
                          ADMListSuite4::GetActiveEntry(list)}),
              std::tuple(reinterpret_cast<ADMEntryRef>(list), 0, ADMEntryRef{}));
}

}  // namespace
}  // namespace admtest
