// Windows: class, attributes, title, content bounds, visibility and the root view.
#include <algorithm>

#include "events.h"
#include "registry.h"
#include "strings.h"
#include "views.h"

namespace {

using namespace tk::detail;

constexpr SInt16 kTitleBarHeight = 22;
constexpr SInt16 kSideTitleBarWidth = 16;

// How far the structure region reaches beyond the content on the top and left.
void decoration(WindowRef window, SInt16& top, SInt16& left) {
    top = 0;
    left = 0;
    if (window->attributes & kWindowNoTitleBarAttribute) return;
    if (window->attributes & kWindowSideTitlebarAttribute)
        left = kSideTitleBarWidth;
    else
        top = kTitleBarHeight;
}

bool valid_rect(const Rect* r) { return r && r->bottom >= r->top && r->right >= r->left; }

void size_root(WindowRef window) {
    window->root->bounds = Rect{0, 0, static_cast<SInt16>(window->content.bottom - window->content.top),
                                static_cast<SInt16>(window->content.right - window->content.left)};
}

}  // namespace

extern "C" {

OSStatus CreateNewWindow(WindowClass windowClass, WindowAttributes attributes, const Rect* contentBounds,
                         WindowRef* outWindow) {
    if (!outWindow) return paramErr;
    *outWindow = nullptr;
    if (windowClass < kAlertWindowClass || windowClass > kDocumentWindowClass || !valid_rect(contentBounds))
        return paramErr;
    auto* window = new OpaqueWindowPtr;
    window->serial = next_serial();
    window->windowClass = windowClass;
    window->attributes = attributes;
    window->content = *contentBounds;
    window->port.window = window;
    open_target(window->target, window, nullptr);
    registry().windows.push_back(window);
    registry().liveWindows.insert(window);
    window->root = new_view(nullptr, kControlKindRoot, Rect{});
    window->root->window = window;
    size_root(window);
    *outWindow = window;
    return noErr;
}

void DisposeWindow(WindowRef window) {
    if (!is_window(window) || window->disposing) return;
    window->disposing = true;
    window->visible = false;
    // Views first, so whoever reacts to the closed event finds the controls gone.
    dispose_view_tree(window->root);
    window->root = nullptr;
    auto closed = make_event(kEventClassWindow, kEventWindowClosed);
    set_param(closed, kEventParamDirectObject, typeWindowRef, window);
    send_event(window->target, closed);
    close_target(window->target);
    auto& reg = registry();
    if (reg.currentPort == &window->port) reg.currentPort = nullptr;
    reg.windows.erase(std::remove(reg.windows.begin(), reg.windows.end(), window), reg.windows.end());
    reg.liveWindows.erase(window);
    delete window;
}

void ShowWindow(WindowRef window) {
    if (is_window(window) && !window->disposing) window->visible = true;
}

void HideWindow(WindowRef window) {
    if (is_window(window)) window->visible = false;
}

Boolean IsWindowVisible(WindowRef window) { return is_window(window) && window->visible; }

// Every visible window counts as active; there is no window ordering to model.
Boolean IsWindowActive(WindowRef window) { return is_window(window) && window->visible; }

OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect* globalBounds) {
    if (!is_window(window)) return errInvalidWindowRef;
    if (!globalBounds) return paramErr;
    Rect bounds = window->content;
    if (regionCode == kWindowStructureRgn) {
        SInt16 top, left;
        decoration(window, top, left);
        bounds.top = static_cast<SInt16>(bounds.top - top);
        bounds.left = static_cast<SInt16>(bounds.left - left);
    } else if (regionCode != kWindowContentRgn) {
        return paramErr;
    }
    *globalBounds = bounds;
    return noErr;
}

OSStatus SetWindowBounds(WindowRef window, WindowRegionCode regionCode, const Rect* globalBounds) {
    if (!is_window(window)) return errInvalidWindowRef;
    if (!valid_rect(globalBounds)) return paramErr;
    Rect content = *globalBounds;
    if (regionCode == kWindowStructureRgn) {
        SInt16 top, left;
        decoration(window, top, left);
        content.top = static_cast<SInt16>(content.top + top);
        content.left = static_cast<SInt16>(content.left + left);
        if (content.top > content.bottom || content.left > content.right) return paramErr;
    } else if (regionCode != kWindowContentRgn) {
        return paramErr;
    }
    window->content = content;
    if (window->root) size_root(window);
    return noErr;
}

OSStatus SetWindowTitleWithCFString(WindowRef window, CFStringRef title) {
    if (!is_window(window)) return errInvalidWindowRef;
    const auto* chars = string_chars(title);
    if (!chars) return paramErr;
    window->title = *chars;
    return noErr;
}

OSStatus CopyWindowTitleAsCFString(WindowRef window, CFStringRef* outTitle) {
    if (!outTitle) return paramErr;
    *outTitle = nullptr;
    if (!is_window(window)) return errInvalidWindowRef;
    *outTitle = new_string(window->title);
    return noErr;
}

OSStatus SetThemeWindowBackground(WindowRef window, ThemeBrush brush, Boolean) {
    if (!is_window(window)) return errInvalidWindowRef;
    window->background = brush;
    return noErr;
}

}  // extern "C"
