#include "run_results.h"

#include <sstream>

#include "host/scene.h"

namespace app {

namespace {

constexpr double kDefaultCube = 1000;

}  // namespace

view::Vec3 box_size(const std::optional<std::array<double, 3>>& fields) {
    if (fields) return {(*fields)[0], (*fields)[1], (*fields)[2]};
    return {kDefaultCube, kDefaultCube, kDefaultCube};
}

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

Report make_report(const host::Host& h, const Snapshot& before, const DialogResult& dialog) {
    Report report;
    report.undone = dialog.undone;
    report.presses = dialog.presses;
    report.applications = dialog.applications;
    report.layers = changed_layers(h, before);
    if (dialog.applications > 0) report.skipped = skipped_layers(h, before);
    return report;
}

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

}  // namespace app
