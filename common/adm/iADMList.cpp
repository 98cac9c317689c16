#include "adm/detail/iADMList.h"

#include "adm/detail/ScopedCFString.h"

namespace {

// Menu item numbers are 16-bit on the toolkit side.
MenuItemIndex menu_item(int entryIndex) { return static_cast<MenuItemIndex>(entryIndex + 1); }

}  // namespace

bool iADMList::GetActiveEntry() {
    if (!control || NumberOfEntries() < 1) return false;
    entry.index = GetControl32BitValue(control) - 1;
    return true;
}

void iADMList::IndexEntry(int index) { entry.index = index; }

void iADMList::InsertEntry(int index) {
    if (menu) {
        // An empty item after menu item `index` becomes entry `index`; its text is
        // shown as given, without menu meta characters.
        ScopedCFString empty("");
        InsertMenuItemTextWithCFString(menu, empty.get(), static_cast<MenuItemIndex>(index), kMenuItemAttrIgnoreMeta,
                                       0);
    }
    entry.index = index;
}

int iADMList::NumberOfEntries() const { return menu ? CountMenuItems(menu) : 0; }

void iADMList::RemoveEntry(int index) {
    if (menu) DeleteMenuItem(menu, menu_item(index));
}

void iADMEntry::Select(bool select) {
    if (select && list && list->control) SetControl32BitValue(list->control, index + 1);
}

void iADMEntry::SetText(const char* text) {
    if (!list || !list->menu || !text) return;
    ScopedCFString string(text);
    SetMenuItemTextWithCFString(list->menu, menu_item(index), string.get());
}
