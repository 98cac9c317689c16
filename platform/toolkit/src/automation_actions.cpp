// Automation: clicking, focusing, typing, popup menus and the close box, all
// through the toolkit's input model as a person's actions.
#include "control_hit.h"
#include "focus.h"
#include "input.h"
#include "menus.h"
#include "popup_menus.h"
#include "refs.h"
#include "text_editing.h"
#include "toolkit/automation.h"
#include "unicode.h"
#include "views.h"
#include "windows.h"

namespace tk::automation {

using namespace tk::detail;

namespace {

Point centre(const TkView* view) {
    return Point{static_cast<SInt16>((view->bounds.bottom - view->bounds.top) / 2),
                 static_cast<SInt16>((view->bounds.right - view->bounds.left) / 2)};
}

// An entry of the popup's menu by its text, or 0.
int entry_named(const TkView* popup, std::string_view entryText) {
    if (!popup->menu) return 0;
    const auto wanted = utf8_to_utf16_lenient(entryText);
    const auto& items = popup->menu->items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text == wanted) return static_cast<int>(i + 1);
    return 0;
}

// Presses and releases the mouse in the middle of the entry of the open menu.
bool click_entry(int index) {
    TkWindow* menu = open_menu_window();
    const TkView* popup = menu ? find_view(menu->menuPopup) : nullptr;
    if (!popup || !menu_item_text(popup->menu, index)) return false;
    const Rect r = menu_entry_rect(menu, index);
    const Point where{static_cast<SInt16>((r.top + r.bottom) / 2), static_cast<SInt16>((r.left + r.right) / 2)};
    const WindowRef ref = ref_of(menu);
    input::mouse_down(ref, where, 0);
    input::mouse_up(ref, where);
    return true;
}

}  // namespace

bool click(HIViewRef ref) {
    TkView* view = find_view(ref);
    // An edit field takes a click only in a window, which keeps the keyboard focus.
    if (!view || !operable(view) || !(input::tracks_mouse(view) || (is_edit_field(view) && view->window)))
        return false;
    input::click_view(view, centre(view));
    return true;
}

bool focus(HIViewRef editField) {
    TkView* field = find_view(editField);
    if (!field || !is_edit_field(field) || !field->window || !operable(field)) return false;
    input::click_view(field, centre(field));
    field = find_view(editField);
    if (!field || !field->window || focused_field(field->window) != field) return false;
    place_caret(field, field->title.size());
    return true;
}

bool typeText(HIViewRef editField, std::string_view utf8) {
    // A text is typed whole or not at all: a control character (Tab, Return,
    // Backspace, NUL...) would move the focus or edit instead of typing.
    for (const UInt32 code : utf8_to_utf32_lenient(utf8))
        if (!types_a_character(code)) return false;
    if (!focus(editField)) return false;
    pressKey('a', controlKey);
    return typeKeys(utf8);
}

bool choosePopupEntry(HIViewRef popup, int index) {
    const TkView* view = find_view(popup);
    if (!view || !operable(view) || view->kind != kControlKindPopupButton || !menu_item_text(view->menu, index))
        return false;
    return openPopup(popup) && chooseInOpenMenu(index);
}

bool choosePopupEntry(HIViewRef popup, std::string_view entryText) {
    const TkView* view = find_view(popup);
    const int index = view ? entry_named(view, entryText) : 0;
    return index > 0 && choosePopupEntry(popup, index);
}

bool clickCloseBox(WindowRef ref) { return click_close_box(find_window(ref)); }

bool mouseDown(WindowRef window, Point where, EventModifiers modifiers) {
    return input::mouse_down(window, where, modifiers);
}

void mouseDragged(WindowRef window, Point where) { input::mouse_dragged(window, where); }

void mouseUp(WindowRef window, Point where) { input::mouse_up(window, where); }

bool pressKey(UInt32 charCode, EventModifiers modifiers) {
    return input::key_down(ref_of(active_window()), charCode, modifiers);
}

bool typeKeys(std::string_view utf8) {
    bool taken = true;
    for (const UInt32 code : utf8_to_utf32_lenient(utf8)) taken = pressKey(code) && taken;
    return taken;
}

HIViewRef focusedView(WindowRef ref) {
    TkWindow* window = find_window(ref);
    return window ? ref_of(focused_field(window)) : nullptr;
}

bool openPopup(HIViewRef popup) {
    const TkView* view = find_view(popup);
    if (!view || view->kind != kControlKindPopupButton || !click(popup)) return false;
    return openMenuPopup() == popup;
}

HIViewRef openMenuPopup() {
    const TkWindow* menu = open_menu_window();
    return menu ? menu->menuPopup : nullptr;
}

WindowRef openMenuWindow() { return ref_of(open_menu_window()); }

bool chooseInOpenMenu(int index) { return click_entry(index); }

bool chooseInOpenMenu(std::string_view entryText) {
    const TkWindow* menu = open_menu_window();
    const TkView* popup = menu ? find_view(menu->menuPopup) : nullptr;
    return popup && click_entry(entry_named(popup, entryText));
}

}  // namespace tk::automation
