// What a click on a control does: its own toggling, then the command event.
#pragma once

#include "model.h"

namespace tk::detail {

// Toggles a self-toggling check box, radio button or toggling bevel button,
// then sends kEventCommandProcess with the control's command ID to its handlers.
// Returns the handlers' status (eventNotHandledErr when nobody handled it).
OSStatus hit_control(TkView* control);

// A click in the window's close box: kEventWindowClose to the window's handlers,
// and when nobody handles it, the window is disposed. False, with nothing sent,
// for no window or one being disposed, hidden or without a close box.
bool click_close_box(TkWindow* window);

}  // namespace tk::detail
