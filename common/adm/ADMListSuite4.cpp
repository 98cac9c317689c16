// List suite: the entries of a popup item's list, reached through its one entry cursor.
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMList.h"

ADMEntryRef ADMListSuite4::GetActiveEntry(ADMListRef list) {
    if (!list) return nullptr;
    iADMList* popup = from_ref(list);
    return popup->GetActiveEntry() ? to_ref(&popup->entry) : nullptr;
}

ADMEntryRef ADMListSuite4::IndexEntry(ADMListRef list, ADMInt32 index) {
    if (!list) return nullptr;
    from_ref(list)->IndexEntry(index);
    return to_ref(&from_ref(list)->entry);
}

ADMEntryRef ADMListSuite4::InsertEntry(ADMListRef list, ADMInt32 index) {
    if (!list) return nullptr;
    from_ref(list)->InsertEntry(index);
    return to_ref(&from_ref(list)->entry);
}

ADMInt32 ADMListSuite4::NumberOfEntries(ADMListRef list) { return list ? from_ref(list)->NumberOfEntries() : 0; }

void ADMListSuite4::RemoveEntry(ADMListRef list, ADMInt32 index) {
    if (list) from_ref(list)->RemoveEntry(index);
}

// Lists carry no procs or user data of their own.
void ADMListSuite4::SetDestroyProc(ADMListRef, ADMListDestroyProc) {}
void ADMListSuite4::SetDrawProc(ADMListRef, ADMEntryDrawProc) {}
void ADMListSuite4::SetNotifyProc(ADMListRef, ADMEntryNotifyProc) {}
void ADMListSuite4::SetTrackProc(ADMListRef, ADMEntryTrackProc) {}
void ADMListSuite4::SetUserData(ADMListRef, ADMUserData) {}
