#include "run.h"

#include <fstream>
#include <sstream>

#include "host/Host.h"
#include "host/scene.h"
#include "output.h"

namespace app {

namespace {

// The scene's text, or a message on `err`.
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

}  // namespace

int run(const Options& options, std::ostream& out, std::ostream& err) {
    host::Host h;
    std::string text;
    if (!read_scene(options, text, err)) return kExitBadInput;
    try {
        h.load_scene_text(text);
    } catch (const host::SceneError& e) {
        err << "voxtrel-host: " << scene_name(options) << ": " << e.what() << "\n";
        return kExitBadInput;
    }

    const std::string plugin = options.plugin.empty() ? default_plugin_path() : options.plugin;
    const host::LoadResult loaded = h.load_module(plugin);
    if (loaded.outcome == host::LoadOutcome::cannot_open || loaded.outcome == host::LoadOutcome::no_entry) {
        err << "voxtrel-host: " << loaded.message << "\n";
        return kExitCannotLoad;
    }

    if (!options.json) print_registrations(h, out);
    h.quit();
    print_alerts(h, options.json ? err : out);

    const std::string result = h.save_scene_text();
    if (options.json) out << result;
    if (!options.out.empty() && !write_scene_file(options.out, result, err)) return kExitBadInput;

    if (loaded.outcome == host::LoadOutcome::entry_failed) {
        err << "voxtrel-host: the plug-in's entry point returned status " << loaded.status << "\n";
        return kExitPluginFailed;
    }
    return kExitDone;
}

}  // namespace app
