// Hierarchy lists and their entries: no dialog of the plug-in has one, so these
// suites do nothing and answer null, 0 or false.
#include "adm/ADMSuites.h"

void ADMHierarchyListSuite5::SetDestroyProc(ADMHierarchyListRef, ADMListDestroyProc) {}
void ADMHierarchyListSuite5::SetDrawProc(ADMHierarchyListRef, ADMListEntryDrawProc) {}
void ADMHierarchyListSuite5::SetNotifyProc(ADMHierarchyListRef, ADMListEntryNotifyProc) {}
void ADMHierarchyListSuite5::SetTrackProc(ADMHierarchyListRef, ADMListEntryTrackProc) {}
void ADMHierarchyListSuite5::SetUserData(ADMHierarchyListRef, ADMUserData) {}

ADMListEntryRef ADMListEntrySuite4::Create(ADMHierarchyListRef) { return nullptr; }
void ADMListEntrySuite4::DefaultDraw(ADMListEntryRef, ADMDrawerRef) {}
void ADMListEntrySuite4::DefaultNotify(ADMListEntryRef, ADMNotifierRef) {}
ADMBoolean ADMListEntrySuite4::DefaultTrack(ADMListEntryRef, ADMTrackerRef) { return false; }
void ADMListEntrySuite4::Destroy(ADMListEntryRef) {}
ADMHierarchyListRef ADMListEntrySuite4::GetList(ADMListEntryRef) { return nullptr; }
ADMUserData ADMListEntrySuite4::GetUserData(ADMListEntryRef) { return nullptr; }
void ADMListEntrySuite4::SetUserData(ADMListEntryRef, ADMUserData) {}
