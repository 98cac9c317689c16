// Notifier suite: what a notification is about.
#include <cstring>

#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMNotifier.h"

ADMItemRef ADMNotifierSuite2::GetItem(ADMNotifierRef notifier) {
    return notifier ? to_ref(from_ref(notifier)->item) : nullptr;
}

ADMBoolean ADMNotifierSuite2::IsNotifierType(ADMNotifierRef notifier, const char* notifierType) {
    if (!notifier || !notifierType || !from_ref(notifier)->type) return false;
    return std::strcmp(from_ref(notifier)->type, notifierType) == 0;
}
