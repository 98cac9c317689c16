// Gives an ADM dialog handle an object with virtual operations. The wrapper
// exists before its dialog: Create or CreatePanel makes the dialog and runs
// Init, where a derived class builds its items. When the dialog is destroyed
// under the wrapper (window closed, panel container disposed), the wrapper is
// deleted if delete-on-destroy is set, otherwise it only forgets the handle so
// it can make a new dialog later.
#pragma once

#include "adm/ADMSuites.h"
#include "dialog/IADMDrawer.h"
#include "dialog/IADMNotifier.h"
#include "dialog/IADMTracker.h"

class BaseADMDialog {
public:
    BaseADMDialog();

    BaseADMDialog(BaseADMDialog const&) = delete;
    BaseADMDialog& operator=(BaseADMDialog const&) = delete;

    // ---- Virtual operations, in their fixed order ----
    // Installs the dialog's procs; derived classes call it first.
    virtual ASErr Init();
    virtual void Draw(IADMDrawer drawer);
    virtual ADMBoolean Track(IADMTracker tracker);
    virtual void Notify(IADMNotifier notifier);
    // Runs when the dialog is being destroyed, before its controls go.
    virtual void Destroy();
    // Destroys the dialog too, unless it is modal.
    virtual ~BaseADMDialog();
    // A floating window dialog; null on failure. A wrapper whose creation fails
    // is never deleted by the destroy protocol: it stays with its creator.
    virtual ADMDialogRef Create(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style,
                                ADMInt32 options);
    // A dialog inside a host panel's container; null on failure, as Create.
    virtual ADMDialogRef CreatePanel(SPPluginRef plugin, const char* name, ADMInt32 id, AEGP_PanelSuite1* panel_suite,
                                     AEGP_PanelH panel, AEGP_PlatformViewRef container,
                                     AEGP_PanelFunctions1* panel_functions, AEGP_PanelRefcon* out_refcon);
    // Modal dialogs are not supported by the dialog services.
    virtual ADMInt32 Modal(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style, ADMInt32 options);

    ADMDialogRef GetDialogRef() const { return dialog; }
    // An owner that keeps the wrapper for its whole life clears this.
    void SetDeleteOnDestroy(bool on) { delete_on_destroy = on; }

protected:
    static ASErr InitProc(ADMDialogRef dialog);
    static void DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer);
    static ADMBoolean TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker);
    static void NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier);
    static void DestroyProc(ADMDialogRef dialog);

    ADMDialogRef dialog = nullptr;
    bool modal{};
    bool delete_on_destroy = true;

private:
    static BaseADMDialog* wrapper_of(ADMDialogRef dialog);
    // Unhooks the wrapper from its dialog and forgets the handle.
    void detach();

    // Set while Create or CreatePanel runs, so a failed creation does not
    // delete the wrapper under its own Create.
    bool creating{};
};
