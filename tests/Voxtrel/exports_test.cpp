// The module shows the host one symbol, its entry point, which refuses to run
// without a basic suite.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "Voxtrel/main.h"
#include "adobe/AEGP_SuiteHandler.h"

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

// The host can never call these without a basic suite, so they are driven here.
TEST(Shell, EntryWithoutBasicSuiteReturns516AndTheAllCommandsHookTakesNoCommand) {
    EXPECT_EQ(PluginEntry(nullptr, 13, 0, "/p", "/r", 5, nullptr), 516);
    sSPBasic = nullptr;
    for (A_Boolean already : {A_Boolean{0}, A_Boolean{1}}) {
        A_Boolean handled = 1;
        EXPECT_TRUE(on_all_command(nullptr, nullptr, 2080, AEGP_HP_BeforeAE, already, &handled) == 0 && handled == 0);
    }
}

}  // namespace
