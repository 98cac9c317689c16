// The functions the host offers plug-ins, by the names plug-ins know them by,
// numbered so that the call gate counts and fails them without looking a name
// up on every call. A suite function names itself with fn("..."), checked
// while compiling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

namespace host {

using FunctionId = std::uint8_t;

inline constexpr std::string_view kFunctionNames[] = {
    "AcquireSuite",
    "ReleaseSuite",
    "AEGP_RegisterCommandHook",
    "AEGP_RegisterUpdateMenuHook",
    "AEGP_RegisterDeathHook",
    "AEGP_RegisterIdleHook",
    "AEGP_GetUniqueCommand",
    "AEGP_InsertMenuCommand",
    "AEGP_EnableCommand",
    "AEGP_DisableCommand",
    "AEGP_CheckMarkMenuCommand",
    "AEGP_DoCommand",
    "AEGP_ReportInfo",
    "AEGP_StartUndoGroup",
    "AEGP_EndUndoGroup",
    "AEGP_GetActiveItem",
    "AEGP_GetItemType",
    "AEGP_GetItemDimensions",
    "AEGP_GetCompFromItem",
    "AEGP_GetNewCollectionFromCompSelection",
    "AEGP_SetSelection",
    "AEGP_GetCompNumLayers",
    "AEGP_GetCompLayerByIndex",
    "AEGP_GetLayerIndex",
    "AEGP_GetLayerSourceItem",
    "AEGP_GetLayerName",
    "AEGP_GetLayerCurrentTime",
    "AEGP_GetLayerOffset",
    "AEGP_ReorderLayer",
    "AEGP_GetLayerObjectType",
    "AEGP_IsLayer3D",
    "AEGP_DuplicateLayer",
    "AEGP_NewCollection",
    "AEGP_DisposeCollection",
    "AEGP_GetCollectionNumItems",
    "AEGP_GetCollectionItemByIndex",
    "AEGP_CollectionPushBack",
    "AEGP_GetNewLayerStream",
    "AEGP_DisposeStream",
    "AEGP_GetLayerStreamValue",
    "AEGP_SetStreamValue",
    "AEGP_InsertKeyframe",
    "AEGP_RegisterCreatePanelHook",
    "AEGP_SetTitle",
    "AEGP_ToggleVisibility",
    "PF_AppGetColor",
};
inline constexpr std::size_t kFunctionCount = std::size(kFunctionNames);

// The number of a host function, or nothing.
constexpr std::optional<FunctionId> function_id(std::string_view name) {
    for (std::size_t i = 0; i < kFunctionCount; ++i)
        if (kFunctionNames[i] == name) return static_cast<FunctionId>(i);
    return std::nullopt;
}

// The same for a suite function naming itself; a name that is none does not compile.
consteval FunctionId fn(std::string_view name) {
    const auto id = function_id(name);
    if (!id) throw "not a function the host offers";
    return *id;
}

}  // namespace host
