// X windows for the toolkit's windows: made when a window is first shown,
// placed at its content bounds, titled, stacked in the toolkit's front-to-back
// order, and destroyed with it. Menu windows bypass the window manager.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <vector>

#include "display_x11.h"
#include "refs.h"
#include "registry.h"
#include "unicode.h"
#include "windows.h"

namespace tk::x11::detail {
namespace {

using tk::detail::find_window;

constexpr long kEvents =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | ButtonMotionMask | KeyPressMask | StructureNotifyMask;

int width_of(const Rect& r) { return r.right > r.left ? r.right - r.left : 1; }
int height_of(const Rect& r) { return r.bottom > r.top ? r.bottom - r.top : 1; }

// The size is the toolkit's to decide, so the window manager is asked not to change it.
void fix_size(Backend& b, ::Window id, const Rect& content) {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    hints->flags = USPosition | PPosition | PMinSize | PMaxSize;
    hints->x = content.left;
    hints->y = content.top;
    hints->min_width = hints->max_width = width_of(content);
    hints->min_height = hints->max_height = height_of(content);
    XSetWMNormalHints(b.display, id, hints);
    XFree(hints);
}

ScreenWindow create(Backend& b, const TkWindow* window) {
    ScreenWindow made;
    made.menu = tk::detail::is_menu_window(window);
    made.content = window->content;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = made.menu ? True : False;
    attributes.event_mask = kEvents;
    attributes.background_pixmap = None;  // painted whole each time; no flash of a background
    made.id = XCreateWindow(b.display, b.root, made.content.left, made.content.top, width_of(made.content),
                            height_of(made.content), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWEventMask | CWBackPixmap, &attributes);
    XSetWMProtocols(b.display, made.id, &b.atoms.deleteWindow, 1);
    // Menus are told apart by their class name (they have no title).
    XClassHint klass{const_cast<char*>(made.menu ? "voxtrel-host-menu" : "voxtrel-host"),
                     const_cast<char*>("Voxtrel-host")};
    XSetClassHint(b.display, made.id, &klass);
    fix_size(b, made.id, made.content);
    return made;
}

void set_title(Backend& b, const ScreenWindow& screen, const TkWindow* window) {
    const std::string title = tk::detail::utf16_to_utf8(window->title);
    const auto* bytes = reinterpret_cast<const unsigned char*>(title.c_str());
    // WM_NAME for tools that read only that one; _NET_WM_NAME in UTF-8 for the rest.
    XChangeProperty(b.display, screen.id, XA_WM_NAME, XA_STRING, 8, PropModeReplace, bytes,
                    static_cast<int>(title.size()));
    XChangeProperty(b.display, screen.id, b.atoms.netName, b.atoms.utf8, 8, PropModeReplace, bytes,
                    static_cast<int>(title.size()));
}

void place(Backend& b, ScreenWindow& screen, const TkWindow* window) {
    const Rect& content = window->content;
    const Rect& was = screen.content;
    if (content.top == was.top && content.left == was.left && content.bottom == was.bottom &&
        content.right == was.right)
        return;
    fix_size(b, screen.id, content);
    XMoveResizeWindow(b.display, screen.id, content.left, content.top, width_of(content), height_of(content));
    screen.content = content;
    b.unpainted.insert(tk::detail::ref_of(window));
}

void sync_one(Backend& b, WindowRef ref) {
    const TkWindow* window = find_window(ref);
    auto found = b.windows.find(ref);
    if (!window) {
        if (found == b.windows.end()) return;
        XDestroyWindow(b.display, found->second.id);
        b.windows.erase(found);
        b.unpainted.erase(ref);
        return;
    }
    const bool wanted = window->visible && !window->disposing;
    if (found == b.windows.end()) {
        if (!wanted) return;
        found = b.windows.emplace(ref, create(b, window)).first;
    }
    ScreenWindow& screen = found->second;
    set_title(b, screen, window);
    place(b, screen, window);
    if (wanted == screen.mapped) return;
    screen.mapped = wanted;
    if (!wanted) {
        XUnmapWindow(b.display, screen.id);
        return;
    }
    XMapWindow(b.display, screen.id);
    b.unpainted.insert(ref);
    b.restack = true;
}

// The X windows in the toolkit's front-to-back order.
void restack(Backend& b) {
    std::vector<::Window> order;
    for (const TkWindow* window : tk::detail::registry().windowOrder) {
        const auto found = b.windows.find(tk::detail::ref_of(window));
        if (found != b.windows.end() && found->second.mapped) order.push_back(found->second.id);
    }
    if (order.empty()) return;
    XRaiseWindow(b.display, order.front());
    XRestackWindows(b.display, order.data(), static_cast<int>(order.size()));
    // Keys go to the active window in the toolkit; the X focus follows it, so
    // they reach it wherever the pointer rests.
    if (const TkWindow* active = tk::detail::active_window()) {
        const auto found = b.windows.find(tk::detail::ref_of(active));
        if (found != b.windows.end() && found->second.mapped)
            XSetInputFocus(b.display, found->second.id, RevertToPointerRoot, CurrentTime);
    }
}

}  // namespace

void sync_windows(Backend& b) {
    // Windows disposed of since the last round are gone from the toolkit's lists.
    for (const auto& [ref, screen] : b.windows)
        if (!find_window(ref)) b.stale.insert(ref);
    const std::set<WindowRef> stale = std::move(b.stale);
    b.stale.clear();
    for (WindowRef ref : stale) sync_one(b, ref);
    if (b.restack) restack(b);
    b.restack = false;
}

void destroy_windows(Backend& b) {
    for (const auto& [ref, screen] : b.windows) XDestroyWindow(b.display, screen.id);
    b.windows.clear();
    b.unpainted.clear();
    b.stale.clear();
    XSync(b.display, False);
}

WindowRef window_of(const Backend& b, ::Window id) {
    for (const auto& [ref, screen] : b.windows)
        if (screen.id == id) return find_window(ref) ? ref : nullptr;
    return nullptr;
}

void follow_move(Backend& b, WindowRef ref, int x, int y) {
    TkWindow* window = find_window(ref);
    const auto found = b.windows.find(ref);
    if (!window || found == b.windows.end()) return;
    Rect& content = window->content;
    if (content.left == x && content.top == y) return;
    const int width = content.right - content.left, height = content.bottom - content.top;
    // Only the place changes; the toolkit need not hear of it, nothing looks different.
    content = Rect{static_cast<SInt16>(y), static_cast<SInt16>(x), static_cast<SInt16>(y + height),
                   static_cast<SInt16>(x + width)};
    found->second.content = content;
}

}  // namespace tk::x11::detail
