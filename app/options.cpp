#include "options.h"

#include <filesystem>

namespace app {

void add_options(CLI::App& cli, Options& options) {
    cli.add_option("SCENE", options.scene, "Scene file (JSON); without it the embedded default scene")
        ->check(CLI::ExistingFile);
    cli.add_option("--plugin", options.plugin, "Plug-in module to load (default: Voxtrel.so beside the program)");
    cli.add_flag("--json", options.json, "Print the result scene on standard output");
    cli.add_option("--out", options.out, "Write DIR/scene.json (DIR is created)");
    cli.add_option("--apply", options.apply, "Press \"Apply\" N times (0: only open the dialog)")
        ->check(CLI::Range(0, 1000000));
}

std::string default_plugin_path() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "Voxtrel.so";
    return (self.parent_path() / "Voxtrel.so").string();
}

}  // namespace app
