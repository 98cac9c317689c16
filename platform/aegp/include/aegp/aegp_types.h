// Basic types, handles and constants of the compositing host's general plug-in
// interface, declared for this project from what the plug-in uses.
#pragma once

#include <cstdint>

typedef int32_t A_Err;
typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef int16_t A_short;
typedef uint16_t A_u_short;
typedef char A_char;
typedef unsigned char A_u_char;
typedef uint8_t A_Boolean;
typedef double A_FpLong;

enum {
    A_Err_NONE = 0,
    A_Err_GENERIC = 1,
    A_Err_PARAMETER = 3,
    A_Err_MISSING_SUITE = 13,
};

// Time as value / scale seconds.
struct A_Time {
    A_long value;
    A_u_long scale;
};

struct A_LPoint {
    A_long x;
    A_long y;
};

// Opaque handles. The host decides what they point at; the plug-in only passes them back.
typedef struct _AEGP_ItemH* AEGP_ItemH;
typedef struct _AEGP_CompH* AEGP_CompH;
typedef struct _AEGP_LayerH* AEGP_LayerH;
typedef struct _AEGP_CollectionH* AEGP_CollectionH;
typedef struct _AEGP_StreamRefH* AEGP_StreamRefH;
typedef struct _AEGP_PanelH* AEGP_PanelH;
typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;
typedef struct _AEGP_CommandRefcon* AEGP_CommandRefcon;
typedef struct _AEGP_UpdateMenuRefcon* AEGP_UpdateMenuRefcon;
typedef struct _AEGP_DeathRefcon* AEGP_DeathRefcon;
typedef struct _AEGP_IdleRefcon* AEGP_IdleRefcon;
typedef struct _AEGP_CreatePanelRefcon* AEGP_CreatePanelRefcon;
typedef struct _AEGP_PanelRefcon* AEGP_PanelRefcon;
// The platform's native view: the toolkit's control reference.
typedef struct OpaqueControlRef* AEGP_PlatformViewRef;

typedef A_long AEGP_PluginID;
typedef A_long AEGP_Command;
typedef A_long AEGP_KeyframeIndex;

typedef A_long AEGP_HookPriority;
enum { AEGP_HP_BeforeAE = 1, AEGP_HP_AfterAE = 2 };

typedef A_long AEGP_MenuID;
enum {
    AEGP_Menu_APPLICATION = 1,
    AEGP_Menu_FILE = 2,
    AEGP_Menu_EDIT = 3,
    AEGP_Menu_COMPOSITION = 4,
    AEGP_Menu_LAYER = 5,
    AEGP_Menu_EFFECT = 6,
    AEGP_Menu_WINDOW = 7,
    AEGP_Menu_FLOATERS = 8,
};
enum {
    AEGP_MENU_INSERT_SORTED = -2,
    AEGP_MENU_INSERT_AT_BOTTOM = -1,
    AEGP_MENU_INSERT_AT_TOP = 0,
};

typedef A_long AEGP_WindowType;
enum {
    AEGP_WindType_COMP = 2,
};

typedef A_long AEGP_ItemType;
enum {
    AEGP_ItemType_NONE = 0,
    AEGP_ItemType_COMP = 2,
    AEGP_ItemType_FOOTAGE = 4,
};

typedef A_long AEGP_ObjectType;
enum {
    AEGP_ObjectType_AV = 0,
    AEGP_ObjectType_LIGHT = 1,
    AEGP_ObjectType_CAMERA = 2,
    AEGP_ObjectType_TEXT = 3,
    AEGP_ObjectType_VECTOR = 4,
};

typedef A_long AEGP_LayerStream;
enum {
    AEGP_LayerStream_ANCHORPOINT = 0,
    AEGP_LayerStream_POSITION = 1,
    AEGP_LayerStream_SCALE = 2,
    AEGP_LayerStream_ROTATION = 3,  // Z Rotation
    AEGP_LayerStream_OPACITY = 4,
    AEGP_LayerStream_ROTATE_X = 8,
    AEGP_LayerStream_ROTATE_Y = 9,
    AEGP_LayerStream_ORIENTATION = 10,
};

typedef A_long AEGP_LTimeMode;
enum { AEGP_LTimeMode_LayerTime = 0, AEGP_LTimeMode_CompTime = 1 };

typedef A_long AEGP_StreamType;
enum {
    AEGP_StreamType_NO_DATA = 0,
    AEGP_StreamType_ThreeD_SPATIAL = 1,
    AEGP_StreamType_ThreeD = 2,
    AEGP_StreamType_OneD = 5,
};

struct AEGP_ThreeDVal {
    A_FpLong x, y, z;
};
struct AEGP_TwoDVal {
    A_FpLong x, y;
};
typedef A_FpLong AEGP_OneDVal;

// The value of a stream. A one-dimensional value shares its place with three_d.x.
union AEGP_StreamVal {
    AEGP_ThreeDVal three_d;
    AEGP_TwoDVal two_d;
    AEGP_OneDVal one_d;
};

// A stream handle followed by its value.
struct AEGP_StreamValue {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal val;
};

typedef A_long AEGP_CollectionItemType;
enum {
    AEGP_CollectionItemType_LAYER = 1,
    AEGP_CollectionItemType_STREAM = 4,
};

struct AEGP_LayerCollectionItem {
    AEGP_LayerH layerH;
};
struct AEGP_MaskCollectionItem {
    AEGP_LayerH layerH;
    A_long index;
};
struct AEGP_EffectCollectionItem {
    AEGP_LayerH layerH;
    A_long index;
};
struct AEGP_StreamCollectionItem {
    AEGP_LayerH layerH;
    AEGP_LayerStream layer_stream;
};

struct AEGP_CollectionItem {
    AEGP_CollectionItemType type;
    union {
        AEGP_LayerCollectionItem layer;
        AEGP_MaskCollectionItem mask;
        AEGP_EffectCollectionItem effect;
        AEGP_StreamCollectionItem stream;
    } u;
};

// Colour kinds for the application suite's colours.
typedef A_long PF_App_ColorType;
enum {
    PF_App_Color_FRAME = 0,
    PF_App_Color_FILL = 1,
    PF_App_Color_TEXT = 2,
    PF_App_Color_LIGHT_TINGE = 3,
    PF_App_Color_HILITE = 5,
    PF_App_Color_SHADOW = 6,
    PF_App_Color_BUTTON_PRESSED_TEXT = 16,
    PF_App_Color_TEXT_DISABLED = 23,
    PF_App_Color_BLACK = 42,
    PF_App_Color_WHITE = 43,
    PF_App_Color_RED = 45,
    PF_App_Color_PANEL_BACKGROUND = 1000,
};

struct PF_App_Color {
    A_u_short red, green, blue;
};

typedef A_long PF_Err;

enum { AEGP_MAX_LAYER_NAME_SIZE = 64 };
