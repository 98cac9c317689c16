// The dialog's answer to the user's clicks: apply, or follow "Repeat Layers".
#include <exception>

#include "adobe/AssistantDlg.h"
#include "adobe/assistant_controls.h"
#include "adobe/failure_message.h"
#include "core/boundary.h"

using namespace assistant;

void AssistantDlg::Notify(IADMNotifier notifier) {
    if (notifier.IsNotifierType(kADMUserChangedNotifier)) {
        // Nothing may escape into the toolkit's event dispatch: a failure ends
        // the application (its undo group already closed) and is told to the user.
        core::at_quiet_boundary(
            [&] {
                ADMInt32 const id = notifier.GetItemID();
                if (id == kApplyAlt || id == kApply)
                    apply_assistant();
                else if (id == kRepeatLayers)
                    enable_repeat_layers();
            },
            [this](std::exception_ptr failure) { report_failure(failure); });
    }
    BaseDlg::Notify(notifier);
}

// Without the utility suite there is no way left to tell the user; the
// boundary above drops that failure.
void AssistantDlg::report_failure(std::exception_ptr failure) {
    ErrorMessageBox(failure_message(get_name(), failure));
}
