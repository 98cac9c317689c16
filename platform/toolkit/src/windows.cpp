// Windows: class, attributes, title, content bounds, visibility and the root view.
#include "windows.h"

#include <algorithm>

#include "display.h"
#include "events.h"
#include "popup_menus.h"
#include "refs.h"
#include "strings.h"
#include "views.h"

namespace tk::detail {
namespace {

constexpr SInt16 kTitleBarHeight = 22;
constexpr SInt16 kSideTitleBarWidth = 16;

// How far the structure region reaches beyond the content on the top and left.
void decoration(const TkWindow* window, SInt16& top, SInt16& left) {
    top = 0;
    left = 0;
    if (window->attributes & kWindowNoTitleBarAttribute) return;
    if (window->attributes & kWindowSideTitlebarAttribute)
        left = kSideTitleBarWidth;
    else
        top = kTitleBarHeight;
}

bool valid_rect(const Rect* r) { return r && r->bottom >= r->top && r->right >= r->left; }

void size_root(TkWindow* window) {
    window->root->bounds = Rect{0, 0, static_cast<SInt16>(window->content.bottom - window->content.top),
                                static_cast<SInt16>(window->content.right - window->content.left)};
}

// Repaints the windows that gained or lost the activation: a focused field
// shows its caret only while its window is active.
void repaint_activation(const TkWindow* before) {
    const TkWindow* after = active_window();
    if (before == after) return;
    if (before && !before->disposing) notify(before, display::Change::content);
    if (after) notify(after, display::Change::content);
}

void remove_from_order(TkWindow* window) {
    auto& order = registry().windowOrder;
    order.erase(std::remove(order.begin(), order.end(), window), order.end());
}

}  // namespace

TkWindow* new_window(WindowClass windowClass, WindowAttributes attributes, const Rect& content) {
    auto* window = new TkWindow;
    window->serial = next_serial();
    window->windowClass = windowClass;
    window->attributes = attributes;
    window->content = content;
    open_target(window->target, window, nullptr);
    auto& reg = registry();
    reg.windows.push_back(window);
    reg.windowOrder.push_back(window);
    reg.liveWindows.add(window);
    window->root = new_view(nullptr, kControlKindRoot, Rect{});
    window->root->window = window;
    size_root(window);
    return window;
}

void dispose_window(TkWindow* window) {
    if (window->disposing) return;
    const TkWindow* active = active_window();
    window->disposing = true;
    window->visible = false;
    remove_from_order(window);
    repaint_activation(active);
    // The window hears it is closing while its views are still in place, so
    // whoever owns them hears it before they go.
    auto closed = make_event(kEventClassWindow, kEventWindowClosed);
    set_param(closed, kEventParamDirectObject, typeWindowRef, ref_of(window));
    send_event(window->target, closed);
    dispose_view_tree(window->root);
    window->root = nullptr;
    close_target(window->target);
    auto& reg = registry();
    if (reg.currentPort == window) reg.currentPort = nullptr;
    reg.windows.erase(std::remove(reg.windows.begin(), reg.windows.end(), window), reg.windows.end());
    reg.liveWindows.remove(window);
    notify(window, display::Change::disposed);
    delete window;
    close_menu_if_unreachable();
}

void show_window(TkWindow* window) {
    if (window->disposing || window->visible) return;
    window->visible = true;
    notify(window, display::Change::shown);
    bring_to_front(window);
}

void hide_window(TkWindow* window) {
    if (!window->visible) return;
    const TkWindow* active = active_window();
    window->visible = false;
    notify(window, display::Change::hidden);
    repaint_activation(active);
    close_menu_if_unreachable();
}

void bring_to_front(TkWindow* window) {
    const TkWindow* active = active_window();
    auto& order = registry().windowOrder;
    const std::vector<TkWindow*> before = order;
    remove_from_order(window);
    // An open menu stays above every other window.
    auto at = order.begin();
    while (at != order.end() && is_menu_window(*at) && !is_menu_window(window)) ++at;
    order.insert(at, window);
    if (order != before) notify(window, display::Change::reordered);
    repaint_activation(active);
}

TkWindow* active_window() {
    for (TkWindow* window : registry().windowOrder)
        if (window->visible && !is_menu_window(window)) return window;
    return nullptr;
}

bool is_menu_window(const TkWindow* window) { return window->menuPopup != nullptr; }

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSStatus CreateNewWindow(WindowClass windowClass, WindowAttributes attributes, const Rect* contentBounds,
                         WindowRef* outWindow) {
    if (!outWindow) return paramErr;
    *outWindow = nullptr;
    if (windowClass < kAlertWindowClass || windowClass > kDocumentWindowClass || !valid_rect(contentBounds))
        return paramErr;
    *outWindow = ref_of(new_window(windowClass, attributes, *contentBounds));
    return noErr;
}

void DisposeWindow(WindowRef window) {
    if (TkWindow* found = find_window(window)) dispose_window(found);
}

void ShowWindow(WindowRef window) {
    if (TkWindow* found = find_window(window)) show_window(found);
}

void HideWindow(WindowRef window) {
    if (TkWindow* found = find_window(window)) hide_window(found);
}

Boolean IsWindowVisible(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found && found->visible;
}

Boolean IsWindowActive(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found && found == active_window();
}

OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect* globalBounds) {
    const TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    if (!globalBounds) return paramErr;
    Rect bounds = found->content;
    if (regionCode == kWindowStructureRgn) {
        SInt16 top, left;
        decoration(found, top, left);
        bounds.top = static_cast<SInt16>(bounds.top - top);
        bounds.left = static_cast<SInt16>(bounds.left - left);
    } else if (regionCode != kWindowContentRgn) {
        return paramErr;
    }
    *globalBounds = bounds;
    return noErr;
}

OSStatus SetWindowBounds(WindowRef window, WindowRegionCode regionCode, const Rect* globalBounds) {
    TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    if (!valid_rect(globalBounds)) return paramErr;
    Rect content = *globalBounds;
    if (regionCode == kWindowStructureRgn) {
        SInt16 top, left;
        decoration(found, top, left);
        content.top = static_cast<SInt16>(content.top + top);
        content.left = static_cast<SInt16>(content.left + left);
        if (content.top > content.bottom || content.left > content.right) return paramErr;
    } else if (regionCode != kWindowContentRgn) {
        return paramErr;
    }
    found->content = content;
    if (found->root) size_root(found);
    notify(found, display::Change::moved);
    notify(found, display::Change::content);
    return noErr;
}

OSStatus SetWindowTitleWithCFString(WindowRef window, CFStringRef title) {
    TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    const auto* chars = string_chars(title);
    if (!chars) return paramErr;
    found->title = *chars;
    notify(found, display::Change::retitled);
    return noErr;
}

OSStatus CopyWindowTitleAsCFString(WindowRef window, CFStringRef* outTitle) {
    if (!outTitle) return paramErr;
    *outTitle = nullptr;
    const TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    *outTitle = new_string(found->title);
    return noErr;
}

OSStatus SetThemeWindowBackground(WindowRef window, ThemeBrush brush, Boolean) {
    TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    found->background = brush;
    notify(found, display::Change::content);
    return noErr;
}

}  // extern "C"
