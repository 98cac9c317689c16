// A plug-in module for the host's loading tests: it inserts a menu command
// "Test Command" in the Window menu, registers a command hook for it and a
// death hook, and reports what it was given at load.
#include <cstdio>

#include "aegp/aegp_suites.h"

namespace {

SPBasicSuite* _basic = nullptr;
AEGP_PluginID _id = 0;
AEGP_Command _command = 0;

A_Err report(const char* text) {
    const void* suite = nullptr;
    if (_basic->AcquireSuite(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &suite)) return A_Err_MISSING_SUITE;
    const A_Err err = static_cast<const AEGP_UtilitySuite3*>(suite)->AEGP_ReportInfo(_id, text);
    _basic->ReleaseSuite(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3);
    return err;
}

A_Err on_command(AEGP_GlobalRefcon, AEGP_CommandRefcon, AEGP_Command command, AEGP_HookPriority, A_Boolean,
                 A_Boolean* handled) {
    if (command != _command) return A_Err_NONE;
    *handled = 1;
    return report("command ran");
}

A_Err on_death(AEGP_GlobalRefcon, AEGP_DeathRefcon) { return report("goodbye"); }

}  // namespace

extern "C" __attribute__((visibility("default"))) A_Err PluginEntry(SPBasicSuite* basic, A_long major, A_long minor,
                                                                    const A_char* path, const A_char* resources,
                                                                    AEGP_PluginID id, AEGP_GlobalRefcon* refcon) {
    _basic = basic;
    _id = id;
    *refcon = reinterpret_cast<AEGP_GlobalRefcon>(static_cast<intptr_t>(0x5EED));
    const void *reg = nullptr, *cmd = nullptr;
    if (basic->AcquireSuite(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1, &reg)) return A_Err_MISSING_SUITE;
    if (basic->AcquireSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &cmd)) return A_Err_MISSING_SUITE;
    const auto* r = static_cast<const AEGP_RegisterSuite1*>(reg);
    const auto* c = static_cast<const AEGP_CommandSuite1*>(cmd);
    A_Err err = c->AEGP_GetUniqueCommand(&_command);
    if (!err) err = c->AEGP_InsertMenuCommand(_command, "Test Command", AEGP_Menu_WINDOW, AEGP_MENU_INSERT_SORTED);
    if (!err) err = r->AEGP_RegisterCommandHook(id, AEGP_HP_BeforeAE, _command, on_command, nullptr);
    if (!err) err = r->AEGP_RegisterDeathHook(id, on_death, nullptr);
    basic->ReleaseSuite(kAEGPCommandSuite, kAEGPCommandSuiteVersion1);
    basic->ReleaseSuite(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1);
    char text[512];
    std::snprintf(text, sizeof text, "loaded %d.%d from %s, resources %s", static_cast<int>(major),
                  static_cast<int>(minor), path, resources);
    if (!err) err = report(text);
    return err;
}
