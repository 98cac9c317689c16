#include "run.h"

#include <algorithm>
#include <sstream>

#include "application_watch.h"
#include "dialog_driver.h"
#include "host/Host.h"
#include "host/scene.h"
#include "host_setup.h"
#include "layer_table.h"
#include "open_dialog.h"
#include "out_of_memory.h"
#include "output.h"
#include "run_results.h"
#include "suggest.h"

namespace app {

namespace {

// --camera must name a camera of the scene exactly, or the run would go on
// with another one; false with the cameras there are on `err`.
bool check_camera(const host::Host& h, const Options& options, std::ostream& err) {
    if (!options.dialog.camera) return true;
    const std::string& name = *options.dialog.camera;
    std::vector<std::string> cameras;
    for (host::ObjectId id : h.layer_ids())
        if (h.project().layer(id)->type == host::LayerType::camera) cameras.push_back(h.project().layer(id)->name);
    if (std::find(cameras.begin(), cameras.end(), name) != cameras.end()) return true;
    err << "voxtrel-host: --camera \"" << name << "\": must name one of the scene's cameras";
    for (std::size_t i = 0; i < cameras.size(); ++i)
        err << (i == 0 ? ", " : i + 1 == cameras.size() ? " or " : ", ") << "\"" << cameras[i] << "\"";
    if (cameras.empty()) err << ", but it has none";
    if (const auto near = nearest(name, cameras)) err << " (did you mean \"" << *near << "\"?)";
    err << "\n";
    return false;
}

// Opens, operates and pictures the dialog; `opened` stays false when it could not be opened.
DialogResult use_dialog(host::Host& h, const Options& options, OutputFiles& files, Progress& progress,
                        std::ostream& err) {
    DialogResult result;
    progress.begin("opening the dialog");
    const OpenResult opened = open_voxtrel(h);
    progress.end();
    if (opened.outcome != OpenOutcome::opened) {
        err << "voxtrel-host: " << opened.message << "\n";
        return result;
    }
    result.opened = true;
    ApplicationWatch* watch = nullptr;
    DialogDriver driver(
        opened.place.root,
        [&h, &watch] {
            h.idle();
            if (watch) watch->after_idle();
        },
        err);
    progress.begin("operating the dialog");
    driver.operate(options.dialog);
    progress.end();
    ApplicationWatch applications(h, progress, options.dialog.apply, options.clock_step);
    watch = &applications;
    result.presses = driver.press_apply(options.dialog.apply);
    applications.finish();
    watch = nullptr;
    result.applications = applications.applications();
    result.cube = driver.cube_size();
    if (options.undo) {
        const std::string step = h.undo_history().undo_steps().empty() ? "" : h.undo_history().undo_steps().back().name;
        if (h.undo())
            result.undone = step;
        else
            err << "voxtrel-host: nothing to undo\n";
        h.idle();
    }
    // The dialog as it looks at the end, before quitting closes it.
    if (!options.ui_json.empty()) result.ui_tree = ui_tree_text(opened.place.window);
    if (files.ui_json) result.written = files.ui_json->write(result.ui_tree, err);
    if (files.dialog) result.written &= write_dialog_picture(*files.dialog, opened.place.window, err);
    return result;
}

}  // namespace

int run(const Options& options, std::ostream& out, std::ostream& err, Progress& progress) {
    out_of_memory::stop_the_run_when_memory_runs_out();
    host::Host h;
    prepare_host(h, options, err);
    progress.begin("reading the scene");
    const bool loaded_scene = load_scene(h, options, err);
    progress.end();
    if (!loaded_scene || !check_camera(h, options, err)) return kExitBadInput;
    OutputFiles files;
    if (!prepare_outputs(options, files, err)) return kExitBadInput;

    progress.begin("loading the plug-in");
    const std::string plugin = options.plugin.empty() ? default_plugin_path() : options.plugin;
    const host::LoadResult loaded = h.load_module(plugin);
    progress.end();
    if (loaded.outcome == host::LoadOutcome::cannot_open || loaded.outcome == host::LoadOutcome::no_entry) {
        err << "voxtrel-host: " << loaded.message << "\n";
        return kExitCannotLoad;
    }

    const Snapshot before = take_snapshot(h);
    DialogResult dialog;
    if (loaded.ok()) dialog = use_dialog(h, options, files, progress, err);
    progress.begin("comparing the layers");
    const Report report = make_report(h, before, dialog);
    progress.end();
    progress.begin("quitting the host");
    h.quit();
    progress.end();

    progress.begin("writing the results");
    const bool written = tell_results(h, options, report, dialog, files, out, err) && dialog.written;
    progress.end();
    const bool failed = report_failures(h, loaded, dialog, err);
    if (!written) return kExitBadInput;
    return failed ? kExitPluginFailed : kExitDone;
}

}  // namespace app
