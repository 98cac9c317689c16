// One interactive session of the host on an X display: the composition viewer,
// the Voxtrel dialog opened from the menu, the host's keys, the idle hooks on a
// timer, until the person quits.
#pragma once

#include <ostream>

#include "application_watch.h"
#include "dialog_window.h"
#include "gui/composition_viewer.h"
#include "host/Host.h"
#include "options.h"
#include "output.h"
#include "progress.h"
#include "run_results.h"
#include "toolkit/x11_display.h"

namespace app::gui {

class Session {
public:
    // Shows the viewer and opens the dialog from the menu (saying on `err` when it cannot).
    Session(host::Host& h, tk::x11::Display& display, const Options& options, std::ostream& err);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Until Ctrl+Q or the viewer's close box.
    void run();
    // What the dialog left, its picture written to `files` while it is still there.
    DialogResult result(OutputFiles& files);

private:
    bool key(const tk::x11::TypedKey& key);
    void press(const tk::x11::MouseDown& press);
    void idle();
    void refresh();
    void open_dialog();
    std::optional<std::array<double, 3>> cube() const;

    host::Host& host_;
    tk::x11::Display& display_;
    std::ostream& err_;
    std::ostream quiet_{nullptr};  // what the batch mode's progress would tell
    Progress progress_{quiet_, Progress::Style::lines};
    ApplicationWatch watch_;
    CompositionViewer viewer_;
    DialogPlace dialog_;
    bool opened_{};
    bool quit_{};
};

}  // namespace app::gui
