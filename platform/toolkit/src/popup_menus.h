// The popup menu a person has open. It is a window of its own (its
// menuPopup names the popup), above every other window, listing the popup's
// menu items with the current one checked; at most one is open at a time.
// Choosing an entry sets the popup's value and sends the popup's command
// event; closing it otherwise chooses nothing.
#pragma once

#include "model.h"

namespace tk::detail {

// Opens the popup's menu just below it (above it when the screen ends first),
// closing any other. Nothing happens for a popup without items.
void open_menu(TkView* popup);
void close_menu();
// Closes the open menu when its popup can no longer be operated.
void close_menu_if_unreachable();
// Closes the open menu when it lists this menu's items (they changed).
void close_menu_showing(const TkMenu* menu);
TkWindow* open_menu_window();

// The entry (from 1) under the point of the menu window; 0 for none.
int menu_entry_at(const TkWindow* menuWindow, Point where);
// Where entry `entry` sits in its menu window.
Rect menu_entry_rect(const TkWindow* menuWindow, int entry);
void highlight_entry(TkWindow* menuWindow, int entry);
// Closes the menu, then sets its popup to the entry and sends the popup's command event.
void choose_entry(TkWindow* menuWindow, int entry);

}  // namespace tk::detail
