// Automation: clicking, typing, choosing popup entries and closing windows.
#include "control_hit.h"
#include "menus.h"
#include "registry.h"
#include "toolkit/automation.h"
#include "unicode.h"
#include "views.h"

namespace tk::automation {

using namespace tk::detail;

namespace {

// What a person can reach: shown all the way up, its window shown, and enabled.
bool operable(HIViewRef view) {
    if (!is_view(view) || view->disposing || !view_visible(view) || !view_enabled(view)) return false;
    return !view->window || view->window->visible;
}

bool is_edit(HIViewRef view) {
    return view->kind == kControlKindEditUnicodeText || view->kind == kControlKindEditText;
}

}  // namespace

bool click(HIViewRef view) {
    if (!operable(view) || view->kind == kControlKindStaticText || view->kind == kControlKindRoot) return false;
    hit_control(view);
    return true;
}

bool typeText(HIViewRef editField, std::string_view utf8) {
    if (!operable(editField) || !is_edit(editField)) return false;
    editField->title = utf8_to_utf16_lenient(utf8);
    return true;
}

bool choosePopupEntry(HIViewRef popup, int index) {
    if (!operable(popup) || popup->kind != kControlKindPopupButton || !menu_item_text(popup->menu, index))
        return false;
    set_pinned_value(popup, index);
    // Releasing the mouse on the entry is the popup's hit.
    hit_control(popup);
    return true;
}

bool choosePopupEntry(HIViewRef popup, std::string_view entryText) {
    if (!operable(popup) || popup->kind != kControlKindPopupButton || !is_menu(popup->menu)) return false;
    const auto wanted = utf8_to_utf16_lenient(entryText);
    const auto& items = popup->menu->items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text == wanted) return choosePopupEntry(popup, static_cast<int>(i + 1));
    return false;
}

bool clickCloseBox(WindowRef window) {
    if (!is_window(window) || window->disposing || !window->visible ||
        !(window->attributes & kWindowCloseBoxAttribute))
        return false;
    click_close_box(window);
    return true;
}

}  // namespace tk::automation
