// Questions about the machine rather than a dialog.
#pragma once

#include "adm/ADMTypes.h"

class iADMBasic {
public:
    // The global rectangle of the first screen, in the toolkit's order, that holds
    // `point`; false and `rect` untouched when none does.
    static bool GetScreenDimensions(const Point& point, Rect& rect);
};
