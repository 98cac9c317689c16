// ADM handles are the addresses of the dialog services' own objects; these
// turn one into the other.
#pragma once

#include "adm/ADMTypes.h"

class iADMDialog;
class iADMItem;
class iADMList;
struct iADMEntry;
class iADMDrawer;
class iADMImage;
struct iADMNotifier;

inline ADMDialogRef to_ref(iADMDialog* dialog) { return reinterpret_cast<ADMDialogRef>(dialog); }
inline ADMItemRef to_ref(iADMItem* item) { return reinterpret_cast<ADMItemRef>(item); }
inline ADMListRef to_ref(iADMList* list) { return reinterpret_cast<ADMListRef>(list); }
inline ADMEntryRef to_ref(iADMEntry* entry) { return reinterpret_cast<ADMEntryRef>(entry); }
inline ADMDrawerRef to_ref(iADMDrawer* drawer) { return reinterpret_cast<ADMDrawerRef>(drawer); }
inline ADMImageRef to_ref(iADMImage* image) { return reinterpret_cast<ADMImageRef>(image); }
inline ADMNotifierRef to_ref(iADMNotifier* notifier) { return reinterpret_cast<ADMNotifierRef>(notifier); }

inline iADMDialog* from_ref(ADMDialogRef dialog) { return reinterpret_cast<iADMDialog*>(dialog); }
inline iADMItem* from_ref(ADMItemRef item) { return reinterpret_cast<iADMItem*>(item); }
inline iADMList* from_ref(ADMListRef list) { return reinterpret_cast<iADMList*>(list); }
inline iADMEntry* from_ref(ADMEntryRef entry) { return reinterpret_cast<iADMEntry*>(entry); }
inline iADMDrawer* from_ref(ADMDrawerRef drawer) { return reinterpret_cast<iADMDrawer*>(drawer); }
inline iADMImage* from_ref(ADMImageRef image) { return reinterpret_cast<iADMImage*>(image); }
inline iADMNotifier* from_ref(ADMNotifierRef notifier) { return reinterpret_cast<iADMNotifier*>(notifier); }
