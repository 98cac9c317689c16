// Loading plug-ins: a module by dlopen and its "PluginEntry", or an entry point
// linked into the program.
#include <dlfcn.h>

#include <filesystem>

#include "host/Host.h"

namespace host {

LoadResult Host::load_module(const std::string& path) {
    dlerror();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = dlerror();
        return {LoadOutcome::cannot_open, A_Err_NONE, "cannot open " + path + ": " + (why ? why : "unknown error"), 0};
    }
    auto* entry = reinterpret_cast<AEGP_PluginInitFuncPrototype>(dlsym(module, "PluginEntry"));
    if (!entry) {
        dlclose(module);
        return {LoadOutcome::no_entry, A_Err_NONE, path + " has no entry point PluginEntry", 0};
    }
    modules_.push_back(module);
    return run_entry(entry, path);
}

LoadResult Host::load_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path) {
    if (!entry) return {LoadOutcome::no_entry, A_Err_NONE, "no entry point given", 0};
    return run_entry(entry, path);
}

LoadResult Host::run_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path) {
    const AEGP_PluginID id = next_plugin_++;
    plugins_[id] = nullptr;
    const std::string resources = std::filesystem::path(path).parent_path().string();
    AEGP_GlobalRefcon refcon = nullptr;
    const A_Err status = entry(basic_suite(), kDriverMajorVersion, kDriverMinorVersion, path.c_str(),
                               resources.c_str(), id, &refcon);
    plugins_[id] = refcon;
    if (status != A_Err_NONE)
        return {LoadOutcome::entry_failed, status, path + ": the entry point returned " + std::to_string(status), id};
    return {LoadOutcome::loaded, A_Err_NONE, "", id};
}

AEGP_GlobalRefcon Host::global_refcon(AEGP_PluginID plugin) const {
    const auto it = plugins_.find(plugin);
    return it == plugins_.end() ? nullptr : it->second;
}

}  // namespace host
