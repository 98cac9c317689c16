// Handles, value types, procs and constants of the ADM dialog interface that
// the plug-in's dialogs are written against. The handles are the addresses of
// the dialog services' own objects over the native toolkit.
#pragma once

#include <cstdint>

#include "toolkit/native.h"

typedef struct _Opaque_ADMDialog* ADMDialogRef;
typedef struct _Opaque_ADMItem* ADMItemRef;
typedef struct _Opaque_ADMList* ADMListRef;
typedef struct _Opaque_ADMEntry* ADMEntryRef;
typedef struct _Opaque_ADMListEntry* ADMListEntryRef;
typedef struct _Opaque_ADMHierarchyList* ADMHierarchyListRef;
typedef struct _Opaque_ADMDrawer* ADMDrawerRef;
typedef struct _Opaque_ADMImage* ADMImageRef;
typedef struct _Opaque_ADMNotifier* ADMNotifierRef;
typedef struct _Opaque_ADMTracker* ADMTrackerRef;
typedef struct SPPlugin* SPPluginRef;

typedef int32_t ASErr;
typedef int32_t ADMInt32;
typedef uint8_t ADMBoolean;
typedef float ADMReal;
typedef void* ADMUserData;
typedef int32_t ADMTimerRef;

// Rectangles and points are the toolkit's: top, left, bottom, right and v, h.
typedef Rect ADMRect;
typedef Point ADMPoint;
// The builder's rectangle argument: top, left, height, width.
typedef Rect IASRect;

// The status a draw or notify proc leaves to let the native control do its standard work.
enum : ASErr { kADMNotHandledErr = -9874 };

typedef const char* ADMItemType;
#define kADMFrameType "ADM Frame Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
#define kADMPictureStaticType "ADM Picture Static Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMPopupMenuType "ADM Popup Menu Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMTextEditType "ADM Text Edit Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMTextRadioButtonType "ADM Text Radio Button Type"
#define kADMTextStaticType "ADM Text Static Type"

#define kADMUserChangedNotifier "ADM User Changed Notifier"
#define kADMCloseHitNotifier "ADM Close Hit Notifier"

typedef ADMInt32 ADMDialogStyle;
enum : ADMDialogStyle {
    kADMModalDialogStyle = 0,
    kADMAlertDialogStyle = 1,
    kADMFloatingDialogStyle = 2,
    kADMTabbedFloatingDialogStyle = 3,
    kADMResizingFloatingDialogStyle = 4,
    kADMTabbedResizingFloatingDialogStyle = 5,
    kADMPopupFloatingDialogStyle = 6,
    kADMNoCloseFloatingDialogStyle = 7,
    kADMSystemAlertDialogStyle = 8,
    kADMPopupModalDialogStyle = 9,
    kADMDocumentWindowStyle = 10,
    kADMSideTitleFloatingDialogStyle = 11,
    kADMSideTitleNoCloseFloatingDialogStyle = 12,
    kADMPopupNoTitleFloatingDialogStyle = 13,
    kADMWindowDialogStyle = 14,
    kADMResizingWindowDialogStyle = 15,
};

typedef ADMInt32 ADMFont;
// 0 to 2, the default, dialog and palette fonts, are drawn plain; nothing asks for them by name.
enum : ADMFont {
    kADMItalicDialogFont = 3,
    kADMItalicPaletteFont = 4,
    kADMBoldDialogFont = 5,
    kADMBoldPaletteFont = 6,
    kADMBoldItalicDialogFont = 7,
    kADMBoldItalicPaletteFont = 8,
    kADMFixedWidthFont = 9,
    kADMItalicFixedWidthFont = 10,
    kADMBoldFixedWidthFont = 11,
    kADMBoldItalicFixedWidthFont = 12,
};

typedef ADMInt32 ADMColor;
enum : ADMColor {
    kADMBlackColor = 0,
    kADMWhiteColor = 1,
    kADMHiliteColor = 2,
    kADMHiliteTextColor = 3,
    kADMLightColor = 4,
    kADMBackgroundColor = 5,
    kADMShadowColor = 6,
    kADMDisabledColor = 7,
    kADMWindowColor = 13,
    kADMForegroundColor = 14,
    kADMTextColor = 15,
    kADMRedColor = 16,
    kADMDisabledTextColor = 26,
};

typedef ADMInt32 ADMFrameStyle;
enum : ADMFrameStyle {
    kADMBlackFrameStyle = 0,
    kADMGrayFrameStyle = 1,
    kADMSunkenFrameStyle = 2,
    kADMRaisedFrameStyle = 3,
    kADMEtchedFrameStyle = 4,
};

typedef ADMInt32 ADMUnits;
enum : ADMUnits { kADMNoUnits = 0 };

// Dialog procs.
typedef ASErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef void (*ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);
typedef ADMBoolean (*ADMDialogTrackProc)(ADMDialogRef dialog, ADMTrackerRef tracker);
typedef void (*ADMDialogNotifyProc)(ADMDialogRef dialog, ADMNotifierRef notifier);
typedef void (*ADMDialogDestroyProc)(ADMDialogRef dialog);

// Item procs.
typedef ASErr (*ADMItemInitProc)(ADMItemRef item);
typedef void (*ADMItemDrawProc)(ADMItemRef item, ADMDrawerRef drawer);
typedef ADMBoolean (*ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
typedef void (*ADMItemDestroyProc)(ADMItemRef item);
typedef ADMBoolean (*ADMItemTextToFloatProc)(ADMItemRef item, const char* text, float* value);
typedef ADMBoolean (*ADMItemFloatToTextProc)(ADMItemRef item, float value, char* text, ADMInt32 textLength);

// List and entry procs (their suites' setters are unsupported).
typedef void (*ADMListDestroyProc)(ADMListRef list);
typedef void (*ADMEntryDrawProc)(ADMEntryRef entry, ADMDrawerRef drawer);
typedef ADMBoolean (*ADMEntryTrackProc)(ADMEntryRef entry, ADMTrackerRef tracker);
typedef void (*ADMEntryNotifyProc)(ADMEntryRef entry, ADMNotifierRef notifier);
typedef void (*ADMEntryDestroyProc)(ADMEntryRef entry);
typedef void (*ADMListEntryDrawProc)(ADMListEntryRef entry, ADMDrawerRef drawer);
typedef ADMBoolean (*ADMListEntryTrackProc)(ADMListEntryRef entry, ADMTrackerRef tracker);
typedef void (*ADMListEntryNotifyProc)(ADMListEntryRef entry, ADMNotifierRef notifier);
typedef void (*ADMListEntryDestroyProc)(ADMListEntryRef entry);
