#include "popup_menus.h"

#include <algorithm>

#include "control_hit.h"
#include "display.h"
#include "look_paint.h"
#include "menus.h"
#include "refs.h"
#include "screens.h"
#include "unicode.h"
#include "views.h"
#include "windows.h"

namespace tk::detail {
namespace {

WindowRef& open_window_ref() {
    static WindowRef ref = nullptr;
    return ref;
}

SInt16 s16(double value) { return static_cast<SInt16>(value); }

// The menu's content bounds: below the popup's face, as wide as the face or
// the widest item, kept on the popup's screen.
Rect menu_bounds(const TkView* popup) {
    const TkFont font = control_font(popup);
    int widest = 0;
    for (const TkMenuItem& item : popup->menu->items)
        widest = std::max(widest, measure_text(font, utf16_to_utf8(item.text)).width);
    const Rect frame = frame_in_tree(popup);
    const Rect content = popup->window->content;
    const double faceLeft = content.left + frame.left + popup_face_x(popup);
    const double faceWidth = frame.right - frame.left - popup_face_x(popup);
    const int width = std::max(static_cast<int>(faceWidth), look::kMenuMarkWidth + widest + look::kMenuRightPadding);
    const int height = 2 * look::kMenuPadding + look::kMenuItemHeight * static_cast<int>(popup->menu->items.size());
    const Point corner{s16(content.top + frame.top), s16(faceLeft)};
    Rect screen{};
    for (const Rect& r : screen_rects())
        if (PtInRect(corner, &r)) {
            screen = r;
            break;
        }
    double top = content.top + frame.bottom;
    double left = faceLeft;
    if (screen.bottom > screen.top) {
        if (top + height > screen.bottom) top = content.top + frame.top - height;
        top = std::max<double>(top, screen.top);
        left = std::max<double>(std::min<double>(left, screen.right - width), screen.left);
    }
    return Rect{s16(top), s16(left), s16(top + height), s16(left + width)};
}

TkView* popup_of(const TkWindow* menuWindow) { return find_view(menuWindow->menuPopup); }

}  // namespace

TkWindow* open_menu_window() {
    TkWindow* window = find_window(open_window_ref());
    if (!window) open_window_ref() = nullptr;
    return window;
}

void open_menu(TkView* popup) {
    close_menu();
    if (!popup->window || !popup->menu || popup->menu->items.empty()) return;
    TkWindow* window = new_window(kFloatingWindowClass, kWindowNoTitleBarAttribute, menu_bounds(popup));
    window->menuPopup = ref_of(popup);
    open_window_ref() = ref_of(window);
    show_window(window);
    touch(popup);
}

void close_menu() {
    TkWindow* window = open_menu_window();
    if (!window) return;
    open_window_ref() = nullptr;
    const ControlRef popup = window->menuPopup;
    dispose_window(window);
    if (TkView* view = find_view(popup)) touch(view);
}

void close_menu_if_unreachable() {
    const TkWindow* window = open_menu_window();
    if (!window) return;
    const TkView* popup = popup_of(window);
    if (!popup || !operable(popup) || !popup->window || !popup->menu) close_menu();
}

void close_menu_showing(const TkMenu* menu) {
    const TkWindow* window = open_menu_window();
    if (!window) return;
    const TkView* popup = popup_of(window);
    if (!popup || popup->menu == menu) close_menu();
}

int menu_entry_at(const TkWindow* menuWindow, Point where) {
    const TkView* popup = popup_of(menuWindow);
    if (!popup || !popup->menu) return 0;
    const int count = static_cast<int>(popup->menu->items.size());
    for (int entry = 1; entry <= count; ++entry) {
        const Rect r = menu_entry_rect(menuWindow, entry);
        if (PtInRect(where, &r)) return entry;
    }
    return 0;
}

Rect menu_entry_rect(const TkWindow* menuWindow, int entry) {
    const int top = look::kMenuPadding + (entry - 1) * look::kMenuItemHeight;
    return Rect{s16(top), 0, s16(top + look::kMenuItemHeight),
                s16(menuWindow->content.right - menuWindow->content.left)};
}

void highlight_entry(TkWindow* menuWindow, int entry) {
    if (menuWindow->highlighted == entry) return;
    menuWindow->highlighted = entry;
    notify(menuWindow, display::Change::content);
}

void choose_entry(TkWindow* menuWindow, int entry) {
    const ControlRef popupRef = menuWindow->menuPopup;
    close_menu();
    TkView* popup = find_view(popupRef);
    // An open menu's popup is operable: the menu closes when it no longer is.
    if (!popup || !menu_item_text(popup->menu, entry)) return;
    set_pinned_value(popup, entry);
    hit_control(popup);
}

}  // namespace tk::detail
