// "AEGP Keyframe Suite" 1: inserting keyframes.
#include "host/host_call.h"
#include "host/resolve.h"
#include "host/suite_tables.h"
#include "host/time_convert.h"

namespace host {

namespace {

A_Err AEGP_InsertKeyframe(AEGP_StreamRefH streamH, AEGP_LTimeMode mode, const A_Time* time,
                          AEGP_KeyframeIndex* index) {
    return host_call("AEGP_InsertKeyframe", call_args(streamH, mode, time), [&](Host& h) -> A_Err {
        const StreamRef* ref = resolve(h, streamH);
        if (!ref || !time || !index) return A_Err_PARAMETER;
        if (mode != AEGP_LTimeMode_LayerTime && mode != AEGP_LTimeMode_CompTime) return A_Err_PARAMETER;
        Layer* layer = h.project().layer(ref->layer);
        const auto seconds = to_seconds(*time);
        if (!layer || !seconds) return A_Err_PARAMETER;
        const double comp_time = mode == AEGP_LTimeMode_CompTime ? *seconds : *seconds + layer->offset;
        *index = static_cast<AEGP_KeyframeIndex>(layer->stream(ref->which).insert_key(comp_time));
        h.project_changed();
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_KeyframeSuite1 gKeyframeSuite1 = {AEGP_InsertKeyframe};

}  // namespace host
