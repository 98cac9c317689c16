// Dialog suite: makes, finds and destroys the dialog objects.
#include <new>

#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"

ADMInt32 ADMDialogSuite9::Modal(SPPluginRef, const char*, ADMInt32, ADMDialogStyle, ADMDialogInitProc, ADMUserData,
                                ADMInt32) {
    return 0;
}

void ADMDialogSuite9::Destroy(ADMDialogRef dialog) {
    if (dialog) from_ref(dialog)->Destroy();
}

void ADMDialogSuite9::SetDrawProc(ADMDialogRef dialog, ADMDialogDrawProc proc) {
    if (dialog) from_ref(dialog)->drawProc = proc;
}

void ADMDialogSuite9::SetTrackProc(ADMDialogRef dialog, ADMDialogTrackProc proc) {
    if (dialog) from_ref(dialog)->trackProc = proc;
}

void ADMDialogSuite9::SetNotifyProc(ADMDialogRef dialog, ADMDialogNotifyProc proc) {
    if (dialog) from_ref(dialog)->notifyProc = proc;
}

void ADMDialogSuite9::SetDestroyProc(ADMDialogRef dialog, ADMDialogDestroyProc proc) {
    if (dialog) from_ref(dialog)->destroyProc = proc;
}

void ADMDialogSuite9::SetUserData(ADMDialogRef dialog, ADMUserData userData) {
    if (dialog) from_ref(dialog)->userData = userData;
}

void ADMDialogSuite9::DefaultDraw(ADMDialogRef, ADMDrawerRef) {}

ADMBoolean ADMDialogSuite9::DefaultTrack(ADMDialogRef, ADMTrackerRef) { return false; }

void ADMDialogSuite9::DefaultNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
    if (dialog && notifier) from_ref(notifier)->result = kADMNotHandledErr;
}

ADMUserData ADMDialogSuite9::GetUserData(ADMDialogRef dialog) { return dialog ? from_ref(dialog)->userData : nullptr; }

void ADMDialogSuite9::Show(ADMDialogRef dialog, ADMBoolean show) {
    if (dialog) from_ref(dialog)->Show(show != 0);
}

ADMBoolean ADMDialogSuite9::IsVisible(ADMDialogRef dialog) { return dialog && from_ref(dialog)->IsVisible(); }

ADMBoolean ADMDialogSuite9::IsEnabled(ADMDialogRef dialog) { return dialog && from_ref(dialog)->IsEnabled(); }

void ADMDialogSuite9::SetLocalRect(ADMDialogRef dialog, const ADMRect* localRect) {
    if (dialog && localRect) from_ref(dialog)->SetLocalRect(*localRect);
}

void ADMDialogSuite9::SetBoundsRect(ADMDialogRef dialog, const ADMRect* boundsRect) {
    if (dialog && boundsRect) from_ref(dialog)->SetBoundsRect(*boundsRect);
}

void ADMDialogSuite9::GetBoundsRect(ADMDialogRef dialog, ADMRect* boundsRect) {
    if (dialog && boundsRect) from_ref(dialog)->GetBoundsRect(*boundsRect);
}

void ADMDialogSuite9::SetText(ADMDialogRef dialog, const char* text) {
    if (dialog) from_ref(dialog)->SetText(text);
}

ADMItemRef ADMDialogSuite9::GetItem(ADMDialogRef dialog, ADMInt32 itemID) {
    return dialog ? to_ref(from_ref(dialog)->GetItem(itemID)) : nullptr;
}

ADMItemRef ADMDialogSuite9::GetNextItem(ADMDialogRef dialog, ADMItemRef item) {
    return dialog ? to_ref(from_ref(dialog)->GetNextItem(from_ref(item))) : nullptr;
}

ADMDialogRef ADMDialogSuite9::CreatePanel(SPPluginRef, const char* name, ADMInt32 id, ADMDialogInitProc initProc,
                                          ADMUserData userData, AEGP_PanelSuite1* panelSuite, AEGP_PanelH panelH,
                                          AEGP_PlatformViewRef container, AEGP_PanelFunctions1* panelFunctions,
                                          AEGP_PanelRefcon* outRefcon) {
    auto* dialog = new (std::nothrow) iADMDialog;
    if (!dialog) return nullptr;
    if (!dialog->CreatePanel(name, id, initProc, userData, panelSuite, panelH, container, panelFunctions,
                             outRefcon)) {
        dialog->Destroy();
        // The host must not keep the freed dialog as its panel's refcon.
        if (outRefcon) *outRefcon = nullptr;
        return nullptr;
    }
    return to_ref(dialog);
}

ADMDialogRef ADMDialogSuite9::Create(SPPluginRef, const char* name, ADMInt32 id, ADMDialogStyle style,
                                     ADMDialogInitProc initProc, ADMUserData userData, ADMInt32 options) {
    auto* dialog = new (std::nothrow) iADMDialog;
    if (!dialog) return nullptr;
    if (!dialog->Create(name, id, style, initProc, userData, options)) {
        dialog->Destroy();
        return nullptr;
    }
    return to_ref(dialog);
}
