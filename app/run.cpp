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
#include "report.h"
#include "suggest.h"

namespace app {

namespace {

constexpr double kDefaultCube = 1000;

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

// The box the picture shows: the size the dialog's fields took (typing may
// have been clamped), else the dialog's initial size.
view::Vec3 box_size(const std::optional<std::array<double, 3>>& fields) {
    if (fields) return {(*fields)[0], (*fields)[1], (*fields)[2]};
    return {kDefaultCube, kDefaultCube, kDefaultCube};
}

// What the dialog left behind for the outputs.
struct DialogResult {
    bool opened = false;
    int presses = 0;       // presses of "Apply" that reached the button
    int applications = 0;  // undo groups the plug-in opened for them
    std::string undone;    // the step undone at the end
    bool written = true;   // its outputs could be written
    std::string ui_tree;   // the view tree, for --ui-json -
    std::optional<std::array<double, 3>> cube;
};

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

// Whatever shows that the plug-in failed, on `err`; true when something did.
bool report_failures(const host::Host& h, const host::LoadResult& loaded, const DialogResult& dialog,
                     std::ostream& err) {
    bool failed = print_hook_failures(h, err);
    if (loaded.outcome == host::LoadOutcome::entry_failed) {
        err << "voxtrel-host: the plug-in's entry point returned status " << loaded.status << "\n";
        failed = true;
    } else if (!dialog.opened) {
        failed = true;  // why was said when opening
    }
    if (dialog.applications < dialog.presses) {
        err << "voxtrel-host: \"Apply\" was pressed " << dialog.presses << " times but the plug-in applied "
            << dialog.applications << " times\n";
        failed = true;
    }
    if (!h.alerts().empty()) {
        err << "voxtrel-host: the plug-in reported a problem (see the alerts)\n";
        failed = true;
    }
    // The host knows what it refused, which says why (a suite it lacks, a bad argument).
    if (failed) print_refusals(h, err);
    return failed;
}

// What the run did, from the composition as loaded and as it is now.
Report make_report(const host::Host& h, const Snapshot& before, const DialogResult& dialog) {
    Report report;
    report.undone = dialog.undone;
    report.presses = dialog.presses;
    report.applications = dialog.applications;
    report.layers = changed_layers(h, before);
    if (dialog.applications > 0) report.skipped = skipped_layers(h, before);
    return report;
}

// Standard output's text, the alerts, and the files; false when a file could
// not be written. Standard output is written last and whole.
bool tell_results(const host::Host& h, const Options& options, Report report, const DialogResult& dialog,
                  OutputFiles& files, std::ostream& out, std::ostream& err) {
    for (const host::Alert& a : h.alerts()) report.alerts.push_back(a.text);
    // The result scene is costly for large scenes: made only when something shows it.
    const bool scene_wanted = options.json || files.scene || files.view;
    const std::string scene = scene_wanted ? h.save_scene_text() : std::string();
    const std::string report_text = host::scene_text(report_json(report));

    // Standard output carries one thing: the table with the alerts, or what was asked for instead.
    std::ostringstream text;
    if (options.json)
        text << scene;
    else if (options.report == kStandardOutput)
        text << report_text;
    else if (options.ui_json == kStandardOutput)
        text << dialog.ui_tree;
    else
        print_layer_table(report, text);
    const bool table = !options.json && options.report != kStandardOutput && options.ui_json != kStandardOutput;
    if (table)
        print_alerts(h, text);
    else if (!h.alerts().empty())
        print_alerts(h, err);

    bool written = true;
    if (files.scene) written &= files.scene->write(scene, err);
    if (files.view)
        written &= write_view_picture(*files.view, nlohmann::json::parse(scene), box_size(dialog.cube), err);
    if (files.report) written &= files.report->write(report_text, err);
    if (files.report_file) written &= files.report_file->write(report_text, err);
    written = commit_outputs(files, err) && written;
    out << text.str() << std::flush;
    return written;
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
