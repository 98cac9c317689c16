#include "control_hit.h"

#include "events.h"
#include "registry.h"
#include "views.h"

namespace tk::detail {

OSStatus hit_control(ControlRef control) {
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

void click_close_box(WindowRef window) {
    auto event = make_event(kEventClassWindow, kEventWindowClose);
    set_param(event, kEventParamDirectObject, typeWindowRef, window);
    const TkSerial serial = window->serial;
    // A handler may have disposed the window itself and still passed the event on.
    if (send_event(window->target, event) == eventNotHandledErr && is_window(window) && window->serial == serial)
        DisposeWindow(window);
}

}  // namespace tk::detail
