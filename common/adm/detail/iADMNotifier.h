// The record a notify proc receives: what was operated and how the proc answered.
#pragma once

#include "adm/ADMTypes.h"

class iADMItem;

struct iADMNotifier {
    iADMItem* item = nullptr;  // null when the notification is about the dialog itself
    const char* type = nullptr;
    ASErr result{};
};
