// The view tree inside the library: making, embedding and disposing views.
#pragma once

#include "model.h"

namespace tk::detail {

// A new view of the kind; with a window, embedded at the top of its root view.
ControlRef new_view(WindowRef window, OSType kind, const Rect& bounds);
// Appends `child` at the top of `parent`'s subviews, taking it from any former parent.
void attach(ControlRef parent, ControlRef child);
void detach(ControlRef view);
// Disposes the view and its subviews, children before their parents; each gets
// its kEventControlDispose first. Views already being disposed are left alone.
void dispose_view_tree(ControlRef view);

// The view and every ancestor are visible / enabled.
bool view_visible(ControlRef view);
bool view_enabled(ControlRef view);
// Bounds relative to the top of the view's tree (the window content for a window's views).
Rect frame_in_tree(ControlRef view);

}  // namespace tk::detail

namespace tk::detail {

// A popup's maximum also reaches its menu's item count, so every entry can be chosen.
SInt32 effective_maximum(ControlRef view);
// Sets the value pinned to the control's range.
void set_pinned_value(ControlRef view, SInt32 value);

}  // namespace tk::detail
