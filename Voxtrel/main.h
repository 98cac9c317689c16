// The plug-in shell: the entry point the host calls once, start-up and
// shut-down, the hooks that need no dialog, and the module state they share
// with the dialog hooks.
#pragma once

#include "aegp/aegp_suites.h"

class AssistantDlg;

extern "C" __attribute__((visibility("default"))) A_Err PluginEntry(
    SPBasicSuite* pica_basicP, A_long driver_major_versionL, A_long driver_minor_versionL,
    const A_char* plugin_pathZ, const A_char* res_pathZ, AEGP_PluginID aegp_plugin_id,
    AEGP_GlobalRefcon* global_refconP);

// ---- Module state, all zero at load ----
// The id the host gave the plug-in, for every registration and report.
extern AEGP_PluginID _plugin_id;
// The menu command; 0 until the host gave one.
extern AEGP_Command _cmd_id;
// The dialog's match name: its window name, its panel's match name.
extern char _dialog_id[256];
// The one dialog object, owned from init to deinit.
extern AssistantDlg* _main_dlg;

// Acquires the long-lived suites and makes the dialog object.
A_Err init();
// Hides and deletes the dialog object and releases the long-lived suites.
A_Err deinit();

// Death hook: shuts the plug-in down.
A_Err on_destroy(AEGP_GlobalRefcon plugin_refconP, AEGP_DeathRefcon refconP);
// All-commands hook: lets every command go on to the host's own handling.
A_Err on_all_command(AEGP_GlobalRefcon plugin_refconP, AEGP_CommandRefcon refconP, AEGP_Command command,
                     AEGP_HookPriority hook_priority, A_Boolean already_handledB, A_Boolean* handledPB);
