// The configurable list of screens behind GetDeviceList.
#pragma once

#include <vector>

#include "toolkit/native.h"

namespace tk::detail {

void set_screens(const std::vector<Rect>& screens);
void reset_screens();
// The screens' global rectangles, in the order GetDeviceList gives them.
std::vector<Rect> screen_rects();

}  // namespace tk::detail
