#include "host_setup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "clock.h"
#include "host/scene.h"
#include "suggest.h"
#include "toolkit/automation.h"

namespace app {

namespace {

std::string suite_text(const std::string& name, long version) { return name + ":" + std::to_string(version); }

// --without of a suite the host does not offer changes nothing; a near one may have been meant.
void check_removable(const host::Host& h, const std::string& name, long version, std::ostream& err) {
    if (h.suites().offers(name, version)) return;
    std::vector<std::string> offered;
    for (const auto& [n, v] : h.suites().offered()) offered.push_back(suite_text(n, v));
    const std::optional<std::string> near = nearest(suite_text(name, version), offered);
    err << "voxtrel-host: --without \"" << suite_text(name, version)
        << "\": the host offers no such suite, so nothing was removed";
    if (near) err << "; did you mean \"" << *near << "\"?";
    err << "\n";
}

}  // namespace

void prepare_host(host::Host& h, const Options& options, std::ostream& err) {
    for (const auto& [name, version] : options.without) {
        check_removable(h, name, version, err);
        h.remove_suite(name, version);
    }
    const bool panels = h.suites().offers(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    if (options.panel && !panels)
        err << "voxtrel-host: --panel: the host offers no panels without \"" << kAEGPWorkspacePanelSuite
            << "\" version " << kAEGPWorkspacePanelSuiteVersion1
            << " (removed with --without), so the dialog opens in its own window\n";
    if (!options.panel) h.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    if (options.screen)
        tk::automation::setScreens(
            {Rect{0, 0, static_cast<SInt16>(options.screen->height), static_cast<SInt16>(options.screen->width)}});
    if (options.clock) set_clock(static_cast<std::time_t>(*options.clock));
}

std::string scene_name(const Options& options) {
    return options.scene.empty() ? std::string("the default scene") : host::printable(options.scene, 200);
}

bool read_scene(const Options& options, std::string& text, std::ostream& err) {
    if (options.scene.empty()) {
        text = host::scene_text(host::default_scene());
        return true;
    }
    std::error_code error;
    if (std::filesystem::is_directory(options.scene, error)) {
        err << "voxtrel-host: " << scene_name(options) << ": cannot be read: it is a folder\n";
        return false;
    }
    // Only a little more than a scene may hold is read, so that the limit is told, not the memory exhausted.
    std::ifstream in(options.scene, std::ios::binary);
    char chunk[BUFSIZ];
    while (in && text.size() <= host::kMaxSceneBytes) {
        in.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (!in.is_open() || in.bad() || (in.fail() && !in.eof())) {
        err << "voxtrel-host: " << scene_name(options) << ": cannot be read: " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

bool load_scene(host::Host& h, const Options& options, std::ostream& err) {
    std::string text;
    if (!read_scene(options, text, err)) return false;
    try {
        h.load_scene_text(text);
    } catch (const host::SceneError& e) {
        err << "voxtrel-host: " << scene_name(options) << ": " << e.what() << "\n";
        return false;
    }
    return true;
}

}  // namespace app
