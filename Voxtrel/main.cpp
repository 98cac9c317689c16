#include "Voxtrel/main.h"

#include <cstdio>
#include <type_traits>

#include "Voxtrel/MainDlg.h"
#include "Voxtrel/hooks.h"
#include "adm/ADMSuites.h"
#include "adm/host_suites.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "adobe/AssistantDlg.h"
#include "core/boundary.h"

static_assert(std::is_same_v<decltype(&PluginEntry), AEGP_PluginInitFuncPrototype>,
              "the entry point has the host's prototype");

AEGP_PluginID _plugin_id = 0;
AEGP_Command _cmd_id = 0;
char _dialog_id[256] = {};
AssistantDlg* _main_dlg = nullptr;

namespace {

// The product name and version that make the dialog's match name.
constexpr char kProductName[] = "Voxtrel";
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 3;

constexpr char kMenuName[] = "Voxtrel";
constexpr char kDeathHookFailed[] = "Could not register death hook.";
constexpr char kMenuItemFailed[] = "Could not add menu item.";
constexpr char kCommandHookFailed[] = "Could not register command hook.";

A_Err report(AEGP_SuiteHandler const& suites, char const* message) {
    return suites.UtilitySuite3()->AEGP_ReportInfo(_plugin_id, message);
}

// Gets a command number and puts the command in the floating-window menu. A
// missing number is reported; when that report succeeds the hooks still go in.
A_Err add_menu_command(AEGP_SuiteHandler const& suites) {
    AEGP_Command command{};
    A_Err const err = suites.CommandSuite1()->AEGP_GetUniqueCommand(&command);
    _cmd_id = err == A_Err_NONE ? command : 0;
    if (_cmd_id == 0) return report(suites, kMenuItemFailed);
    return suites.CommandSuite1()->AEGP_InsertMenuCommand(_cmd_id, kMenuName, AEGP_Menu_FLOATERS,
                                                          AEGP_MENU_INSERT_AT_BOTTOM);
}

// Registers the remaining hooks in order, stopping at the first failure.
A_Err register_hooks(AEGP_SuiteHandler const& suites) {
    AEGP_RegisterSuite1 const* reg = suites.RegisterSuite1();
    A_Err err = A_Err_NONE;
    // Without a command number there is no command of ours: a hook for command 0
    // would be handed every host command, so none is registered.
    if (_cmd_id != 0) {
        err = reg->AEGP_RegisterCommandHook(_plugin_id, AEGP_HP_BeforeAE, _cmd_id, on_command, nullptr);
    }
    if (!err) err = reg->AEGP_RegisterCommandHook(_plugin_id, AEGP_HP_BeforeAE, 0, on_all_command, nullptr);
    if (!err) err = reg->AEGP_RegisterUpdateMenuHook(_plugin_id, on_update_menu, nullptr);
    if (!err) err = reg->AEGP_RegisterIdleHook(_plugin_id, on_idle, nullptr);
    if (!err && sAEGPPanelSuite) {
        err = sAEGPPanelSuite->AEGP_RegisterCreatePanelHook(
            _plugin_id, reinterpret_cast<A_u_char const*>(_dialog_id), on_create_panel, nullptr, 1);
    }
    return err;
}

A_Err plugin_entry(SPBasicSuite* basic, AEGP_PluginID plugin_id) {
    sSPBasic = basic;
    _plugin_id = plugin_id;
    AEGP_SuiteHandler const suites(sSPBasic);

    std::snprintf(_dialog_id, sizeof _dialog_id, "QX_%s v%i.%i", kProductName, kVersionMajor, kVersionMinor);

    if (suites.RegisterSuite1()->AEGP_RegisterDeathHook(_plugin_id, on_destroy, nullptr) != A_Err_NONE) {
        return report(suites, kDeathHookFailed);
    }

    if (A_Err const err = init(); err != A_Err_NONE) return err;

    A_Err err = add_menu_command(suites);
    if (!err) err = register_hooks(suites);
    if (err) {
        report(suites, kCommandHookFailed);
        return err;
    }
    return A_Err_NONE;
}

}  // namespace

// A suite the entry point needs but the host lacks arrives here as 516 and goes
// back to the host as the result.
A_Err PluginEntry(SPBasicSuite* pica_basicP, A_long, A_long, const A_char*, const A_char*,
                  AEGP_PluginID aegp_plugin_id, AEGP_GlobalRefcon*) {
    return core::at_boundary([&] { return plugin_entry(pica_basicP, aegp_plugin_id); });
}

A_Err init() {
    return core::at_boundary([] {
        // A host without workspace panels or colours still loads.
        adm::acquireSuites();
        _main_dlg = nullptr;
        // A constructor that throws frees the half-made object on its way out.
        MainDlg* const dialog = new MainDlg(_plugin_id);
        // The object outlives every window or panel it makes; deinit deletes it.
        dialog->SetDeleteOnDestroy(false);
        _main_dlg = dialog;
        return A_Err_NONE;
    });
}

A_Err deinit() {
    if (_main_dlg) {
        ADMDialogSuite9::Show(_main_dlg->GetDialogRef(), false);
        delete _main_dlg;
    }
    _main_dlg = nullptr;
    adm::releaseSuites();
    return A_Err_NONE;
}

A_Err on_destroy(AEGP_GlobalRefcon, AEGP_DeathRefcon) {
    return core::at_boundary([] { return deinit(); });
}

A_Err on_all_command(AEGP_GlobalRefcon, AEGP_CommandRefcon, AEGP_Command, AEGP_HookPriority, A_Boolean,
                     A_Boolean* handledPB) {
    if (handledPB) *handledPB = false;
    return A_Err_NONE;
}
