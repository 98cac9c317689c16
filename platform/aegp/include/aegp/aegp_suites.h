// The host's suites as the plug-in uses them: the basic suite, the hook
// prototypes, the entry point and one table type per suite and version.
#pragma once

#include "aegp/aegp_types.h"

// ---- Basic suite -------------------------------------------------------------

typedef A_Err SPErr;

struct SPBasicSuite {
    SPErr (*AcquireSuite)(const char* name, A_long version, const void** suite);
    SPErr (*ReleaseSuite)(const char* name, A_long version);
};

// ---- Hooks the plug-in gives to the host --------------------------------------

typedef A_Err (*AEGP_CommandHook)(AEGP_GlobalRefcon plugin_refconP, AEGP_CommandRefcon refconP,
                                  AEGP_Command command, AEGP_HookPriority hook_priority,
                                  A_Boolean already_handledB, A_Boolean* handledPB);
typedef A_Err (*AEGP_UpdateMenuHook)(AEGP_GlobalRefcon plugin_refconP, AEGP_UpdateMenuRefcon refconP,
                                     AEGP_WindowType active_window);
typedef A_Err (*AEGP_DeathHook)(AEGP_GlobalRefcon plugin_refconP, AEGP_DeathRefcon refconP);
// max_sleepPL: in/out, in 1/60 s.
typedef A_Err (*AEGP_IdleHook)(AEGP_GlobalRefcon plugin_refconP, AEGP_IdleRefcon refconP,
                               A_long* max_sleepPL);

// Panel function table filled by the plug-in when the host creates its panel.
struct AEGP_PanelFunctions1 {
    // At most five sizes; numSizesPL is in/out (room in, used out).
    A_Err (*GetSnapSizes)(AEGP_PanelRefcon refcon, A_LPoint* snapSizes, A_long* numSizesPL);
    A_Err (*PopulateFlyout)(AEGP_PanelRefcon refcon, void* itemsP);
    A_Err (*DoFlyoutCommand)(AEGP_PanelRefcon refcon, A_long commandID);
};
enum { AEGP_MAX_PANEL_SNAP_SIZES = 5 };

typedef A_Err (*AEGP_CreatePanelHook)(AEGP_GlobalRefcon plugin_refconP, AEGP_CreatePanelRefcon refconP,
                                      AEGP_PlatformViewRef container, AEGP_PanelH panelH,
                                      AEGP_PanelFunctions1* outFunctionTable,
                                      AEGP_PanelRefcon* outRefcon);

// The entry point: basic suite, driver major and minor version, the plug-in's
// file path and resource path, its id, and an out pointer for a global refcon.
typedef A_Err (*AEGP_PluginInitFuncPrototype)(SPBasicSuite* pica_basicP, A_long driver_major_versionL,
                                              A_long driver_minor_versionL, const A_char* plugin_pathZ,
                                              const A_char* res_pathZ, AEGP_PluginID aegp_plugin_id,
                                              AEGP_GlobalRefcon* global_refconP);

// ---- Suite names and versions ------------------------------------------------

#define kAEGPRegisterSuite "AEGP Register Suite"
#define kAEGPRegisterSuiteVersion1 1
#define kAEGPCommandSuite "AEGP Command Suite"
#define kAEGPCommandSuiteVersion1 1
#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion3 3
#define kAEGPItemSuite "AEGP Item Suite"
#define kAEGPItemSuiteVersion3 3
#define kAEGPCompSuite "AEGP Comp Suite"
#define kAEGPCompSuiteVersion4 4
#define kAEGPLayerSuite "AEGP Layer Suite"
#define kAEGPLayerSuiteVersion5 5
#define kAEGPLayerSuiteVersion8 8
#define kAEGPLayerSuiteVersion10 10
#define kAEGPCollectionSuite "AEGP Collection Suite"
#define kAEGPCollectionSuiteVersion1 1
#define kAEGPStreamSuite "AEGP Stream Suite"
#define kAEGPStreamSuiteVersion4 4
#define kAEGPKeyframeSuite "AEGP Keyframe Suite"
#define kAEGPKeyframeSuiteVersion1 1
#define kAEGPWorkspacePanelSuite "AEGP Workspace Panel Suite"
#define kAEGPWorkspacePanelSuiteVersion1 1
#define kPFAppSuite "PF AE App Suite"
#define kPFAppSuiteVersion2 2

// ---- Suite tables ------------------------------------------------------------

struct AEGP_RegisterSuite1 {
    A_Err (*AEGP_RegisterCommandHook)(AEGP_PluginID aegp_plugin_id, AEGP_HookPriority hook_priority,
                                      AEGP_Command command, AEGP_CommandHook command_hook_func,
                                      AEGP_CommandRefcon refconP);
    A_Err (*AEGP_RegisterUpdateMenuHook)(AEGP_PluginID aegp_plugin_id, AEGP_UpdateMenuHook update_menu_hook_func,
                                         AEGP_UpdateMenuRefcon refconP);
    A_Err (*AEGP_RegisterDeathHook)(AEGP_PluginID aegp_plugin_id, AEGP_DeathHook death_hook_func,
                                    AEGP_DeathRefcon refconP);
    A_Err (*AEGP_RegisterIdleHook)(AEGP_PluginID aegp_plugin_id, AEGP_IdleHook idle_hook_func,
                                   AEGP_IdleRefcon refconP);
};

struct AEGP_CommandSuite1 {
    A_Err (*AEGP_GetUniqueCommand)(AEGP_Command* unique_commandP);
    A_Err (*AEGP_InsertMenuCommand)(AEGP_Command command, const A_char* nameZ, AEGP_MenuID menu_id,
                                    A_long after_itemL);
    A_Err (*AEGP_EnableCommand)(AEGP_Command command);
    A_Err (*AEGP_DisableCommand)(AEGP_Command command);
    A_Err (*AEGP_CheckMarkMenuCommand)(AEGP_Command command, A_Boolean checkB);
    A_Err (*AEGP_DoCommand)(AEGP_Command command);
};

struct AEGP_UtilitySuite3 {
    A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    A_Err (*AEGP_EndUndoGroup)(void);
};

struct AEGP_ItemSuite3 {
    A_Err (*AEGP_GetActiveItem)(AEGP_ItemH* itemPH);
    A_Err (*AEGP_GetItemType)(AEGP_ItemH itemH, AEGP_ItemType* item_typeP);
    A_Err (*AEGP_GetItemDimensions)(AEGP_ItemH itemH, A_long* widthPL, A_long* heightPL);
};

struct AEGP_CompSuite4 {
    A_Err (*AEGP_GetCompFromItem)(AEGP_ItemH itemH, AEGP_CompH* compPH);
    A_Err (*AEGP_GetNewCollectionFromCompSelection)(AEGP_PluginID plugin_id, AEGP_CompH compH,
                                                    AEGP_CollectionH* collectionPH);
    A_Err (*AEGP_SetSelection)(AEGP_CompH compH, AEGP_CollectionH collectionH);
};

struct AEGP_LayerSuite5 {
    A_Err (*AEGP_GetCompNumLayers)(AEGP_CompH compH, A_long* num_layersPL);
    A_Err (*AEGP_GetCompLayerByIndex)(AEGP_CompH compH, A_long layer_indexL, AEGP_LayerH* layerPH);
    A_Err (*AEGP_GetLayerIndex)(AEGP_LayerH layerH, A_long* layer_indexPL);
    A_Err (*AEGP_GetLayerSourceItem)(AEGP_LayerH layerH, AEGP_ItemH* source_itemPH);
    A_Err (*AEGP_GetLayerName)(AEGP_LayerH layerH, A_char layer_nameZ[AEGP_MAX_LAYER_NAME_SIZE],
                               A_char source_nameZ[AEGP_MAX_LAYER_NAME_SIZE]);
    A_Err (*AEGP_GetLayerCurrentTime)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, A_Time* curr_timePT);
    A_Err (*AEGP_GetLayerOffset)(AEGP_LayerH layerH, A_Time* offsetPT);
    A_Err (*AEGP_ReorderLayer)(AEGP_LayerH layerH, A_long layer_indexL);
    A_Err (*AEGP_GetLayerObjectType)(AEGP_LayerH layerH, AEGP_ObjectType* object_type);
    A_Err (*AEGP_IsLayer3D)(AEGP_LayerH layerH, A_Boolean* is_3DPB);
};

// Only probed: a host that offers it is recent enough for text layer sizing.
struct AEGP_LayerSuite8 {
    A_Err (*AEGP_GetCompNumLayers)(AEGP_CompH compH, A_long* num_layersPL);
};

struct AEGP_LayerSuite10 {
    A_Err (*AEGP_DuplicateLayer)(AEGP_LayerH orig_layerH, AEGP_LayerH* duplicate_layerPH);
};

struct AEGP_CollectionSuite1 {
    A_Err (*AEGP_NewCollection)(AEGP_PluginID plugin_id, AEGP_CollectionH* collectionPH);
    A_Err (*AEGP_DisposeCollection)(AEGP_CollectionH collectionH);
    A_Err (*AEGP_GetCollectionNumItems)(AEGP_CollectionH collectionH, A_u_long* num_itemsPL);
    A_Err (*AEGP_GetCollectionItemByIndex)(AEGP_CollectionH collectionH, A_u_long indexL,
                                           AEGP_CollectionItem* collection_itemP);
    A_Err (*AEGP_CollectionPushBack)(AEGP_CollectionH collectionH, const AEGP_CollectionItem* collection_itemP);
};

struct AEGP_StreamSuite4 {
    A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                    AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream which_stream, AEGP_LTimeMode time_mode,
                                      const A_Time* timePT, A_Boolean pre_expressionB, AEGP_StreamVal* stream_valP,
                                      AEGP_StreamType* stream_typeP);
    A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_StreamValue* valueP);
};

struct AEGP_KeyframeSuite1 {
    A_Err (*AEGP_InsertKeyframe)(AEGP_StreamRefH streamH, AEGP_LTimeMode time_mode, const A_Time* timePT,
                                 AEGP_KeyframeIndex* key_indexP);
};

struct AEGP_PanelSuite1 {
    A_Err (*AEGP_RegisterCreatePanelHook)(AEGP_PluginID pluginID, const A_u_char* utf8_match_nameZ,
                                          AEGP_CreatePanelHook create_panel_hook,
                                          AEGP_CreatePanelRefcon refconP, A_Boolean paint_uses_host_backgroundB);
    A_Err (*AEGP_SetTitle)(AEGP_PanelH panelH, const A_u_char* utf8_titleZ);
    A_Err (*AEGP_ToggleVisibility)(const A_u_char* utf8_match_nameZ);
};

struct PFAppSuite2 {
    PF_Err (*PF_AppGetColor)(PF_App_ColorType color_type, PF_App_Color* app_colorP);
};
