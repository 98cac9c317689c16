// The ADM suites the plug-in's dialogs call. The plug-in carries its own
// implementation of every function over the native toolkit: each suite is a
// class of static functions; one static instance of each exists for code
// written against suite pointers, and the s-pointers point at them from the start.
#pragma once

#include "adm/ADMTypes.h"
#include "aegp/aegp_suites.h"

class ADMDialogSuite9 {
public:
    static ADMInt32 Modal(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style,
                          ADMDialogInitProc initProc, ADMUserData userData, ADMInt32 options);
    static void Destroy(ADMDialogRef dialog);
    static void SetDrawProc(ADMDialogRef dialog, ADMDialogDrawProc proc);
    static void SetTrackProc(ADMDialogRef dialog, ADMDialogTrackProc proc);
    static void SetNotifyProc(ADMDialogRef dialog, ADMDialogNotifyProc proc);
    static void SetDestroyProc(ADMDialogRef dialog, ADMDialogDestroyProc proc);
    static void SetUserData(ADMDialogRef dialog, ADMUserData userData);
    static void DefaultDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
    static ADMBoolean DefaultTrack(ADMDialogRef dialog, ADMTrackerRef tracker);
    static void DefaultNotify(ADMDialogRef dialog, ADMNotifierRef notifier);
    static ADMUserData GetUserData(ADMDialogRef dialog);
    static void Show(ADMDialogRef dialog, ADMBoolean show);
    static ADMBoolean IsVisible(ADMDialogRef dialog);
    static ADMBoolean IsEnabled(ADMDialogRef dialog);
    static void SetLocalRect(ADMDialogRef dialog, const ADMRect* localRect);
    static void SetBoundsRect(ADMDialogRef dialog, const ADMRect* boundsRect);
    static void GetBoundsRect(ADMDialogRef dialog, ADMRect* boundsRect);
    static void SetText(ADMDialogRef dialog, const char* text);
    static ADMItemRef GetItem(ADMDialogRef dialog, ADMInt32 itemID);
    static ADMItemRef GetNextItem(ADMDialogRef dialog, ADMItemRef item);
    static ADMDialogRef CreatePanel(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogInitProc initProc,
                                    ADMUserData userData, AEGP_PanelSuite1* panelSuite, AEGP_PanelH panelH,
                                    AEGP_PlatformViewRef container, AEGP_PanelFunctions1* panelFunctions,
                                    AEGP_PanelRefcon* outRefcon);
    static ADMDialogRef Create(SPPluginRef plugin, const char* name, ADMInt32 id, ADMDialogStyle style,
                               ADMDialogInitProc initProc, ADMUserData userData, ADMInt32 options);
};

class ADMItemSuite10 {
public:
    static void Destroy(ADMItemRef item);
    static void SetDrawProc(ADMItemRef item, ADMItemDrawProc proc);
    static void SetTrackProc(ADMItemRef item, ADMItemTrackProc proc);
    static void SetNotifyProc(ADMItemRef item, ADMItemNotifyProc proc);
    static void SetDestroyProc(ADMItemRef item, ADMItemDestroyProc proc);
    static void SetUserData(ADMItemRef item, ADMUserData userData);
    static void SetTextToFloatProc(ADMItemRef item, ADMItemTextToFloatProc proc);
    static void DefaultDraw(ADMItemRef item, ADMDrawerRef drawer);
    static ADMBoolean DefaultTrack(ADMItemRef item, ADMTrackerRef tracker);
    static void DefaultNotify(ADMItemRef item, ADMNotifierRef notifier);
    static ADMUserData GetUserData(ADMItemRef item);
    static ADMInt32 GetID(ADMItemRef item);
    static ADMListRef GetList(ADMItemRef item);
    static void SetItemStyle(ADMItemRef item, ADMInt32 style);
    static void Show(ADMItemRef item, ADMBoolean show);
    static void Enable(ADMItemRef item, ADMBoolean enable);
    static ADMBoolean IsEnabled(ADMItemRef item);
    static void SetLocalRect(ADMItemRef item, const ADMRect* localRect);
    static void GetBoundsRect(ADMItemRef item, ADMRect* boundsRect);
    static void GetBestSize(ADMItemRef item, ADMPoint* bestSize);
    static void SetFont(ADMItemRef item, ADMFont font);
    static void SetText(ADMItemRef item, const char* text);
    static void SetUnits(ADMItemRef item, ADMUnits units);
    static void ShowUnits(ADMItemRef item, ADMBoolean show);
    static void SetBooleanValue(ADMItemRef item, ADMBoolean value);
    static ADMBoolean GetBooleanValue(ADMItemRef item);
    static ADMInt32 GetIntValue(ADMItemRef item);
    static float GetFloatValue(ADMItemRef item);
    static void SetFloatValue(ADMItemRef item, float value);
    static void SetMinFloatValue(ADMItemRef item, float value);
    static void SetMaxFloatValue(ADMItemRef item, float value);
    static void SetFloatToTextProc(ADMItemRef item, ADMItemFloatToTextProc proc);
    static ADMBoolean DefaultFloatToText(ADMItemRef item, float value, char* text, ADMInt32 maxLength);
    static ADMBoolean DefaultTextToFloat(ADMItemRef item, const char* text, float* value);
    static ADMItemRef Create(ADMDialogRef dialog, ADMInt32 itemID, ADMItemType itemType, const ADMRect* boundsRect,
                             ADMItemInitProc initProc, ADMUserData userData, ADMInt32 options);
};

class ADMDrawerSuite5 {
public:
    static void ClearRect(ADMDrawerRef drawer, const ADMRect* rect);
    static void DrawADMImage(ADMDrawerRef drawer, ADMImageRef image, const ADMPoint* topLeftPoint);
    static void DrawLine(ADMDrawerRef drawer, const ADMPoint* startPoint, const ADMPoint* endPoint);
    static void DrawRect(ADMDrawerRef drawer, const ADMRect* rect);
    static void FillPolygon(ADMDrawerRef drawer, const ADMPoint* points, ADMInt32 numPoints);
    static void FillRect(ADMDrawerRef drawer, const ADMRect* rect);
    static void GetBoundsRect(ADMDrawerRef drawer, ADMRect* boundsRect);
    static void SetADMColor(ADMDrawerRef drawer, ADMColor color);
};

class ADMImageSuite2 {
public:
    static ADMDrawerRef BeginADMDrawer(ADMImageRef image);
    static ADMImageRef CreateOffscreen(ADMInt32 width, ADMInt32 height, ADMInt32 options);
    static void Destroy(ADMImageRef image);
    static void EndADMDrawer(ADMImageRef image);
    static ADMInt32 GetWidth(ADMImageRef image);
    static ADMInt32 GetHeight(ADMImageRef image);
};

class ADMListSuite4 {
public:
    static ADMEntryRef GetActiveEntry(ADMListRef list);
    static ADMEntryRef IndexEntry(ADMListRef list, ADMInt32 index);
    static ADMEntryRef InsertEntry(ADMListRef list, ADMInt32 index);
    static ADMInt32 NumberOfEntries(ADMListRef list);
    static void RemoveEntry(ADMListRef list, ADMInt32 index);
    static void SetDestroyProc(ADMListRef list, ADMListDestroyProc proc);
    static void SetDrawProc(ADMListRef list, ADMEntryDrawProc proc);
    static void SetNotifyProc(ADMListRef list, ADMEntryNotifyProc proc);
    static void SetTrackProc(ADMListRef list, ADMEntryTrackProc proc);
    static void SetUserData(ADMListRef list, ADMUserData userData);
};

class ADMEntrySuite6 {
public:
    static ADMInt32 GetIndex(ADMEntryRef entry);
    static ADMListRef GetList(ADMEntryRef entry);
    static void Select(ADMEntryRef entry, ADMBoolean select);
    static void SetText(ADMEntryRef entry, const char* text);
    static ADMEntryRef Create(ADMListRef list);
    static void DefaultDraw(ADMEntryRef entry, ADMDrawerRef drawer);
    static void DefaultNotify(ADMEntryRef entry, ADMNotifierRef notifier);
    static ADMBoolean DefaultTrack(ADMEntryRef entry, ADMTrackerRef tracker);
    static void Destroy(ADMEntryRef entry);
    static ADMUserData GetUserData(ADMEntryRef entry);
    static void SetUserData(ADMEntryRef entry, ADMUserData userData);
};

class ADMHierarchyListSuite5 {
public:
    static void SetDestroyProc(ADMHierarchyListRef list, ADMListDestroyProc proc);
    static void SetDrawProc(ADMHierarchyListRef list, ADMListEntryDrawProc proc);
    static void SetNotifyProc(ADMHierarchyListRef list, ADMListEntryNotifyProc proc);
    static void SetTrackProc(ADMHierarchyListRef list, ADMListEntryTrackProc proc);
    static void SetUserData(ADMHierarchyListRef list, ADMUserData userData);
};

class ADMListEntrySuite4 {
public:
    static ADMListEntryRef Create(ADMHierarchyListRef list);
    static void DefaultDraw(ADMListEntryRef entry, ADMDrawerRef drawer);
    static void DefaultNotify(ADMListEntryRef entry, ADMNotifierRef notifier);
    static ADMBoolean DefaultTrack(ADMListEntryRef entry, ADMTrackerRef tracker);
    static void Destroy(ADMListEntryRef entry);
    static ADMHierarchyListRef GetList(ADMListEntryRef entry);
    static ADMUserData GetUserData(ADMListEntryRef entry);
    static void SetUserData(ADMListEntryRef entry, ADMUserData userData);
};

class ADMNotifierSuite2 {
public:
    static ADMItemRef GetItem(ADMNotifierRef notifier);
    static ADMBoolean IsNotifierType(ADMNotifierRef notifier, const char* notifierType);
};

// Trackers are never handed to the plug-in's procs; the suite exists for code
// that tests for its presence.
class ADMTrackerSuite2 {};

class ADMBasicSuite8 {
public:
    static ADMBoolean GetScreenDimensions(const ADMPoint* point, ADMRect* dimensions);
};

extern ADMDialogSuite9 g_ADMDialogSuite;
extern ADMItemSuite10 g_ADMItemSuite;
extern ADMListSuite4 g_ADMListSuite;
extern ADMListEntrySuite4 g_ADMListEntrySuite;
extern ADMEntrySuite6 g_ADMEntrySuite;
extern ADMHierarchyListSuite5 g_ADMHierarchyListSuite;
extern ADMImageSuite2 g_ADMImageSuite;
extern ADMDrawerSuite5 g_ADMDrawerSuite;
extern ADMNotifierSuite2 g_ADMNotifierSuite;
extern ADMTrackerSuite2 g_ADMTrackerSuite;
extern ADMBasicSuite8 g_ADMBasicSuite;

extern ADMDialogSuite9* sADMDialog;
extern ADMItemSuite10* sADMItem;
extern ADMListSuite4* sADMList;
extern ADMListEntrySuite4* sADMListEntry;
extern ADMEntrySuite6* sADMEntry;
extern ADMHierarchyListSuite5* sADMHierarchyList;
extern ADMImageSuite2* sADMImage;
extern ADMDrawerSuite5* sADMDrawer;
extern ADMNotifierSuite2* sADMNotifier;
extern ADMTrackerSuite2* sADMTracker;
extern ADMBasicSuite8* sADMBasic;
