#include "dialog/BaseADMDialog.h"

BaseADMDialog::BaseADMDialog() = default;

BaseADMDialog::~BaseADMDialog() {
    if (!dialog || modal) return;
    ADMDialogRef const doomed = dialog;
    // Unhooked first, so the dialog's destruction does not come back to a wrapper being destroyed.
    detach();
    ADMDialogSuite9::Destroy(doomed);
}

void BaseADMDialog::detach() {
    ADMDialogSuite9::SetUserData(dialog, nullptr);
    ADMDialogSuite9::SetDrawProc(dialog, nullptr);
    ADMDialogSuite9::SetNotifyProc(dialog, nullptr);
    ADMDialogSuite9::SetDestroyProc(dialog, nullptr);
    dialog = nullptr;
}

ADMDialogRef BaseADMDialog::Create(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style,
                                   ADMInt32 options) {
    creating = true;
    dialog = ADMDialogSuite9::Create(plugin, name, id, style, InitProc, this, options);
    creating = false;
    return dialog;
}

ADMDialogRef BaseADMDialog::CreatePanel(SPPluginRef plugin, const char* name, ADMInt32 id,
                                        AEGP_PanelSuite1* panel_suite, AEGP_PanelH panel,
                                        AEGP_PlatformViewRef container, AEGP_PanelFunctions1* panel_functions,
                                        AEGP_PanelRefcon* out_refcon) {
    creating = true;
    dialog = ADMDialogSuite9::CreatePanel(plugin, name, id, InitProc, this, panel_suite, panel, container,
                                          panel_functions, out_refcon);
    creating = false;
    return dialog;
}

ADMInt32 BaseADMDialog::Modal(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style,
                              ADMInt32 options) {
    modal = true;
    return ADMDialogSuite9::Modal(plugin, name, id, style, InitProc, this, options);
}

ASErr BaseADMDialog::Init() {
    ADMDialogSuite9::SetDrawProc(dialog, DrawProc);
    ADMDialogSuite9::SetTrackProc(dialog, TrackProc);
    ADMDialogSuite9::SetNotifyProc(dialog, NotifyProc);
    ADMDialogSuite9::SetDestroyProc(dialog, DestroyProc);
    return A_Err_NONE;
}

void BaseADMDialog::Draw(IADMDrawer drawer) { ADMDialogSuite9::DefaultDraw(dialog, drawer); }

ADMBoolean BaseADMDialog::Track(IADMTracker tracker) { return ADMDialogSuite9::DefaultTrack(dialog, tracker); }

void BaseADMDialog::Notify(IADMNotifier notifier) { ADMDialogSuite9::DefaultNotify(dialog, notifier); }

void BaseADMDialog::Destroy() {}

BaseADMDialog* BaseADMDialog::wrapper_of(ADMDialogRef dialog) {
    return static_cast<BaseADMDialog*>(ADMDialogSuite9::GetUserData(dialog));
}

ASErr BaseADMDialog::InitProc(ADMDialogRef dialog) {
    BaseADMDialog* wrapper = wrapper_of(dialog);
    if (!wrapper) return A_Err_NONE;
    wrapper->dialog = dialog;
    return wrapper->Init();
}

void BaseADMDialog::DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer) {
    if (BaseADMDialog* wrapper = wrapper_of(dialog)) wrapper->Draw(drawer);
}

ADMBoolean BaseADMDialog::TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker) {
    BaseADMDialog* wrapper = wrapper_of(dialog);
    return wrapper ? wrapper->Track(tracker) : false;
}

void BaseADMDialog::NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier) {
    if (BaseADMDialog* wrapper = wrapper_of(dialog)) wrapper->Notify(notifier);
}

void BaseADMDialog::DestroyProc(ADMDialogRef dialog) {
    BaseADMDialog* wrapper = wrapper_of(dialog);
    if (!wrapper) return;
    wrapper->Destroy();
    // The dialog is going: nothing of it may reach the wrapper again.
    wrapper->detach();
    // A wrapper whose creation is failing stays with the code that called Create.
    if (!wrapper->modal && wrapper->delete_on_destroy && !wrapper->creating) delete wrapper;
}
