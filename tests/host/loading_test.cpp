// Loading plug-ins: a real module through dlopen, a module without entry
// point, a path that cannot be opened, and an entry point linked in.
#include <filesystem>
#include <string>
#include <vector>

#include "host_test_support.h"

namespace {

using host::Host;
using host::LoadOutcome;

TEST(Loading, ModuleRegistersItsCommandAndHooksAndSeesItsArguments) {
    Host h;
    h.calls().log_calls();
    const host::LoadResult r = h.load_module(HOST_TEST_PLUGIN);
    ASSERT_TRUE(r.ok() && r.plugin > 0) << r.message;
    ASSERT_EQ(h.menus().items(AEGP_Menu_WINDOW).size(), 1u);
    const host::MenuItem item = h.menus().items(AEGP_Menu_WINDOW)[0];
    ASSERT_EQ(h.alerts().size(), 1u);
    const std::string dir = std::filesystem::path(HOST_TEST_PLUGIN).parent_path().string();
    const std::string loaded = std::string("loaded 13.0 from ") + HOST_TEST_PLUGIN + ", resources " + dir;
    EXPECT_EQ(std::tuple(item.name, h.global_refcon(r.plugin), h.alerts()[0].text, h.alerts()[0].plugin),
              std::tuple("Test Command", reinterpret_cast<AEGP_GlobalRefcon>(0x5EED), loaded, r.plugin));

    // A command run by a plug-in goes in the log before the calls its hook made.
    const auto* commands = host_test::acquire<AEGP_CommandSuite1>(h, kAEGPCommandSuite, 1);
    EXPECT_EQ(commands->AEGP_DoCommand(item.command), A_Err_NONE);
    const std::string id = std::to_string(r.plugin), command = std::to_string(item.command);
    const std::vector<std::string> expected = {
        R"(AcquireSuite("AEGP Register Suite", 1) 0)",
        R"(AcquireSuite("AEGP Command Suite", 1) 0)",
        "AEGP_GetUniqueCommand() 0",
        "AEGP_InsertMenuCommand(" + command + R"(, "Test Command", )" + std::to_string(AEGP_Menu_WINDOW) + ", -2) 0",
        "AEGP_RegisterCommandHook(" + id + ", 1, " + command + ") 0",
        "AEGP_RegisterDeathHook(" + id + ") 0",
        R"(ReleaseSuite("AEGP Command Suite", 1) 0)",
        R"(ReleaseSuite("AEGP Register Suite", 1) 0)",
        R"(AcquireSuite("AEGP Utility Suite", 3) 0)",
        "AEGP_ReportInfo(" + id + ", \"" + loaded + "\") 0",
        R"(ReleaseSuite("AEGP Utility Suite", 3) 0)",
        R"(AcquireSuite("AEGP Command Suite", 1) 0)",
        "AEGP_DoCommand(" + command + ") 0",
        R"(AcquireSuite("AEGP Utility Suite", 3) 0)",
        "AEGP_ReportInfo(" + id + R"(, "command ran") 0)",
        R"(ReleaseSuite("AEGP Utility Suite", 3) 0)",
    };
    std::vector<std::string> logged;  // as "function(arguments) status" lines
    for (const host::CallRecord& c : h.calls().calls())
        logged.push_back(c.function + "(" + c.arguments + ") " + std::to_string(c.status));
    EXPECT_EQ(logged, expected);
    h.basic_suite()->ReleaseSuite(kAEGPCommandSuite, 1);

    // Another module gets another id.
    const host::LoadResult again = h.load_module(HOST_TEST_PLUGIN);
    EXPECT_TRUE(again.ok() && again.plugin != r.plugin);
    h.quit();
    EXPECT_TRUE(h.alerts().size() == 5 && h.alerts()[1].text + ", " + h.alerts()[4].text == "command ran, goodbye");
    EXPECT_TRUE(h.balanced()) << h.balance_report();
}

// What the linked entry point was given: version, path and resource folder.
std::string _given;

A_Err linked_entry(SPBasicSuite* basic, A_long major, A_long minor, const A_char* path, const A_char* resources,
                   AEGP_PluginID, AEGP_GlobalRefcon*) {
    _given = std::to_string(major) + "." + std::to_string(minor) + " " + path + " " + resources;
    const void* table = nullptr;
    return basic->AcquireSuite("No Such Suite", 1, &table);
}

// A module without entry point, a path that cannot be opened and a missing entry say why; a linked entry
// point is called like a module's.
TEST(Loading, ModulesThatCannotBeLoadedSayWhyAndALinkedEntryPointIsCalledLikeAModule) {
    Host h;
    const host::LoadResult none = h.load_module(HOST_TEST_NO_ENTRY), missing = h.load_module("/nonexistent/Nothing.so");
    EXPECT_EQ(std::tuple(none.outcome, none.plugin, missing.outcome, h.load_entry(nullptr).outcome),
              std::tuple(LoadOutcome::no_entry, 0, LoadOutcome::cannot_open, LoadOutcome::no_entry));
    EXPECT_NE(none.message.find("PluginEntry"), std::string::npos) << none.message;
    EXPECT_TRUE(missing.message.find("/nonexistent/Nothing.so") != std::string::npos &&
                missing.message.find("No such file") != std::string::npos)
        << missing.message;
    const host::LoadResult r = h.load_entry(linked_entry, "/opt/plug-ins/Linked.so");
    EXPECT_EQ(std::pair(r.outcome, r.status), std::pair(LoadOutcome::entry_failed, A_Err{A_Err_MISSING_SUITE}));
    EXPECT_EQ(_given, std::to_string(host::kDriverMajorVersion) + "." + std::to_string(host::kDriverMinorVersion) +
                          " /opt/plug-ins/Linked.so /opt/plug-ins");
}

}  // namespace
