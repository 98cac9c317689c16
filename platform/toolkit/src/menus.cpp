// Menus: items numbered from 1, each with text, attributes and a command ID.
#include "menus.h"

#include <algorithm>

#include "display.h"
#include "popup_menus.h"
#include "refs.h"
#include "strings.h"

namespace tk::detail {
namespace {

// The popups showing the menu look different once its items change, and an
// open menu laid out for the old items closes.
void menu_changed(const TkMenu* menu) {
    registry().views.for_each([menu](const TkView* view) {
        if (view->menu == menu) touch(view);
    });
    close_menu_showing(menu);
}

}  // namespace

void dispose_menu(TkMenu* menu) {
    registry().views.for_each([menu](TkView* view) {
        if (view->menu == menu) {
            view->menu = nullptr;
            view->ownsMenu = false;
        }
    });
    registry().menus.remove(menu);
    delete menu;
    close_menu_if_unreachable();
}

const std::u16string* menu_item_text(const TkMenu* menu, SInt32 index) {
    if (!menu || index < 1 || index > static_cast<SInt32>(menu->items.size())) return nullptr;
    return &menu->items[static_cast<std::size_t>(index - 1)].text;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSStatus CreateNewMenu(MenuID inMenuID, MenuAttributes inMenuAttributes, MenuRef* outMenuRef) {
    if (!outMenuRef) return paramErr;
    auto* menu = new TkMenu;
    menu->serial = next_serial();
    menu->id = inMenuID;
    menu->attributes = inMenuAttributes;
    registry().menus.add(menu);
    *outMenuRef = ref_of(menu);
    return noErr;
}

void DisposeMenu(MenuRef menu) {
    if (TkMenu* found = find_menu(menu)) dispose_menu(found);
}

OSStatus InsertMenuItemTextWithCFString(MenuRef inMenu, CFStringRef inString, MenuItemIndex inAfterItem,
                                        MenuItemAttributes inAttributes, MenuCommand inCommandID) {
    TkMenu* menu = find_menu(inMenu);
    if (!menu) return paramErr;
    const auto* chars = string_chars(inString);
    if (!chars) return paramErr;
    // Inserting after an item beyond the last appends.
    const std::size_t at = std::min<std::size_t>(inAfterItem, menu->items.size());
    menu->items.insert(menu->items.begin() + static_cast<std::ptrdiff_t>(at),
                       TkMenuItem{*chars, inAttributes, inCommandID});
    menu_changed(menu);
    return noErr;
}

OSStatus SetMenuItemTextWithCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef inString) {
    TkMenu* menu = find_menu(inMenu);
    if (!menu || inItem < 1 || inItem > menu->items.size()) return paramErr;
    const auto* chars = string_chars(inString);
    if (!chars) return paramErr;
    menu->items[inItem - 1u].text = *chars;
    menu_changed(menu);
    return noErr;
}

OSStatus CopyMenuItemTextAsCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef* outString) {
    if (!outString) return paramErr;
    *outString = nullptr;
    const auto* text = menu_item_text(find_menu(inMenu), inItem);
    if (!text) return paramErr;
    *outString = new_string(*text);
    return noErr;
}

void DeleteMenuItem(MenuRef theMenu, MenuItemIndex item) {
    TkMenu* menu = find_menu(theMenu);
    if (!menu || item < 1 || item > menu->items.size()) return;
    menu->items.erase(menu->items.begin() + (item - 1));
    menu_changed(menu);
}

UInt16 CountMenuItems(MenuRef theMenu) {
    const TkMenu* menu = find_menu(theMenu);
    return menu ? static_cast<UInt16>(menu->items.size()) : 0;
}

}  // extern "C"
