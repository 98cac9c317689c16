// Entry suite: the list's entry cursor.
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMList.h"

ADMInt32 ADMEntrySuite6::GetIndex(ADMEntryRef entry) { return entry ? from_ref(entry)->index : 0; }

ADMListRef ADMEntrySuite6::GetList(ADMEntryRef entry) { return entry ? to_ref(from_ref(entry)->list) : nullptr; }

void ADMEntrySuite6::Select(ADMEntryRef entry, ADMBoolean select) {
    if (entry) from_ref(entry)->Select(select != 0);
}

void ADMEntrySuite6::SetText(ADMEntryRef entry, const char* text) {
    if (entry) from_ref(entry)->SetText(text);
}

// A list has exactly one entry, its cursor: entries are neither made nor
// destroyed on their own, and carry no procs or user data.
ADMEntryRef ADMEntrySuite6::Create(ADMListRef) { return nullptr; }
void ADMEntrySuite6::DefaultDraw(ADMEntryRef, ADMDrawerRef) {}
void ADMEntrySuite6::DefaultNotify(ADMEntryRef, ADMNotifierRef) {}
ADMBoolean ADMEntrySuite6::DefaultTrack(ADMEntryRef, ADMTrackerRef) { return false; }
void ADMEntrySuite6::Destroy(ADMEntryRef) {}
ADMUserData ADMEntrySuite6::GetUserData(ADMEntryRef) { return nullptr; }
void ADMEntrySuite6::SetUserData(ADMEntryRef, ADMUserData) {}
