// "AEGP Layer Suite" 5, the probed version 8 and version 10 (duplication).
#include <algorithm>
#include <cstring>
#include <string>

#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"
#include "host/time_convert.h"

namespace host {

namespace {

// Copies at most size - 1 bytes without splitting a UTF-8 sequence.
void copy_name(const std::string& name, A_char* out, std::size_t size) {
    std::size_t n = std::min(name.size(), size - 1);
    if (n < name.size())
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    std::memcpy(out, name.data(), n);
    out[n] = '\0';
}

A_Err AEGP_GetCompNumLayers(AEGP_CompH compH, A_long* count) {
    return host_call("AEGP_GetCompNumLayers", call_args(compH), [&](Host& h) -> A_Err {
        const Composition* comp = resolve(h, compH);
        if (!comp || !count) return A_Err_PARAMETER;
        *count = static_cast<A_long>(comp->layers.size());
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCompLayerByIndex(AEGP_CompH compH, A_long index, AEGP_LayerH* layer) {
    return host_call("AEGP_GetCompLayerByIndex", call_args(compH, index), [&](Host& h) -> A_Err {
        const Composition* comp = resolve(h, compH);
        if (!comp || !layer || index < 0 || index >= static_cast<A_long>(comp->layers.size()))
            return A_Err_PARAMETER;
        *layer = Host::layer_handle(comp->layers[static_cast<std::size_t>(index)]);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerIndex(AEGP_LayerH layerH, A_long* index) {
    return host_call("AEGP_GetLayerIndex", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !index) return A_Err_PARAMETER;
        *index = static_cast<A_long>(h.project().index_of(layer->id));
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerSourceItem(AEGP_LayerH layerH, AEGP_ItemH* item) {
    return host_call("AEGP_GetLayerSourceItem", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !item) return A_Err_PARAMETER;
        *item = layer->source ? Host::item_handle(layer->source) : nullptr;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerName(AEGP_LayerH layerH, A_char layer_name[AEGP_MAX_LAYER_NAME_SIZE],
                        A_char source_name[AEGP_MAX_LAYER_NAME_SIZE]) {
    return host_call("AEGP_GetLayerName", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !layer_name || !source_name) return A_Err_PARAMETER;
        const Item* source = h.project().item(layer->source);
        copy_name(layer->name, layer_name, AEGP_MAX_LAYER_NAME_SIZE);
        copy_name(source ? source->name : std::string(), source_name, AEGP_MAX_LAYER_NAME_SIZE);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerCurrentTime(AEGP_LayerH layerH, AEGP_LTimeMode mode, A_Time* time) {
    return host_call("AEGP_GetLayerCurrentTime", call_args(layerH, mode), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !time || (mode != AEGP_LTimeMode_LayerTime && mode != AEGP_LTimeMode_CompTime))
            return A_Err_PARAMETER;
        const Composition& comp = *h.project().comp(layer->comp);
        const double seconds = mode == AEGP_LTimeMode_CompTime ? comp.time : comp.time - layer->offset;
        *time = to_time(seconds, comp.frame_rate);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerOffset(AEGP_LayerH layerH, A_Time* offset) {
    return host_call("AEGP_GetLayerOffset", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !offset) return A_Err_PARAMETER;
        *offset = to_time(layer->offset, h.project().comp(layer->comp)->frame_rate);
        return A_Err_NONE;
    });
}

A_Err AEGP_ReorderLayer(AEGP_LayerH layerH, A_long index) {
    return host_call("AEGP_ReorderLayer", call_args(layerH, index), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !h.project().reorder_layer(layer->id, index)) return A_Err_PARAMETER;
        h.project_changed();
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerObjectType(AEGP_LayerH layerH, AEGP_ObjectType* type) {
    return host_call("AEGP_GetLayerObjectType", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !type) return A_Err_PARAMETER;
        *type = object_type(layer->type);
        return A_Err_NONE;
    });
}

A_Err AEGP_IsLayer3D(AEGP_LayerH layerH, A_Boolean* is_3d) {
    return host_call("AEGP_IsLayer3D", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !is_3d) return A_Err_PARAMETER;
        *is_3d = layer->three_d ? 1 : 0;
        return A_Err_NONE;
    });
}

A_Err AEGP_DuplicateLayer(AEGP_LayerH layerH, AEGP_LayerH* duplicate) {
    return host_call("AEGP_DuplicateLayer", call_args(layerH), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        if (!layer || !duplicate) return A_Err_PARAMETER;
        const ObjectId made = h.project().duplicate_layer(h.ids(), layer->id);
        if (!made) return A_Err_GENERIC;
        *duplicate = Host::layer_handle(made);
        h.project_changed();
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_LayerSuite5 gLayerSuite5 = {AEGP_GetCompNumLayers,   AEGP_GetCompLayerByIndex, AEGP_GetLayerIndex,
                                       AEGP_GetLayerSourceItem, AEGP_GetLayerName,        AEGP_GetLayerCurrentTime,
                                       AEGP_GetLayerOffset,     AEGP_ReorderLayer,        AEGP_GetLayerObjectType,
                                       AEGP_IsLayer3D};
const AEGP_LayerSuite8 gLayerSuite8 = {AEGP_GetCompNumLayers};
const AEGP_LayerSuite10 gLayerSuite10 = {AEGP_DuplicateLayer};

}  // namespace host
