// The view tree inside the library: making, embedding and disposing views.
#pragma once

#include "model.h"

namespace tk::detail {

// A new view of the kind; with a window, embedded at the top of its root view.
TkView* new_view(TkWindow* window, OSType kind, const Rect& bounds);
// Appends `child` at the top of `parent`'s subviews, taking it from any former parent.
void attach(TkView* parent, TkView* child);
void detach(TkView* view);
// Disposes the view and its subviews, each getting its kEventControlDispose
// before its subviews get theirs, so whoever owns a container hears of its end
// before the contents go. Views already being disposed are left alone.
void dispose_view_tree(TkView* view);

// The view and every ancestor are visible / enabled.
bool view_visible(const TkView* view);
bool view_enabled(const TkView* view);
// What a person can operate: alive, shown all the way up in a shown window (or
// in no window at all), and enabled.
bool operable(const TkView* view);
// Bounds relative to the top of the view's tree (the window content for a window's views).
Rect frame_in_tree(const TkView* view);

// A popup's maximum also reaches its menu's item count, so every entry can be chosen.
SInt32 effective_maximum(const TkView* view);
// Sets the value pinned to the control's range.
void set_pinned_value(TkView* view, SInt32 value);

bool is_edit_field(const TkView* view);

}  // namespace tk::detail
