// "AEGP Layer Suite" 5, the probed version 8 and version 10 (duplication).
#include <algorithm>
#include <cstring>
#include <string>

#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

// The name in Mac Roman, cut to fit with its terminating zero.
void copy_name(const std::string& utf8, A_char* out) {
    const std::string name = to_mac_roman(utf8);
    const std::size_t n = std::min<std::size_t>(name.size(), AEGP_MAX_LAYER_NAME_SIZE - 1);
    std::memcpy(out, name.data(), n);
    out[n] = '\0';
}

std::string outside(long index, std::size_t size) {
    return "index " + std::to_string(index) + " is outside the stack of " + std::to_string(size) + " layers";
}

// An A_Time for a time of the layer's composition, or a refusal.
A_Err put_time(SuiteCall& c, const Layer& layer, std::optional<Time> t, A_Time* out, const char* what) {
    if (!t) return c.refuse(A_Err_PARAMETER, std::string("the layer's ") + what + " is out of range");
    const auto a_time = t->to_a_time(c.project().comp(layer.comp)->frame_rate);
    if (!a_time)
        return c.refuse(A_Err_PARAMETER, std::string("the layer's ") + what + ", " + time_text(*t) +
                                             ", does not fit an A_Time");
    *out = *a_time;
    return A_Err_NONE;
}

A_Err AEGP_GetCompNumLayers(AEGP_CompH compH, A_long* count) {
    return host_call(fn("AEGP_GetCompNumLayers"), arguments(compH), [&](SuiteCall& c) -> A_Err {
        const Composition* comp = c.comp(compH);
        if (!comp) return c.refused();
        if (!c.given(count, "num_layers")) return c.refused();
        *count = static_cast<A_long>(comp->layers.size());
        return A_Err_NONE;
    });
}

A_Err AEGP_GetCompLayerByIndex(AEGP_CompH compH, A_long index, AEGP_LayerH* layer) {
    return host_call(fn("AEGP_GetCompLayerByIndex"), arguments(compH, index), [&](SuiteCall& c) -> A_Err {
        const Composition* comp = c.comp(compH);
        if (!comp) return c.refused();
        if (index < 0 || static_cast<std::size_t>(index) >= comp->layers.size())
            return c.refuse(A_Err_PARAMETER, outside(index, comp->layers.size()));
        if (!c.given(layer, "layerH")) return c.refused();
        *layer = Host::layer_handle(comp->layers[static_cast<std::size_t>(index)]);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerIndex(AEGP_LayerH layerH, A_long* index) {
    return host_call(fn("AEGP_GetLayerIndex"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(index, "layer_index")) return c.refused();
        *index = static_cast<A_long>(c.project().index_of(layer->id));
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerSourceItem(AEGP_LayerH layerH, AEGP_ItemH* item) {
    return host_call(fn("AEGP_GetLayerSourceItem"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(item, "source_itemH")) return c.refused();
        *item = layer->source ? Host::item_handle(layer->source) : nullptr;
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerName(AEGP_LayerH layerH, A_char layer_name[AEGP_MAX_LAYER_NAME_SIZE],
                        A_char source_name[AEGP_MAX_LAYER_NAME_SIZE]) {
    return host_call(fn("AEGP_GetLayerName"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(layer_name, "layer_name")) return c.refused();
        if (!c.given(source_name, "source_name")) return c.refused();
        const Item* source = c.project().item(layer->source);
        copy_name(layer->name, layer_name);
        copy_name(source ? source->name : std::string(), source_name);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerCurrentTime(AEGP_LayerH layerH, AEGP_LTimeMode mode, A_Time* time) {
    return host_call(fn("AEGP_GetLayerCurrentTime"), arguments(layerH, mode), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.time_mode(mode)) return c.refused();
        if (!c.given(time, "curr_time")) return c.refused();
        const Time now = c.project().comp(layer->comp)->time;
        return put_time(c, *layer, mode == AEGP_LTimeMode_CompTime ? now : now.minus(layer->offset), time,
                        "current time");
    });
}

A_Err AEGP_GetLayerOffset(AEGP_LayerH layerH, A_Time* offset) {
    return host_call(fn("AEGP_GetLayerOffset"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(offset, "offset")) return c.refused();
        return put_time(c, *layer, layer->offset, offset, "offset");
    });
}

A_Err AEGP_ReorderLayer(AEGP_LayerH layerH, A_long index) {
    return host_call(fn("AEGP_ReorderLayer"), arguments(layerH, index), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        const std::size_t size = c.project().comp(layer->comp)->layers.size();
        if (index < 0 || static_cast<std::size_t>(index) >= size) return c.refuse(A_Err_PARAMETER, outside(index, size));
        c.reorder_layer(layer->id, static_cast<std::size_t>(index));
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerObjectType(AEGP_LayerH layerH, AEGP_ObjectType* type) {
    return host_call(fn("AEGP_GetLayerObjectType"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(type, "object_type")) return c.refused();
        *type = object_type(layer->type);
        return A_Err_NONE;
    });
}

A_Err AEGP_IsLayer3D(AEGP_LayerH layerH, A_Boolean* is_3d) {
    return host_call(fn("AEGP_IsLayer3D"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(is_3d, "is_3D")) return c.refused();
        *is_3d = layer->three_d;
        return A_Err_NONE;
    });
}

A_Err AEGP_DuplicateLayer(AEGP_LayerH layerH, AEGP_LayerH* duplicate) {
    return host_call(fn("AEGP_DuplicateLayer"), arguments(layerH), [&](SuiteCall& c) -> A_Err {
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        if (!c.given(duplicate, "duplicate_layerH")) return c.refused();
        *duplicate = Host::layer_handle(c.duplicate_layer(layer->id));
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
