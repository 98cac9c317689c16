#include "output.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "toolkit/automation.h"
#include "toolkit/automation_json.h"
#include "view/view_render.h"

namespace app {

namespace {

bool write_text(const std::filesystem::path& file, const std::string& text, std::ostream& err) {
    std::ofstream out(file);
    out << text;
    out.close();
    if (!out) {
        err << "voxtrel-host: cannot write " << file.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

void print_alerts(const host::Host& h, std::ostream& out) {
    out << "Alerts:\n";
    for (const host::Alert& a : h.alerts()) out << "  " << a.text << "\n";
    if (h.alerts().empty()) out << "  (none)\n";
}

bool print_hook_failures(const host::Host& h, std::ostream& err) {
    // An idle hook fails on every idle call; once a line is enough.
    std::map<std::pair<std::string, A_Err>, int> counts;
    std::vector<std::pair<std::string, A_Err>> order;
    for (const host::HookFailure& f : h.hooks().failures) {
        const auto key = std::make_pair(f.hook, f.status);
        if (counts[key]++ == 0) order.push_back(key);
    }
    for (const auto& key : order) {
        err << "voxtrel-host: the plug-in's " << key.first << " hook returned status " << key.second;
        if (counts[key] > 1) err << " (" << counts[key] << " times)";
        err << "\n";
    }
    return !order.empty();
}

bool make_out_dir(const std::string& dir, std::ostream& err) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        err << "voxtrel-host: cannot create " << dir << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

bool write_scene_file(const std::string& dir, const std::string& scene_text, std::ostream& err) {
    return write_text(std::filesystem::path(dir) / "scene.json", scene_text, err);
}

bool write_view_picture(const std::string& dir, const nlohmann::json& scene, view::Vec3 box, std::ostream& err) {
    const std::string file = (std::filesystem::path(dir) / "view.png").string();
    try {
        view::render_view(scene, box, file);
    } catch (const std::exception& e) {
        err << "voxtrel-host: cannot draw " << file << ": " << e.what() << "\n";
        return false;
    }
    return true;
}

bool write_dialog_picture(const std::string& dir, WindowRef window, std::ostream& err) {
    const std::string file = (std::filesystem::path(dir) / "dialog.png").string();
    if (tk::automation::writeWindowPng(window, file)) return true;
    err << "voxtrel-host: cannot write " << file << "\n";
    return false;
}

bool write_ui_json(const std::string& file, WindowRef window, std::ostream& err) {
    const nlohmann::json tree = tk::automation::describe(window);
    return write_text(file, tree.dump(2) + "\n", err);
}

}  // namespace app
