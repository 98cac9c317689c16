#include "control_hit.h"

#include "events.h"
#include "refs.h"
#include "views.h"
#include "windows.h"

namespace tk::detail {

OSStatus hit_control(TkView* control) {
    switch (control->kind) {
    case kControlKindCheckBox:
        if (control->autoToggle) set_pinned_value(control, control->value ? 0 : 1);
        break;
    case kControlKindRadioButton:
        if (control->autoToggle) set_pinned_value(control, 1);
        break;
    case kControlKindBevelButton:
        if (control->bevelBehavior & kControlBehaviorToggles) set_pinned_value(control, control->value ? 0 : 1);
        break;
    default:
        break;
    }
    auto event = make_event(kEventClassCommand, kEventCommandProcess);
    HICommand command{};
    command.commandID = control->commandID;
    set_param(event, kEventParamDirectObject, typeHICommand, command);
    return send_event(control->target, event);
}

bool click_close_box(TkWindow* window) {
    if (!window || window->disposing || !window->visible || !(window->attributes & kWindowCloseBoxAttribute))
        return false;
    auto event = make_event(kEventClassWindow, kEventWindowClose);
    const WindowRef ref = ref_of(window);
    set_param(event, kEventParamDirectObject, typeWindowRef, ref);
    // A handler may have disposed the window itself and still passed the event on.
    if (send_event(window->target, event) == eventNotHandledErr)
        if (TkWindow* still = find_window(ref)) dispose_window(still);
    return true;
}

}  // namespace tk::detail
