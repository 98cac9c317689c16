#include "run.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "clock.h"
#include "dialog_driver.h"
#include "host/Host.h"
#include "host/scene.h"
#include "layer_table.h"
#include "open_dialog.h"
#include "output.h"
#include "toolkit/automation.h"

namespace app {

namespace {

constexpr double kDefaultCube = 1000;

// The host as asked: which suites it lacks, its screens, the clock the plug-in reads.
void prepare_host(host::Host& h, const Options& options, std::ostream& err) {
    if (!options.panel) h.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    for (const auto& [name, version] : options.without) {
        if (!h.suites().offers(name, version))
            err << "voxtrel-host: the host offers no \"" << name << "\" version " << version
                << "; --without changes nothing\n";
        h.remove_suite(name, version);
    }
    if (options.screen)
        tk::automation::setScreens({Rect{0, 0, static_cast<SInt16>(options.screen->height),
                                         static_cast<SInt16>(options.screen->width)}});
    if (options.clock) set_clock(static_cast<std::time_t>(*options.clock));
}

// The box the picture shows: what the dialog's fields hold, else what was asked.
view::Vec3 box_size(const std::optional<std::array<double, 3>>& fields, const Options& options) {
    if (fields) return {(*fields)[0], (*fields)[1], (*fields)[2]};
    if (const auto& cube = options.dialog.cube)
        return {std::stod((*cube)[0]), std::stod((*cube)[1]), std::stod((*cube)[2])};
    return {kDefaultCube, kDefaultCube, kDefaultCube};
}

// What the dialog left behind for the outputs.
struct DialogResult {
    bool opened = false;
    int presses = 0;       // presses of "Apply" that reached the button
    int applications = 0;  // undo groups the plug-in opened for them
    bool written = true;   // its outputs could be written
    std::optional<std::array<double, 3>> cube;
};

// Every application the plug-in makes is an undo group named "Voxtrel", even
// when it changes nothing; a press without one failed before it began.
int voxtrel_undo_groups(const host::Host& h) {
    const auto& names = h.undo_history().group_names();
    return static_cast<int>(std::count(names.begin(), names.end(), std::string("Voxtrel")));
}

// Opens, operates and pictures the dialog; `opened` stays false when it could not be opened.
DialogResult use_dialog(host::Host& h, const Options& options, std::ostream& out, std::ostream& err) {
    DialogResult result;
    const OpenResult opened = open_voxtrel(h);
    if (opened.outcome != OpenOutcome::opened) {
        err << "voxtrel-host: " << opened.message << "\n";
        return result;
    }
    result.opened = true;
    DialogDriver driver(opened.place.root, [&h] { h.idle(); }, err);
    driver.operate(options.dialog);
    const int groups_before = voxtrel_undo_groups(h);
    result.presses = driver.press_apply(options.dialog.apply);
    result.applications = voxtrel_undo_groups(h) - groups_before;
    result.cube = driver.cube_size();
    if (options.undo) {
        const std::string step = h.undo_history().undo_steps().empty() ? "" : h.undo_history().undo_steps().back().name;
        if (h.undo()) {
            if (!options.json) out << "Undone: " << step << "\n";
        } else {
            err << "voxtrel-host: nothing to undo\n";
        }
        h.idle();
    }
    // The dialog as it looks at the end, before quitting closes it.
    if (!options.ui_json.empty()) result.written = write_ui_json(options.ui_json, opened.place.window, err);
    if (!options.out.empty()) result.written &= write_dialog_picture(options.out, opened.place.window, err);
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
    return failed;
}

// The table or the scene on `out`, the alerts, and the files in --out; false
// when a file could not be written.
bool tell_results(const host::Host& h, const Options& options, const std::vector<LayerRow>& rows,
                  const DialogResult& dialog, std::ostream& out, std::ostream& err) {
    if (!options.json) print_layer_table(rows, out);
    print_alerts(h, options.json ? err : out);
    const std::string result = h.save_scene_text();
    if (options.json) out << result;
    if (options.out.empty()) return true;
    const bool scene = write_scene_file(options.out, result, err);
    const bool picture =
        write_view_picture(options.out, nlohmann::json::parse(result), box_size(dialog.cube, options), err);
    return scene && picture;
}

}  // namespace

bool read_scene(const Options& options, std::string& text, std::ostream& err) {
    if (options.scene.empty()) {
        text = host::scene_text(host::default_scene());
        return true;
    }
    std::ifstream in(options.scene);
    std::stringstream content;
    content << in.rdbuf();
    if (!in) {
        err << "voxtrel-host: cannot read " << options.scene << "\n";
        return false;
    }
    text = content.str();
    return true;
}

std::string scene_name(const Options& options) {
    return options.scene.empty() ? std::string("the default scene") : options.scene;
}

int run(const Options& options, std::ostream& out, std::ostream& err) {
    host::Host h;
    prepare_host(h, options, err);
    std::string text;
    if (!read_scene(options, text, err)) return kExitBadInput;
    try {
        h.load_scene_text(text);
    } catch (const host::SceneError& e) {
        err << "voxtrel-host: " << scene_name(options) << ": " << e.what() << "\n";
        return kExitBadInput;
    }
    if (!options.out.empty() && !make_out_dir(options.out, err)) return kExitBadInput;

    const std::string plugin = options.plugin.empty() ? default_plugin_path() : options.plugin;
    const host::LoadResult loaded = h.load_module(plugin);
    if (loaded.outcome == host::LoadOutcome::cannot_open || loaded.outcome == host::LoadOutcome::no_entry) {
        err << "voxtrel-host: " << loaded.message << "\n";
        return kExitCannotLoad;
    }

    const LayerSnapshot before = snapshot_layers(h);
    DialogResult dialog;
    if (loaded.ok()) dialog = use_dialog(h, options, out, err);
    const std::vector<LayerRow> rows = changed_layers(h, before);
    h.quit();

    const bool written = tell_results(h, options, rows, dialog, out, err) && dialog.written;
    const bool failed = report_failures(h, loaded, dialog, err);
    if (!written) return kExitBadInput;
    return failed ? kExitPluginFailed : kExitDone;
}

}  // namespace app
