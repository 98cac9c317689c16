// Windows inside the library: making and disposing them, and their order on
// the screen. Only the front window is active; a window comes to the front
// when it is shown or clicked into, and when the front one is hidden or
// disposed the next visible one is the front.
#pragma once

#include "model.h"

namespace tk::detail {

// A new hidden window with its root view, behind every other window.
TkWindow* new_window(WindowClass windowClass, WindowAttributes attributes, const Rect& content);
// Tells the window it closed, disposes its views, then frees it.
void dispose_window(TkWindow* window);
void show_window(TkWindow* window);
void hide_window(TkWindow* window);

void bring_to_front(TkWindow* window);
// The front visible window that is not a menu window; null when none.
TkWindow* active_window();
bool is_menu_window(const TkWindow* window);

}  // namespace tk::detail
