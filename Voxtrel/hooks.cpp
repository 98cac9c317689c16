#include "Voxtrel/hooks.h"

#include "Voxtrel/main.h"
#include "adm/ADMSuites.h"
#include "adm/host_suites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "core/boundary.h"

namespace {

// What the assistant can work on.
constexpr unsigned kWorkableLayers = AssistantDlg::kMask3DFootage | AssistantDlg::kMask3DText | AssistantDlg::kMask3DShape;
constexpr ADMDialogStyle kWindowStyle = kADMTabbedFloatingDialogStyle;

A_u_char const* match_name() { return reinterpret_cast<A_u_char const*>(_dialog_id); }

bool has_dialog() { return _main_dlg && _main_dlg->GetDialogRef(); }

// Brings the dialog up to date with the host: its selection, its cameras and
// whether its controls can be used.
void refresh() {
    bool const workable = _main_dlg->isCurSelectionContains(kWorkableLayers);
    _main_dlg->OnHostHasChanged();
    _main_dlg->Enable(workable);
}

void throw_if(A_Err err) {
    if (err != A_Err_NONE) throw err;
}

}  // namespace

// Opens the dialog: a floating window, or the host panel toggled where the host
// has panels. The window command always shows; it never closes the window.
A_Err on_command(AEGP_GlobalRefcon, AEGP_CommandRefcon, AEGP_Command, AEGP_HookPriority, A_Boolean,
                 A_Boolean* handledPB) {
    return core::at_boundary(
        [&] {
            if (!_main_dlg) return A_Err_NONE;
            if (sAEGPPanelSuite) {
                sAEGPPanelSuite->AEGP_ToggleVisibility(match_name());
            } else if (!_main_dlg->GetDialogRef()) {
                _main_dlg->Create(nullptr, _dialog_id, 0, kWindowStyle, 0);
                ADMDialogSuite9::Show(_main_dlg->GetDialogRef(), false);
                _main_dlg->Enable(false);
            }
            refresh();
            if (!sAEGPPanelSuite) ADMDialogSuite9::Show(_main_dlg->GetDialogRef(), true);
            if (handledPB) *handledPB = true;
            return A_Err_NONE;
        },
        handledPB);
}

// Checks the menu item while the window shows, and enables it only for a
// selection the assistant can work on.
A_Err on_update_menu(AEGP_GlobalRefcon, AEGP_UpdateMenuRefcon, AEGP_WindowType) {
    return core::at_boundary([] {
        AEGP_SuiteHandler const suites(sSPBasic);
        AEGP_CommandSuite1 const* commands = suites.CommandSuite1();
        // A panel dialog never counts as visible.
        bool const shown = has_dialog() && ADMDialogSuite9::IsVisible(_main_dlg->GetDialogRef());
        throw_if(commands->AEGP_CheckMarkMenuCommand(_cmd_id, shown));
        bool const workable = _main_dlg && _main_dlg->isCurSelectionContains(kWorkableLayers);
        throw_if(workable ? commands->AEGP_EnableCommand(_cmd_id) : commands->AEGP_DisableCommand(_cmd_id));
        return A_Err_NONE;
    });
}

// Keeps an open dialog in step with the host while the user works there.
A_Err on_idle(AEGP_GlobalRefcon, AEGP_IdleRefcon, A_long*) {
    return core::at_boundary([] {
        if (has_dialog()) refresh();
        return A_Err_NONE;
    });
}

// Builds the dialog inside the panel the host has just made. Like the other
// hooks, an integer exception becomes the status and anything else 1.
A_Err on_create_panel(AEGP_GlobalRefcon, AEGP_CreatePanelRefcon, AEGP_PlatformViewRef container, AEGP_PanelH panelH,
                      AEGP_PanelFunctions1* outFunctionTable, AEGP_PanelRefcon* outRefcon) {
    return core::at_boundary([&] {
        if (!_main_dlg) return A_Err_NONE;
        _main_dlg->CreatePanel(nullptr, _dialog_id, 0, sAEGPPanelSuite, panelH, container, outFunctionTable,
                               outRefcon);
        refresh();
        return A_Err_NONE;
    });
}
