// The module shows the host one symbol, its entry point; everything else stays
// inside.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

// Names of the symbols the module defines in its dynamic symbol table.
std::set<std::string> exported_symbols(std::string const& path) {
    std::string const command = "nm -D --defined-only '" + path + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::set<std::string> names;
    if (!pipe) return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    return names;
}

TEST(ModuleExports, OnlyThePluginEntry) {
    EXPECT_EQ(exported_symbols(VOXTREL_MODULE_PATH), std::set<std::string>{"PluginEntry"});
}

TEST(ModuleExports, InternalNamesCannotBeLookedUp) {
    void* module = dlopen(VOXTREL_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_NE(dlsym(module, "PluginEntry"), nullptr);
    for (char const* name : {"sSPBasic", "sAEGPPanelSuite", "sPFAppSuite", "_main_dlg", "_cmd_id", "_dialog_id"}) {
        EXPECT_EQ(dlsym(module, name), nullptr) << name;
    }
    dlclose(module);
}

}  // namespace
