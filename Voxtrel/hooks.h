// The hooks that connect the host's menu, idle time and panels to the dialog.
#pragma once

#include "aegp/aegp_suites.h"

A_Err on_command(AEGP_GlobalRefcon plugin_refconP, AEGP_CommandRefcon refconP, AEGP_Command command,
                 AEGP_HookPriority hook_priority, A_Boolean already_handledB, A_Boolean* handledPB);
A_Err on_update_menu(AEGP_GlobalRefcon plugin_refconP, AEGP_UpdateMenuRefcon refconP,
                     AEGP_WindowType active_window);
A_Err on_idle(AEGP_GlobalRefcon plugin_refconP, AEGP_IdleRefcon refconP, A_long* max_sleepPL);
A_Err on_create_panel(AEGP_GlobalRefcon plugin_refconP, AEGP_CreatePanelRefcon refconP,
                      AEGP_PlatformViewRef container, AEGP_PanelH panelH, AEGP_PanelFunctions1* outFunctionTable,
                      AEGP_PanelRefcon* outRefcon);
