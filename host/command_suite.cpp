// "AEGP Command Suite" 1: command numbers, menu items and running commands.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

std::string command_text(AEGP_Command command) { return "command " + std::to_string(command); }

A_Err unknown(SuiteCall& c, AEGP_Command command) {
    return c.refuse(A_Err_PARAMETER, command_text(command) + " was never given out");
}

A_Err AEGP_GetUniqueCommand(AEGP_Command* command) {
    return host_call(fn("AEGP_GetUniqueCommand"), arguments(), [&](SuiteCall& c) -> A_Err {
        if (!c.given(command, "command")) return c.refused();
        *command = c.menus().new_command();
        return A_Err_NONE;
    });
}

A_Err AEGP_InsertMenuCommand(AEGP_Command command, const A_char* name, AEGP_MenuID menu, A_long after_item) {
    return host_call(fn("AEGP_InsertMenuCommand"), arguments(command, name, menu, after_item),
                     [&](SuiteCall& c) -> A_Err {
                         if (!c.given(name, "name")) return c.refused();
                         if (!c.menus().known(command)) return unknown(c, command);
                         if (c.menus().host_owned(command))
                             return c.refuse(A_Err_PARAMETER, command_text(command) + " is the host's own");
                         if (!is_valid_menu(menu))
                             return c.refuse(A_Err_PARAMETER, "menu " + std::to_string(menu) +
                                                                  " is not one of the host's menus (1 to 8)");
                         if (after_item < AEGP_MENU_INSERT_SORTED)
                             return c.refuse(A_Err_PARAMETER,
                                             "after_item " + std::to_string(after_item) +
                                                 " is no place in a menu (-2 sorted, -1 bottom, 0 top, n after item n)");
                         if (const auto in = c.menus().menu_of(command))
                             return c.refuse(A_Err_PARAMETER, command_text(command) + " is already in the " +
                                                                  menu_name(*in) + " menu");
                         c.menus().insert(command, from_mac_roman(name), menu, after_item);
                         return A_Err_NONE;
                     });
}

A_Err AEGP_EnableCommand(AEGP_Command command) {
    return host_call(fn("AEGP_EnableCommand"), arguments(command), [&](SuiteCall& c) {
        return c.menus().set_enabled(command, true) ? A_Err_NONE : unknown(c, command);
    });
}

A_Err AEGP_DisableCommand(AEGP_Command command) {
    return host_call(fn("AEGP_DisableCommand"), arguments(command), [&](SuiteCall& c) {
        return c.menus().set_enabled(command, false) ? A_Err_NONE : unknown(c, command);
    });
}

A_Err AEGP_CheckMarkMenuCommand(AEGP_Command command, A_Boolean check) {
    return host_call(fn("AEGP_CheckMarkMenuCommand"), arguments(command, check), [&](SuiteCall& c) {
        return c.menus().set_checked(command, check != 0) ? A_Err_NONE : unknown(c, command);
    });
}

A_Err AEGP_DoCommand(AEGP_Command command) {
    return host_call(fn("AEGP_DoCommand"), arguments(command), [&](SuiteCall& c) { return c.do_command(command); });
}

}  // namespace

const AEGP_CommandSuite1 gCommandSuite1 = {AEGP_GetUniqueCommand,  AEGP_InsertMenuCommand,    AEGP_EnableCommand,
                                           AEGP_DisableCommand,    AEGP_CheckMarkMenuCommand, AEGP_DoCommand};

}  // namespace host
