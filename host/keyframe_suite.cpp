// "AEGP Keyframe Suite" 1: inserting keyframes.
#include "host/host_call.h"
#include "host/suite_tables.h"

namespace host {

namespace {

A_Err AEGP_InsertKeyframe(AEGP_StreamRefH streamH, AEGP_LTimeMode mode, const A_Time* time,
                          AEGP_KeyframeIndex* index) {
    return host_call(fn("AEGP_InsertKeyframe"), arguments(streamH, mode, time), [&](SuiteCall& c) -> A_Err {
        const StreamRef* ref = c.stream(streamH);
        if (!ref) return c.refused();
        const Layer* layer = c.stream_layer(*ref);
        if (!layer) return c.refused();
        const auto comp_time = c.comp_time(*layer, mode, time);
        if (!comp_time) return c.refused();
        if (!c.given(index, "key_index")) return c.refused();
        *index = static_cast<AEGP_KeyframeIndex>(c.edit_stream(layer->id, ref->which).insert_key(*comp_time));
        return A_Err_NONE;
    });
}

}  // namespace

const AEGP_KeyframeSuite1 gKeyframeSuite1 = {AEGP_InsertKeyframe};

}  // namespace host
