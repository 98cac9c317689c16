#include "Voxtrel/hooks.h"

#include "Voxtrel/boundary.h"
#include "Voxtrel/main.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "core/status.h"

// Waiting for the dialog: these four hooks open, refresh and build the
// distribution dialog, which is not written yet. Until then each does only
// what needs no dialog object.

// Takes the command, so the host does not look for another handler.
A_Err on_command(AEGP_GlobalRefcon, AEGP_CommandRefcon, AEGP_Command, AEGP_HookPriority, A_Boolean,
                 A_Boolean* handledPB) {
    if (handledPB) *handledPB = true;
    return core::kErrNone;
}

// Keeps the menu item enabled.
A_Err on_update_menu(AEGP_GlobalRefcon, AEGP_UpdateMenuRefcon, AEGP_WindowType) {
    return at_boundary([] {
        if (_cmd_id == 0) return core::kErrNone;
        AEGP_SuiteHandler const suites(sSPBasic);
        return suites.CommandSuite1()->AEGP_EnableCommand(_cmd_id);
    });
}

A_Err on_idle(AEGP_GlobalRefcon, AEGP_IdleRefcon, A_long*) {
    return core::kErrNone;
}

A_Err on_create_panel(AEGP_GlobalRefcon, AEGP_CreatePanelRefcon, AEGP_PlatformViewRef, AEGP_PanelH,
                      AEGP_PanelFunctions1*, AEGP_PanelRefcon*) {
    return core::kErrNone;
}
