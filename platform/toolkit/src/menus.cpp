// Menus: items numbered from 1, each with text, attributes and a command ID.
#include "menus.h"

#include <algorithm>

#include "registry.h"
#include "strings.h"

namespace tk::detail {

void dispose_menu(MenuRef menu) {
    if (!is_menu(menu)) return;
    for (const void* v : registry().views) {
        auto* view = const_cast<OpaqueControlRef*>(static_cast<const OpaqueControlRef*>(v));
        if (view->menu == menu) {
            view->menu = nullptr;
            view->ownsMenu = false;
        }
    }
    registry().menus.erase(menu);
    delete menu;
}

const std::u16string* menu_item_text(MenuRef menu, SInt32 index) {
    if (!is_menu(menu) || index < 1 || index > static_cast<SInt32>(menu->items.size())) return nullptr;
    return &menu->items[static_cast<std::size_t>(index - 1)].text;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSStatus CreateNewMenu(MenuID inMenuID, MenuAttributes inMenuAttributes, MenuRef* outMenuRef) {
    if (!outMenuRef) return paramErr;
    auto* menu = new OpaqueMenuRef;
    menu->id = inMenuID;
    menu->attributes = inMenuAttributes;
    registry().menus.insert(menu);
    *outMenuRef = menu;
    return noErr;
}

void DisposeMenu(MenuRef menu) { dispose_menu(menu); }

OSStatus InsertMenuItemTextWithCFString(MenuRef inMenu, CFStringRef inString, MenuItemIndex inAfterItem,
                                        MenuItemAttributes inAttributes, MenuCommand inCommandID) {
    if (!is_menu(inMenu)) return paramErr;
    const auto* chars = string_chars(inString);
    if (!chars) return paramErr;
    // Inserting after an item beyond the last appends.
    const std::size_t at = std::min<std::size_t>(inAfterItem, inMenu->items.size());
    inMenu->items.insert(inMenu->items.begin() + static_cast<std::ptrdiff_t>(at),
                         TkMenuItem{*chars, inAttributes, inCommandID});
    return noErr;
}

OSStatus SetMenuItemTextWithCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef inString) {
    if (!is_menu(inMenu) || inItem < 1 || inItem > inMenu->items.size()) return paramErr;
    const auto* chars = string_chars(inString);
    if (!chars) return paramErr;
    inMenu->items[inItem - 1u].text = *chars;
    return noErr;
}

OSStatus CopyMenuItemTextAsCFString(MenuRef inMenu, MenuItemIndex inItem, CFStringRef* outString) {
    if (!outString) return paramErr;
    *outString = nullptr;
    const auto* text = menu_item_text(inMenu, inItem);
    if (!text) return paramErr;
    *outString = new_string(*text);
    return noErr;
}

void DeleteMenuItem(MenuRef theMenu, MenuItemIndex item) {
    if (!is_menu(theMenu) || item < 1 || item > theMenu->items.size()) return;
    theMenu->items.erase(theMenu->items.begin() + (item - 1));
}

UInt16 CountMenuItems(MenuRef theMenu) {
    return is_menu(theMenu) ? static_cast<UInt16>(theMenu->items.size()) : 0;
}

}  // extern "C"
