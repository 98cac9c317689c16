// "AEGP Stream Suite" 4: layer streams, reading at a time and setting values.
#include <cmath>

#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"
#include "host/time_convert.h"

namespace host {

namespace {

bool valid_mode(AEGP_LTimeMode mode) {
    return mode == AEGP_LTimeMode_LayerTime || mode == AEGP_LTimeMode_CompTime;
}

A_Err AEGP_GetNewLayerStream(AEGP_PluginID plugin, AEGP_LayerH layerH, AEGP_LayerStream which,
                             AEGP_StreamRefH* out) {
    return host_call("AEGP_GetNewLayerStream", call_args(plugin, layerH, which), [&](Host& h) -> A_Err {
        const Layer* layer = resolve(h, layerH);
        const auto id = stream_from_host(which);
        if (!layer || !id || !out) return A_Err_PARAMETER;
        *out = make_handle<AEGP_StreamRefH>(HandleKind::stream, h.new_stream(plugin, layer->id, *id));
        return A_Err_NONE;
    });
}

A_Err AEGP_DisposeStream(AEGP_StreamRefH streamH) {
    return host_call("AEGP_DisposeStream", call_args(streamH), [&](Host& h) -> A_Err {
        if (!resolve(h, streamH)) return A_Err_PARAMETER;
        h.streams().erase(*handle_id(streamH, HandleKind::stream));
        return A_Err_NONE;
    });
}

A_Err AEGP_GetLayerStreamValue(AEGP_LayerH layerH, AEGP_LayerStream which, AEGP_LTimeMode mode, const A_Time* time,
                               A_Boolean pre_expression, AEGP_StreamVal* value, AEGP_StreamType* type) {
    return host_call("AEGP_GetLayerStreamValue", call_args(layerH, which, mode, time, pre_expression),
                     [&](Host& h) -> A_Err {
                         const Layer* layer = resolve(h, layerH);
                         const auto id = stream_from_host(which);
                         if (!layer || !id || !valid_mode(mode) || !time || !value) return A_Err_PARAMETER;
                         const auto seconds = to_seconds(*time);
                         if (!seconds) return A_Err_PARAMETER;
                         // Keys are kept in composition time.
                         const double comp_time = mode == AEGP_LTimeMode_CompTime ? *seconds : *seconds + layer->offset;
                         const Vec3 v = layer->stream(*id).at(comp_time);
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
    return host_call("AEGP_SetStreamValue", call_args(plugin, streamH), [&](Host& h) -> A_Err {
        const StreamRef* ref = resolve(h, streamH);
        if (!ref || !value) return A_Err_PARAMETER;
        Layer* layer = h.project().layer(ref->layer);
        if (!layer) return A_Err_PARAMETER;  // the layer went away (undo)
        Vec3 v{value->val.three_d.x, value->val.three_d.y, value->val.three_d.z};
        if (is_one_dimensional(ref->which)) v = Vec3{value->val.one_d, 0, 0};
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) return A_Err_PARAMETER;
        layer->stream(ref->which).set(h.project().comp(layer->comp)->time, v);
        h.project_changed();
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_StreamSuite4 gStreamSuite4 = {AEGP_GetNewLayerStream, AEGP_DisposeStream, AEGP_GetLayerStreamValue,
                                         AEGP_SetStreamValue};

}  // namespace host
