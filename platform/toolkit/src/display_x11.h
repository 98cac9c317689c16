// The X11 display backend inside the library. Toolkit notices (display.h) only
// mark windows as out of date; `sync` later makes each X window match its
// toolkit window, outside any toolkit call.
#pragma once

#include <X11/Xlib.h>

#include <map>
#include <set>

#include "model.h"
#include "toolkit/x11_display.h"

namespace tk::x11::detail {

struct ScreenWindow {
    ::Window id{};
    bool menu{};
    bool mapped{};
    Rect content{};  // where the X window is, global
};

struct Atoms {
    Atom protocols{}, deleteWindow{}, netName{}, utf8{};
};

struct Backend {
    ::Display* display = nullptr;
    int screen{};
    ::Window root{};
    Atoms atoms;
    InputFilters filters;
    std::map<WindowRef, ScreenWindow> windows;
    std::set<WindowRef> stale;  // to be made to match the toolkit window
    std::set<WindowRef> unpainted;
    bool restack{};
    WindowRef pressed = nullptr;  // the window the mouse button went down in
};

// display_x11_connection.cpp
void connect(Backend& b, const std::string& name);
void disconnect(Backend& b);

// display_x11_windows.cpp: X windows made, placed, titled, stacked, removed.
void sync_windows(Backend& b);
void destroy_windows(Backend& b);
// The toolkit window shown in that X window; null when none.
WindowRef window_of(const Backend& b, ::Window id);
// The X window moved (by a window manager): the toolkit window follows.
void follow_move(Backend& b, WindowRef window, int x, int y);

// display_x11_paint.cpp
void paint_windows(Backend& b);

// display_x11_input.cpp: one X event, turned into the toolkit's input.
void handle_event(Backend& b, XEvent& event);
// The toolkit's modifiers held in an X event's state.
EventModifiers modifiers_of(unsigned int state);
// The character code of a key; 0 for keys the toolkit has no code for (Shift alone, F1...).
UInt32 char_code(KeySym sym);

}  // namespace tk::x11::detail
