// X events turned into the toolkit's input (input.h): the left mouse button at
// points of windows, keys as characters or native.h's character codes, the
// window manager's close request as a click in the close box, and what
// exposes or moves a window.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "control_hit.h"
#include "display_x11.h"
#include "input.h"
#include "popup_menus.h"
#include "refs.h"
#include "registry.h"
#include "windows.h"

namespace tk::x11::detail {

EventModifiers modifiers_of(unsigned int state) {
    EventModifiers modifiers = 0;
    if (state & ShiftMask) modifiers |= shiftKey;
    if (state & ControlMask) modifiers |= controlKey;
    if (state & Mod1Mask) modifiers |= optionKey;
    return modifiers;
}

UInt32 char_code(KeySym sym) {
    switch (sym) {
        case XK_Tab:
        case XK_ISO_Left_Tab:  // Shift+Tab
            return kTabCharCode;
        case XK_Return:
            return kReturnCharCode;
        case XK_KP_Enter:
            return kEnterCharCode;
        case XK_BackSpace:
            return kBackspaceCharCode;
        case XK_Delete:
        case XK_KP_Delete:
            return kDeleteCharCode;
        case XK_Escape:
            return kEscapeCharCode;
        case XK_Left:
        case XK_KP_Left:
            return kLeftArrowCharCode;
        case XK_Right:
        case XK_KP_Right:
            return kRightArrowCharCode;
        case XK_Up:
        case XK_KP_Up:
            return kUpArrowCharCode;
        case XK_Down:
        case XK_KP_Down:
            return kDownArrowCharCode;
        case XK_Home:
        case XK_KP_Home:
            return kHomeCharCode;
        case XK_End:
        case XK_KP_End:
            return kEndCharCode;
        default:
            break;
    }
    // Latin-1 keysyms are their characters; others carry a Unicode code point.
    if (sym >= 0x20 && sym <= 0x7e) return static_cast<UInt32>(sym);
    if (sym >= 0xa0 && sym <= 0xff) return static_cast<UInt32>(sym);
    if ((sym & 0xff000000) == 0x01000000) return static_cast<UInt32>(sym & 0x00ffffff);
    if (sym >= XK_KP_0 && sym <= XK_KP_9) return static_cast<UInt32>('0' + (sym - XK_KP_0));
    if (sym == XK_KP_Decimal) return '.';
    return 0;
}

namespace {

using tk::detail::find_window;

// The front window showing a global point, with the point in its content;
// the window pressed in when the point is on none of them (the mouse left it).
std::pair<WindowRef, Point> under(const Backend& b, int x, int y) {
    for (const TkWindow* window : tk::detail::registry().windowOrder) {
        const WindowRef ref = tk::detail::ref_of(window);
        const auto found = b.windows.find(ref);
        if (!window->visible || found == b.windows.end() || !found->second.mapped) continue;
        const Rect& c = window->content;
        if (x >= c.left && x < c.right && y >= c.top && y < c.bottom)
            return {ref, Point{static_cast<SInt16>(y - c.top), static_cast<SInt16>(x - c.left)}};
    }
    const TkWindow* pressed = find_window(b.pressed);
    if (!pressed) return {nullptr, Point{}};
    return {b.pressed,
            Point{static_cast<SInt16>(y - pressed->content.top), static_cast<SInt16>(x - pressed->content.left)}};
}

void press(Backend& b, const XButtonEvent& event) {
    const WindowRef window = window_of(b, event.window);
    if (!window) return;
    const Point where{static_cast<SInt16>(event.y), static_cast<SInt16>(event.x)};
    const EventModifiers modifiers = modifiers_of(event.state);
    const bool menuWasOpen = tk::detail::open_menu_window() != nullptr;
    if (!tk::detail::input::mouse_down(window, where, modifiers)) return;
    b.pressed = window;
    if (!menuWasOpen && b.filters.press && find_window(window)) b.filters.press(MouseDown{window, where, modifiers});
}

void drag(Backend& b, const XMotionEvent& event) {
    if (!b.pressed) return;
    const auto [window, where] = under(b, event.x_root, event.y_root);
    if (window) tk::detail::input::mouse_dragged(window, where);
}

void release(Backend& b, const XButtonEvent& event) {
    if (!b.pressed) return;
    const auto [window, where] = under(b, event.x_root, event.y_root);
    b.pressed = nullptr;
    if (window) tk::detail::input::mouse_up(window, where);
}

void key(Backend& b, XKeyEvent& event) {
    KeySym sym = NoSymbol;
    char ignored[8];
    XLookupString(&event, ignored, sizeof ignored, &sym, nullptr);
    const UInt32 code = char_code(sym);
    if (!code) return;
    // Keys go to the front window, whichever X window the pointer rests on.
    const TkWindow* active = tk::detail::active_window();
    const TypedKey pressed{active ? tk::detail::ref_of(active) : nullptr, code, modifiers_of(event.state)};
    if (b.filters.key && b.filters.key(pressed)) return;
    tk::detail::input::key_down(pressed.window, pressed.charCode, pressed.modifiers);
}

void close_request(Backend& b, const XClientMessageEvent& event) {
    if (event.message_type == b.atoms.protocols && static_cast<Atom>(event.data.l[0]) == b.atoms.deleteWindow)
        tk::detail::click_close_box(find_window(window_of(b, event.window)));
}

void moved(Backend& b, const XConfigureEvent& event) {
    const WindowRef window = window_of(b, event.window);
    if (!window) return;
    // Where the window is on the root, whatever frame a window manager put around it.
    int x{}, y{};
    ::Window child{};
    XTranslateCoordinates(b.display, event.window, b.root, 0, 0, &x, &y, &child);
    follow_move(b, window, x, y);
}

}  // namespace

void handle_event(Backend& b, XEvent& event) {
    const bool input = event.type == ButtonPress || event.type == ButtonRelease || event.type == KeyPress;
    switch (event.type) {
        case Expose:
            if (const WindowRef window = window_of(b, event.xexpose.window)) b.unpainted.insert(window);
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1) press(b, event.xbutton);
            break;
        case MotionNotify:
            drag(b, event.xmotion);
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1) release(b, event.xbutton);
            break;
        case KeyPress:
            key(b, event.xkey);
            break;
        case ClientMessage:
            close_request(b, event.xclient);
            break;
        case ConfigureNotify:
            moved(b, event.xconfigure);
            break;
        case MappingNotify:
            // xdotool, among others, changes the keyboard mapping to type what it lacks.
            XRefreshKeyboardMapping(&event.xmapping);
            break;
        default:
            break;
    }
    if (input && b.filters.handled) b.filters.handled();
}

}  // namespace tk::x11::detail
