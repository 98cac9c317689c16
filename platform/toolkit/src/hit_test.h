// Which view a point of a window falls on.
#pragma once

#include "model.h"

namespace tk::detail {

// The topmost visible view under the point (content coordinates): the deepest
// one, later subviews before earlier ones; the root when no other is there.
TkView* hit_view(TkWindow* window, Point where);

}  // namespace tk::detail
