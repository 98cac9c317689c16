// The popup list of an item and its single entry cursor. Entries count from 0,
// the popup menu's items from 1: entry i is menu item i + 1.
#pragma once

#include <type_traits>

#include "adm/ADMTypes.h"

class iADMList;

// The one entry handle of a list: every list call that returns an entry moves it.
struct iADMEntry {
    int index{};
    iADMList* list = nullptr;

    void Select(bool select);
    void SetText(const char* text);
};

class iADMList {
public:
    // First, so that the list's address is also its entry's address.
    iADMEntry entry;
    ControlRef control = nullptr;  // the item's popup control
    MenuRef menu = nullptr;        // the popup's owned menu

    // Cursor to the popup's current entry; true when the menu has any item.
    bool GetActiveEntry();
    void IndexEntry(int index);
    void InsertEntry(int index);
    int NumberOfEntries() const;
    void RemoveEntry(int index);
};

static_assert(std::is_standard_layout_v<iADMList>, "a list handle doubles as its entry handle");
