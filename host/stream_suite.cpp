// "AEGP Stream Suite" 4: layer streams, reading at a time and setting values.
#include <cmath>

#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

// The stream the host keeps for a stream number, or a refusal.
std::optional<StreamId> stream_of(SuiteCall& c, AEGP_LayerStream which) {
    const auto id = stream_from_host(which);
    if (!id)
        c.refuse(A_Err_PARAMETER, "stream " + std::to_string(which) +
                                      " is not one the host keeps (0, 1, 2, 3, 8, 9, 10)");
    return id;
}

A_Err AEGP_GetNewLayerStream(AEGP_PluginID plugin, AEGP_LayerH layerH, AEGP_LayerStream which,
                             AEGP_StreamRefH* out) {
    return host_call(fn("AEGP_GetNewLayerStream"), arguments(plugin, layerH, which), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        const Layer* layer = c.layer(layerH);
        if (!layer) return c.refused();
        const auto id = stream_of(c, which);
        if (!id) return c.refused();
        if (!c.given(out, "streamH")) return c.refused();
        *out = c.new_stream(plugin, layer->id, *id);
        return A_Err_NONE;
    });
}

A_Err AEGP_DisposeStream(AEGP_StreamRefH streamH) {
    return host_call(fn("AEGP_DisposeStream"), arguments(streamH), [&](SuiteCall& c) -> A_Err {
        if (!c.stream(streamH)) return c.refused();
        c.dispose_stream(streamH);
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerStreamValue(AEGP_LayerH layerH, AEGP_LayerStream which, AEGP_LTimeMode mode, const A_Time* time,
                               A_Boolean pre_expression, AEGP_StreamVal* value, AEGP_StreamType* type) {
    return host_call(fn("AEGP_GetLayerStreamValue"), arguments(layerH, which, mode, time, pre_expression),
                     [&](SuiteCall& c) -> A_Err {
                         const Layer* layer = c.layer(layerH);
                         if (!layer) return c.refused();
                         const auto id = stream_of(c, which);
                         if (!id) return c.refused();
                         const auto comp_time = c.comp_time(*layer, mode, time);
                         if (!comp_time) return c.refused();
                         if (!c.given(value, "stream_val")) return c.refused();
                         const Vec3 v = layer->stream(*id).at(*comp_time);
                         if (is_one_dimensional(*id)) {
                             value->one_d = v.x;
                         } else {
                             value->three_d = {v.x, v.y, v.z};
                         }
                         if (type) *type = stream_type(*id);
                         return A_Err_NONE;
                     });
}

A_Err AEGP_SetStreamValue(AEGP_PluginID plugin, AEGP_StreamRefH streamH, AEGP_StreamValue* value) {
    return host_call(fn("AEGP_SetStreamValue"), arguments(plugin, streamH, value), [&](SuiteCall& c) -> A_Err {
        if (!c.plugin(plugin)) return c.refused();
        const StreamRef* ref = c.stream(streamH);
        if (!ref) return c.refused();
        const Layer* layer = c.stream_layer(*ref);
        if (!layer) return c.refused();
        if (!c.given(value, "value")) return c.refused();
        Vec3 v{value->val.three_d.x, value->val.three_d.y, value->val.three_d.z};
        if (is_one_dimensional(ref->which)) v = Vec3{value->val.one_d};  // in x alone
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z))
            return c.refuse(A_Err_PARAMETER, "value holds a number that is not finite");
        const Time now = c.project().comp(layer->comp)->time;
        c.edit_stream(layer->id, ref->which).set(now, v);
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_StreamSuite4 gStreamSuite4 = {AEGP_GetNewLayerStream, AEGP_DisposeStream, AEGP_GetLayerStreamValue,
                                         AEGP_SetStreamValue};

}  // namespace host
