// The one instance of each suite class, and the suite pointers that point at
// them from the start: every suite is always present.
#include "adm/ADMSuites.h"

ADMDialogSuite9 g_ADMDialogSuite;
ADMItemSuite10 g_ADMItemSuite;
ADMListSuite4 g_ADMListSuite;
ADMListEntrySuite4 g_ADMListEntrySuite;
ADMEntrySuite6 g_ADMEntrySuite;
ADMHierarchyListSuite5 g_ADMHierarchyListSuite;
ADMImageSuite2 g_ADMImageSuite;
ADMDrawerSuite5 g_ADMDrawerSuite;
ADMNotifierSuite2 g_ADMNotifierSuite;
ADMTrackerSuite2 g_ADMTrackerSuite;
ADMBasicSuite8 g_ADMBasicSuite;

ADMDialogSuite9* sADMDialog = &g_ADMDialogSuite;
ADMItemSuite10* sADMItem = &g_ADMItemSuite;
ADMListSuite4* sADMList = &g_ADMListSuite;
ADMListEntrySuite4* sADMListEntry = &g_ADMListEntrySuite;
ADMEntrySuite6* sADMEntry = &g_ADMEntrySuite;
ADMHierarchyListSuite5* sADMHierarchyList = &g_ADMHierarchyListSuite;
ADMImageSuite2* sADMImage = &g_ADMImageSuite;
ADMDrawerSuite5* sADMDrawer = &g_ADMDrawerSuite;
ADMNotifierSuite2* sADMNotifier = &g_ADMNotifierSuite;
ADMTrackerSuite2* sADMTracker = &g_ADMTrackerSuite;
ADMBasicSuite8* sADMBasic = &g_ADMBasicSuite;
