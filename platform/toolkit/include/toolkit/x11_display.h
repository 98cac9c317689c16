// The toolkit's windows on a real X display: every visible toolkit window gets
// an X window at its place, painted with the same code that renders windows to
// PNG, and the mouse and keys a person uses there become the toolkit's input
// (the same input model the automation drives). The plug-in never uses this.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "toolkit/native.h"

namespace tk::x11 {

namespace detail {
struct Backend;
}

class DisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A key press as the toolkit sees it: a character or one of native.h's
// character codes, with the modifiers held, for the active window.
struct TypedKey {
    WindowRef window = nullptr;
    UInt32 charCode{};
    EventModifiers modifiers{};
};

// A mouse button pressed in a window, in its content coordinates.
struct MouseDown {
    WindowRef window = nullptr;
    Point where{};
    EventModifiers modifiers{};
};

// The application's share of the input.
struct InputFilters {
    // A key, before the toolkit sees it; true when the application took it.
    std::function<bool(const TypedKey&)> key;
    // A press, after the toolkit took it (the window is in front by then);
    // not called for a press that only closed an open menu.
    std::function<void(const MouseDown&)> press;
    // After each key or mouse button event the toolkit handled.
    std::function<void()> handled;
};

// One connection at a time; while it is open the toolkit's windows are on screen.
class Display {
public:
    // Connects to the display named (empty: $DISPLAY). Throws DisplayError with
    // one line saying why when there is none.
    explicit Display(const std::string& name = "");
    // Takes the windows off the screen and closes the connection.
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // The size of the X screen, at 0, 0.
    Rect screenBounds() const;
    void setFilters(InputFilters filters);

    // Waits until X events arrive or `milliseconds` pass; true when events wait.
    bool wait(int milliseconds);
    // Handles every event that waits, then brings the screen up to date with
    // the toolkit's windows: placed, stacked, titled and painted.
    void dispatch();

private:
    std::unique_ptr<detail::Backend> backend_;
};

}  // namespace tk::x11
