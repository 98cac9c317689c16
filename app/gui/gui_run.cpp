#include "gui/gui_run.h"

#include <memory>

#include "gui/session.h"
#include "host_setup.h"
#include "report.h"
#include "run.h"
#include "toolkit/automation.h"

namespace app::gui {

int run(const Options& options, std::ostream& out, std::ostream& err) {
    std::unique_ptr<tk::x11::Display> display;
    try {
        display = std::make_unique<tk::x11::Display>();
    } catch (const tk::x11::DisplayError& e) {
        err << "voxtrel-host: --gui: " << e.what() << "\n";
        return kExitBadInput;
    }
    host::Host h;
    prepare_host(h, options, err);
    // The plug-in places its dialog on the screen there is, unless told another.
    if (!options.screen) tk::automation::setScreens({display->screenBounds()});
    if (!load_scene(h, options, err)) return kExitBadInput;
    OutputFiles files;
    if (!prepare_outputs(options, files, err)) return kExitBadInput;
    const host::LoadResult loaded = h.load_module(options.plugin.empty() ? default_plugin_path() : options.plugin);
    if (loaded.outcome == host::LoadOutcome::cannot_open || loaded.outcome == host::LoadOutcome::no_entry) {
        err << "voxtrel-host: " << loaded.message << "\n";
        return kExitCannotLoad;
    }

    const Snapshot before = take_snapshot(h);
    DialogResult dialog;
    Report report;
    {
        Session session(h, *display, options, err);
        if (loaded.ok()) session.run();
        dialog = session.result(files);
        report = make_report(h, before, dialog);
        // Quitting closes the dialog and panels and runs the death hooks; the viewer goes after.
        h.quit();
    }
    display->dispatch();
    const bool written = tell_results(h, options, report, dialog, files, out, err) && dialog.written;
    const bool failed = report_failures(h, loaded, dialog, err);
    if (!written) return kExitBadInput;
    return failed ? kExitPluginFailed : kExitDone;
}

}  // namespace app::gui
