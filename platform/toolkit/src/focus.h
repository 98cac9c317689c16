// The keyboard focus of a window: the edit field typing goes to, moving it
// with Tab in reading order, and committing what was typed when a person
// leaves the field or presses Return.
//
// Committing sends the field's command event (kEventCommandProcess with its
// command ID), as a hit on any other control does; the field's owner then
// takes the typed value. It is sent only when the text was typed into since
// the last commit.
#pragma once

#include <vector>

#include "model.h"

namespace tk::detail {

// The field with the window's focus, when it can still be typed into.
TkView* focused_field(TkWindow* window);
// The view has the focus in the active window: it shows a focus ring and a caret.
bool has_focus(const TkView* view);
// Gives the field the focus; the typing that counts for a commit starts here.
void focus_field(TkWindow* window, TkView* field);
// The field's command event, when its text was typed into since the last commit.
void commit_field(TkView* field);
// The focus leaves the window's field, committing it. The commit's handlers
// may dispose anything, the window included.
void leave_field(TkWindow* window);
// Tab and Shift+Tab: commits the focused field and moves the focus to the next
// (previous) field in reading order, its text all selected.
void tab(TkWindow* window, bool backwards);

}  // namespace tk::detail
