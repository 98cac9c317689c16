// Command numbers, menu items and their state, and dispatch of commands,
// menu updates, idle time and quitting to the registered hooks.
#include <string>
#include <utility>
#include <vector>

#include "host_test_support.h"

namespace {

using host::Host;
using host_test::acquire;

// What the hooks saw, in order; what the recording command hook answers and
// returns; the command the update-menu hook disables, if any.
struct Recorded {
    std::vector<std::string> seen;
    A_Boolean handle = 0;
    A_Err hook_status = A_Err_NONE;
    AEGP_Command disabled_by_menu_hook = 0;
    const AEGP_CommandSuite1* again = nullptr;  // the recording command hook runs its command again through it
} _recorded;

A_Err record_command(AEGP_GlobalRefcon, AEGP_CommandRefcon refcon, AEGP_Command command, AEGP_HookPriority priority,
                     A_Boolean already, A_Boolean* handled) {
    _recorded.seen.push_back(std::string(reinterpret_cast<const char*>(refcon)) + " " + std::to_string(command) + " p" +
                    std::to_string(priority) + (already ? " already" : ""));
    if (_recorded.handle) *handled = 1;
    if (_recorded.again) _recorded.seen.push_back(std::to_string(_recorded.again->AEGP_DoCommand(command)));
    return _recorded.hook_status;
}

A_Err record_menu(AEGP_GlobalRefcon, AEGP_UpdateMenuRefcon, AEGP_WindowType window) {
    _recorded.seen.push_back("menu " + std::to_string(window));
    if (!_recorded.disabled_by_menu_hook) return A_Err_NONE;
    const void* table = nullptr;
    Host::current()->basic_suite()->AcquireSuite(kAEGPCommandSuite, 1, &table);
    static_cast<const AEGP_CommandSuite1*>(table)->AEGP_DisableCommand(_recorded.disabled_by_menu_hook);
    return Host::current()->basic_suite()->ReleaseSuite(kAEGPCommandSuite, 1);
}

A_Err record_death(AEGP_GlobalRefcon, AEGP_DeathRefcon) {
    _recorded.seen.push_back("death");
    return A_Err_NONE;
}

A_Err record_idle(AEGP_GlobalRefcon, AEGP_IdleRefcon, A_long* sleep) {
    _recorded.seen.push_back("idle " + std::to_string(*sleep));
    *sleep = *sleep / 2;
    return A_Err_NONE;
}

AEGP_CommandRefcon name(const char* text) { return reinterpret_cast<AEGP_CommandRefcon>(const_cast<char*>(text)); }

struct Commands : ::testing::Test {
    Host h;
    const AEGP_PluginID plugin = host_test::attach_plugin(h);
    const AEGP_CommandSuite1* commands = acquire<AEGP_CommandSuite1>(h, kAEGPCommandSuite, 1);
    const AEGP_RegisterSuite1* reg = acquire<AEGP_RegisterSuite1>(h, kAEGPRegisterSuite, 1);
    Commands() { _recorded = {}; }
    AEGP_Command new_command(const char* text, AEGP_MenuID menu = AEGP_Menu_FLOATERS,
                             A_long where = AEGP_MENU_INSERT_AT_BOTTOM) {
        AEGP_Command c = 0;
        EXPECT_EQ(commands->AEGP_GetUniqueCommand(&c), A_Err_NONE);
        EXPECT_EQ(commands->AEGP_InsertMenuCommand(c, text, menu, where), A_Err_NONE);
        return c;
    }
    // What the hooks saw since the last look.
    static std::vector<std::string> seen() { return std::exchange(_recorded.seen, {}); }
};

TEST_F(Commands, MenuItemsTakeTheirPlaceAndState) {
    new_command("Mango");
    new_command("Apricot", AEGP_Menu_FLOATERS, AEGP_MENU_INSERT_AT_TOP);
    new_command("Zebra \xC9");  // Mac Roman, as names come in
    new_command("Kiwi", AEGP_Menu_FLOATERS, AEGP_MENU_INSERT_SORTED);
    const AEGP_Command c = new_command("After first", AEGP_Menu_FLOATERS, 1);
    std::string names;
    for (const host::MenuItem& m : h.menus().items(AEGP_Menu_FLOATERS)) names += m.name + ";";
    EXPECT_EQ(names, "Apricot;After first;Kiwi;Mango;Zebra \xE2\x80\xA6;");
    EXPECT_TRUE(h.menus().items(AEGP_Menu_WINDOW).empty());
    const auto state = [&] {
        return std::tuple(h.menus().state(c)->enabled, h.menus().state(c)->checked, h.command_enabled(c));
    };
    EXPECT_EQ(state(), std::tuple(true, false, true));
    EXPECT_EQ(commands->AEGP_DisableCommand(c) + commands->AEGP_CheckMarkMenuCommand(c, 1), A_Err_NONE);
    EXPECT_EQ(state(), std::tuple(false, true, false));
    EXPECT_EQ(commands->AEGP_EnableCommand(c) + commands->AEGP_CheckMarkMenuCommand(c, 0), A_Err_NONE);
    EXPECT_EQ(state(), std::tuple(true, false, true));
    EXPECT_EQ(std::tuple(commands->AEGP_EnableCommand(c + 50), commands->AEGP_CheckMarkMenuCommand(c + 50, 1)),
              std::tuple(A_Err_PARAMETER, A_Err_PARAMETER));
}

TEST_F(Commands, HooksForTheCommandAndForEveryCommandRunInOrderWithHandledFlag) {
    const AEGP_Command c = new_command("Thing"), other = new_command("Other");
    reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_AfterAE, 0, record_command, name("all-after"));
    reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, c, record_command, name("own"));
    reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 0, record_command, name("all"));
    _recorded.handle = 1;
    EXPECT_TRUE(h.invoke_command(c));
    const std::string n = std::to_string(c), o = std::to_string(other);
    EXPECT_EQ(seen(), (std::vector<std::string>{"own " + n + " p1", "all " + n + " p1 already",
                                                "all-after " + n + " p2 already"}));
    _recorded.handle = 0;
    EXPECT_FALSE(h.invoke_command(other));
    EXPECT_EQ(seen(), (std::vector<std::string>{"all " + o + " p1", "all-after " + o + " p2"}));
    EXPECT_EQ(commands->AEGP_DoCommand(host::kDuplicateCommand), A_Err_NONE);  // done by the host between the two
    EXPECT_EQ(seen(), (std::vector<std::string>{"all 2080 p1", "all-after 2080 p2 already"}));
    EXPECT_TRUE(h.hooks().failures.empty());
    _recorded.hook_status = 516;
    h.invoke_command(other);
    // Both hooks ran and failed.
    EXPECT_TRUE(h.hooks().failures.size() == 2 && h.hooks().failures[0].hook == "command" &&
                h.hooks().failures[0].status == 516);
}

// A command that runs itself from its hook is stopped eight deep: the innermost run is refused.
TEST_F(Commands, ACommandThatRunsItselfIsStoppedEightDeep) {
    const AEGP_Command c = new_command("Again");
    reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, c, record_command, name("again"));
    _recorded.again = commands;
    h.invoke_command(c);
    std::vector<std::string> expected(8, "again " + std::to_string(c) + " p1");
    expected.push_back(std::to_string(A_Err_GENERIC));
    expected.resize(16, "0");
    EXPECT_EQ(seen(), expected);
}

// A person chooses only an enabled command in a menu, and only after its menu
// was shown (the update-menu hook ran); a program may run any command given out.
TEST_F(Commands, OnlyAnEnabledCommandInAMenuCanBeChosenAfterItsMenuIsShown) {
    const AEGP_Command thing = _recorded.disabled_by_menu_hook = new_command("Thing");
    const AEGP_Command other = new_command("Other");
    AEGP_Command unlisted = 0;
    commands->AEGP_GetUniqueCommand(&unlisted);
    reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 0, record_command, name("all"));
    reg->AEGP_RegisterUpdateMenuHook(plugin, record_menu, nullptr);
    EXPECT_TRUE(h.command_enabled(thing) && !h.invoke_command(thing) && seen() == std::vector<std::string>{"menu 2"});
    EXPECT_FALSE(h.invoke_command(other + 1000) || h.invoke_command(unlisted));
    EXPECT_TRUE(_recorded.seen.empty() && !commands->AEGP_DoCommand(thing) && !commands->AEGP_DoCommand(unlisted));
    const std::string listed = std::to_string(thing), not_listed = std::to_string(unlisted);
    EXPECT_EQ(_recorded.seen, (std::vector<std::string>{"all " + listed + " p1", "all " + not_listed + " p1"}));
}

TEST_F(Commands, UpdateMenusIdleAndQuitRunTheirHooks) {
    reg->AEGP_RegisterUpdateMenuHook(plugin, record_menu, nullptr);
    reg->AEGP_RegisterIdleHook(plugin, record_idle, nullptr);
    reg->AEGP_RegisterIdleHook(plugin, record_idle, nullptr);
    reg->AEGP_RegisterDeathHook(plugin, record_death, nullptr);
    h.update_menus(AEGP_WindType_COMP);
    EXPECT_EQ(h.idle(60), 15);
    const AEGP_Command c = new_command("Thing");
    h.quit();
    h.quit();
    EXPECT_TRUE(h.has_quit());
    // After quitting nothing more reaches the hooks.
    h.update_menus(AEGP_WindType_COMP);
    h.idle(60);
    EXPECT_FALSE(h.invoke_command(c));
    EXPECT_EQ(_recorded.seen, (std::vector<std::string>{"menu 2", "idle 60", "idle 30", "death"}));
}

}  // namespace
