#include "gui/session.h"

#include <algorithm>

#include "dialog_driver.h"
#include "gui/event_loop.h"
#include "gui/host_keys.h"
#include "open_dialog.h"
#include "toolkit/automation.h"

namespace app::gui {
namespace {

// The first screen the toolkit knows, where the viewer goes.
Rect main_screen() {
    Rect bounds{0, 0, 900, 1440};
    if (GDHandle device = GetDeviceList()) bounds = (**device).gdRect;
    return bounds;
}

bool alive(WindowRef window) {
    const std::vector<WindowRef> windows = tk::automation::windows();
    return window && std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

Session::Session(host::Host& h, tk::x11::Display& display, const Options& options, std::ostream& err)
    : host_(h), display_(display), err_(err), watch_(h, progress_, 0, options.clock_step), viewer_(h, main_screen()) {
    // The clock moves on (--clock-step) right after each application, as in a batch run.
    display_.setFilters({[this](const tk::x11::TypedKey& k) { return key(k); },
                         [this](const tk::x11::MouseDown& p) { press(p); }, [this] { watch_.after_idle(); }});
    refresh();
    open_dialog();
}

Session::~Session() { display_.setFilters({}); }

void Session::open_dialog() {
    const OpenResult opened = open_voxtrel(host_);
    watch_.after_idle();
    if (opened.outcome != OpenOutcome::opened) {
        err_ << "voxtrel-host: " << opened.message << "\n";
        return;
    }
    dialog_ = opened.place;
    opened_ = true;
}

bool Session::key(const tk::x11::TypedKey& key) {
    switch (host_key(key)) {
        case HostKey::undo:
            host_.undo();
            return true;
        case HostKey::redo:
            host_.redo();
            return true;
        case HostKey::quit:
            quit_ = true;
            return true;
        case HostKey::none:
            return false;
    }
    return false;
}

void Session::press(const tk::x11::MouseDown& press) {
    if (press.window != viewer_.window()) return;
    if (viewer_.press(press.where, press.modifiers).kind == ViewerSpot::Kind::menu_item) open_dialog();
}

void Session::idle() {
    host_.idle();
    watch_.after_idle();
}

std::optional<std::array<double, 3>> Session::cube() const {
    if (!alive(dialog_.window)) return std::nullopt;
    std::ostream quiet(nullptr);
    return DialogDriver(
               dialog_.root, [] {}, quiet)
        .cube_size();
}

void Session::refresh() { viewer_.refresh(box_size(cube())); }

void Session::run() {
    run_loop(display_,
             {[this] { idle(); }, [this] { refresh(); }, [this] { return quit_ || viewer_.close_requested(); }});
}

DialogResult Session::result(OutputFiles& files) {
    DialogResult result;
    result.opened = opened_;
    result.applications = watch_.applications();
    // Each press a person made that reached the plug-in is one of its applications.
    result.presses = result.applications;
    result.cube = cube();
    if (files.dialog && alive(dialog_.window))
        result.written = write_dialog_picture(*files.dialog, dialog_.window, err_);
    return result;
}

}  // namespace app::gui
