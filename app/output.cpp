#include "output.h"

#include <filesystem>
#include <map>

#include "toolkit/automation.h"
#include "toolkit/automation_json.h"
#include "view/view_render.h"

namespace app {

namespace {

std::unique_ptr<StagedFile> in_folder(const std::string& dir, const char* name) {
    return std::make_unique<StagedFile>(std::filesystem::path(dir) / name);
}

// Distinct lines to tell, in the order they first came, with how often each came.
template <class Key>
class Tally {
public:
    void add(const Key& key) {
        const auto [at, added] = index_.emplace(key, lines_.size());
        if (added) lines_.emplace_back(key, 0);
        ++lines_[at->second].second;
    }
    const std::vector<std::pair<Key, int>>& in_order() const { return lines_; }

private:
    std::map<Key, std::size_t> index_;
    std::vector<std::pair<Key, int>> lines_;
};

std::string times(int count) { return count > 1 ? " (" + std::to_string(count) + " times)" : ""; }

}  // namespace

bool prepare_outputs(const Options& options, OutputFiles& files, std::ostream& err) {
    try {
        if (!options.out.empty()) {
            std::error_code error;
            std::filesystem::create_directories(options.out, error);
            if (error) {
                err << "voxtrel-host: cannot create " << options.out << ": " << error.message() << "\n";
                return false;
            }
            files.scene = in_folder(options.out, "scene.json");
            files.view = in_folder(options.out, "view.png");
            files.dialog = in_folder(options.out, "dialog.png");
            files.report = in_folder(options.out, "report.json");
        }
        if (!options.ui_json.empty() && options.ui_json != kStandardOutput)
            files.ui_json = std::make_unique<StagedFile>(options.ui_json);
        if (!options.report.empty() && options.report != kStandardOutput)
            files.report_file = std::make_unique<StagedFile>(options.report);
    } catch (const std::runtime_error& e) {
        err << "voxtrel-host: " << e.what() << "\n";
        return false;
    }
    return true;
}

bool commit_outputs(OutputFiles& files, std::ostream& err) {
    bool ok = true;
    for (StagedFile* file : {files.scene.get(), files.view.get(), files.dialog.get(), files.report.get(),
                             files.ui_json.get(), files.report_file.get()}) {
        if (!file) continue;
        ok = file->commit(err) && ok;
        if (file->removed_earlier())
            err << "voxtrel-host: removed " << file->target().string()
                << ", which an earlier run left; this run made none\n";
    }
    return ok;
}

void print_alerts(const host::Host& h, std::ostream& out) {
    out << "Alerts:\n";
    for (const host::Alert& a : h.alerts()) out << "  " << a.text << "\n";
    if (h.alerts().empty()) out << "  (none)\n";
}

bool print_hook_failures(const host::Host& h, std::ostream& err) {
    // An idle hook fails on every idle call; once a line is enough.
    Tally<std::pair<std::string, A_Err>> failures;
    for (const host::HookFailure& f : h.hooks().failures) failures.add({f.hook, f.status});
    for (const auto& [key, count] : failures.in_order())
        err << "voxtrel-host: the plug-in's " << key.first << " hook returned status " << key.second
            << times(count) << "\n";
    return !failures.in_order().empty();
}

void print_refusals(const host::Host& h, std::ostream& err) {
    // A plug-in asks for the panel suite to learn whether it can dock; without
    // it, it opens a window, which explains no failure.
    const std::string no_panels = "no \"" + std::string(kAEGPWorkspacePanelSuite) + "\" version " +
                                  std::to_string(kAEGPWorkspacePanelSuiteVersion1);
    Tally<std::pair<std::string, std::string>> refusals;
    for (const host::CallRecord& call : h.calls().refusals())
        if (call.function != "AcquireSuite" || call.reason != no_panels) refusals.add({call.function, call.reason});
    for (const auto& [key, count] : refusals.in_order())
        err << "voxtrel-host: the host refused " << key.first << ": " << key.second << times(count) << "\n";
    const long unkept = h.calls().refusals_total() - static_cast<long>(h.calls().refusals().size());
    if (unkept > 0) err << "voxtrel-host: and " << unkept << " earlier refused call" << (unkept > 1 ? "s" : "") << "\n";
}

bool write_view_picture(StagedFile& file, const nlohmann::json& scene, view::Vec3 box, std::ostream& err) {
    try {
        view::render_view(scene, box, file.temporary());
    } catch (const std::exception& e) {
        err << "voxtrel-host: cannot draw " << file.target().string() << ": " << e.what() << "\n";
        return false;
    }
    file.mark_written();
    return true;
}

bool write_dialog_picture(StagedFile& file, WindowRef window, std::ostream& err) {
    if (!tk::automation::writeWindowPng(window, file.temporary())) {
        err << "voxtrel-host: cannot write " << file.target().string() << "\n";
        return false;
    }
    file.mark_written();
    return true;
}

std::string ui_tree_text(WindowRef window) {
    const nlohmann::json tree = tk::automation::describe(window);
    return tree.dump(2) + "\n";
}

}  // namespace app
