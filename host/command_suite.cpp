// "AEGP Command Suite" 1: command numbers, menu items and running commands.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_GetUniqueCommand(AEGP_Command* command) {
    return host_call("AEGP_GetUniqueCommand", "", [&](Host& h) -> A_Err {
        if (!command) return A_Err_PARAMETER;
        *command = h.menu_registry().new_command();
        return A_Err_NONE;
    });
}

A_Err AEGP_InsertMenuCommand(AEGP_Command command, const A_char* name, AEGP_MenuID menu, A_long after_item) {
    return host_call("AEGP_InsertMenuCommand", call_args(command, name, menu, after_item), [&](Host& h) -> A_Err {
        if (!name) return A_Err_PARAMETER;
        return h.menu_registry().insert(command, name, menu, after_item);
    });
}

A_Err AEGP_EnableCommand(AEGP_Command command) {
    return host_call("AEGP_EnableCommand", call_args(command),
                     [&](Host& h) { return h.menu_registry().set_enabled(command, true); });
}

A_Err AEGP_DisableCommand(AEGP_Command command) {
    return host_call("AEGP_DisableCommand", call_args(command),
                     [&](Host& h) { return h.menu_registry().set_enabled(command, false); });
}

A_Err AEGP_CheckMarkMenuCommand(AEGP_Command command, A_Boolean check) {
    return host_call("AEGP_CheckMarkMenuCommand", call_args(command, check),
                     [&](Host& h) { return h.menu_registry().set_checked(command, check != 0); });
}

A_Err AEGP_DoCommand(AEGP_Command command) {
    return host_call("AEGP_DoCommand", call_args(command), [&](Host& h) { return h.do_command(command); });
}

}  // namespace

const AEGP_CommandSuite1 gCommandSuite1 = {AEGP_GetUniqueCommand,  AEGP_InsertMenuCommand,    AEGP_EnableCommand,
                                           AEGP_DisableCommand,    AEGP_CheckMarkMenuCommand, AEGP_DoCommand};

}  // namespace host
