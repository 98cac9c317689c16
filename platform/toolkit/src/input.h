// A person's input, as a display backend (or the automation) hands it to the
// toolkit: the mouse at points of a window, in the window's content
// coordinates (v down, h right, 0, 0 at the content's top-left), and keys as
// characters or the special character codes of native.h with modifiers.
//
// The mouse: a press brings its window to the front and falls on the topmost
// visible view under it. An edit field takes the focus and the caret (with
// Shift, in the focused field, the selection grows to the click); a button,
// check box, radio button or popup tracks the mouse, looking pressed while the
// mouse is inside it, and a release inside is its click (check boxes and radio
// buttons toggle, then the command event goes out; a popup opens its menu).
// Static texts, group boxes, icons and user panes do not track; hidden or
// disabled views (or views inside disabled ones) ignore the mouse. A press
// anywhere outside the focused field leaves it, committing it (focus.h).
// While a menu is open, a press in its window picks the entry under the mouse
// and the release chooses it; a press anywhere else only closes the menu.
//
// Keys go to the window given (the one with the keyboard), or to the open menu
// (Escape closes it): Tab and Shift+Tab move the focus, Return and Enter
// commit, the rest edit the focused field (text_editing.h).
//
// Whatever changes shows up as display notices (display.h).
#pragma once

#include "model.h"

namespace tk::detail::input {

// False when the window cannot take input (unknown or hidden).
bool mouse_down(WindowRef window, Point where, EventModifiers modifiers);
// The mouse moved with the button down; `window` is the one pressed in.
void mouse_dragged(WindowRef window, Point where);
void mouse_up(WindowRef window, Point where);
// False when nothing took the key.
bool key_down(WindowRef window, UInt32 charCode, EventModifiers modifiers);

// A whole click on the view at `where` (view coordinates), as if the mouse had
// gone down and up there: for automation, and for views outside any window.
// An open menu closes first.
void click_view(TkView* view, Point where);
// The views that track the mouse.
bool tracks_mouse(const TkView* view);

}  // namespace tk::detail::input
