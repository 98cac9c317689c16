// The dialog's answer to the user's clicks: apply, or follow "Repeat Layers".
#include <exception>

#include "adobe/AssistantDlg.h"
#include "adobe/assistant_controls.h"
#include "adobe/failure_message.h"

using namespace assistant;

void AssistantDlg::Notify(IADMNotifier notifier) {
    if (notifier.IsNotifierType(kADMUserChangedNotifier)) {
        // Nothing may escape into the toolkit's event dispatch: a failure ends
        // the application (its undo group already closed) and is told to the user.
        try {
            ADMInt32 const id = notifier.GetItemID();
            if (id == kApplyAlt || id == kApply)
                apply_assistant();
            else if (id == kRepeatLayers)
                enable_repeat_layers();
        } catch (...) {
            report_failure(std::current_exception());
        }
    }
    BaseDlg::Notify(notifier);
}

void AssistantDlg::report_failure(std::exception_ptr failure) {
    try {
        ErrorMessageBox(failure_message(get_name(), failure));
    } catch (...) {
        // Without the utility suite there is no way left to tell the user.
    }
}
