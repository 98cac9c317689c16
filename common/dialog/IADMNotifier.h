// A notifier handle as a value: what was operated and how.
#pragma once

#include "adm/ADMSuites.h"

class IADMNotifier {
public:
    IADMNotifier(ADMNotifierRef notifier = nullptr) : notifier(notifier) {}

    operator ADMNotifierRef() const { return notifier; }

    // The item the notification is about; null for a dialog-level one (close box).
    ADMItemRef GetItem() const { return ADMNotifierSuite2::GetItem(notifier); }
    // The ID of that item; 0 when there is none.
    ADMInt32 GetItemID() const { return ADMItemSuite10::GetID(GetItem()); }
    bool IsNotifierType(const char* type) const { return ADMNotifierSuite2::IsNotifierType(notifier, type) != 0; }

private:
    ADMNotifierRef notifier;
};
