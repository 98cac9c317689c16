// The connection to the X display, the toolkit's notices, and the order of a
// round: X events first, then the screen brought up to date.
#include <poll.h>

#include <cstdlib>
#include <string>

#include "display.h"
#include "display_x11.h"
#include "refs.h"
#include "registry.h"

namespace tk::x11 {
namespace detail {
namespace {

// A request on a window already gone (the window manager or the toolkit may
// drop one at any time) is no reason to end the program, which Xlib's default does.
int ignore_error(::Display*, XErrorEvent*) { return 0; }

Atom atom(::Display* display, const char* name) { return XInternAtom(display, name, False); }

}  // namespace

void connect(Backend& b, const std::string& name) {
    const char* shown = name.empty() ? std::getenv("DISPLAY") : name.c_str();
    if (!shown || !*shown) throw DisplayError("no X display: DISPLAY is not set");
    b.display = XOpenDisplay(shown);
    if (!b.display) throw DisplayError(std::string("cannot open the X display \"") + shown + "\"");
    XSetErrorHandler(ignore_error);
    b.screen = DefaultScreen(b.display);
    b.root = RootWindow(b.display, b.screen);
    b.atoms.protocols = atom(b.display, "WM_PROTOCOLS");
    b.atoms.deleteWindow = atom(b.display, "WM_DELETE_WINDOW");
    b.atoms.netName = atom(b.display, "_NET_WM_NAME");
    b.atoms.utf8 = atom(b.display, "UTF8_STRING");
    // Windows already open come on screen at the first round.
    for (TkWindow* window : tk::detail::registry().windows) b.stale.insert(tk::detail::ref_of(window));
    b.restack = true;
    tk::detail::display::set_observer([&b](WindowRef window, tk::detail::display::Change change) {
        using tk::detail::display::Change;
        if (change == Change::content)
            b.unpainted.insert(window);
        else
            b.stale.insert(window);
        if (change == Change::reordered) b.restack = true;  // a window newly mapped restacks too
    });
}

void disconnect(Backend& b) {
    tk::detail::display::set_observer({});
    if (!b.display) return;
    destroy_windows(b);
    XCloseDisplay(b.display);
    b.display = nullptr;
}

}  // namespace detail

Display::Display(const std::string& name) : backend_(std::make_unique<detail::Backend>()) {
    detail::connect(*backend_, name);
}

Display::~Display() { detail::disconnect(*backend_); }

Rect Display::screenBounds() const {
    ::Display* d = backend_->display;
    return Rect{0, 0, static_cast<SInt16>(DisplayHeight(d, backend_->screen)),
                static_cast<SInt16>(DisplayWidth(d, backend_->screen))};
}

void Display::setFilters(InputFilters filters) { backend_->filters = std::move(filters); }

bool Display::wait(int milliseconds) {
    if (XPending(backend_->display) > 0) return true;
    pollfd fd{ConnectionNumber(backend_->display), POLLIN, 0};
    return poll(&fd, 1, milliseconds) > 0;
}

void Display::dispatch() {
    detail::Backend& b = *backend_;
    // Input may change windows; each event sees the windows the one before left.
    while (XPending(b.display) > 0) {
        detail::sync_windows(b);
        XEvent event;
        XNextEvent(b.display, &event);
        detail::handle_event(b, event);
    }
    detail::sync_windows(b);
    detail::paint_windows(b);
    XFlush(b.display);
}

}  // namespace tk::x11
