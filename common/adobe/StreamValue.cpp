// Writes one transform stream of one layer.
#include "adobe/StreamValue.h"

StreamValue::StreamValue(int plugin_id, AEGP_LayerH layer, AEGP_LayerStream which)
    : suites(sSPBasic), plugin_id(plugin_id) {
    AEGP_StreamRefH opened = nullptr;
    if (suites.StreamSuite4()->AEGP_GetNewLayerStream(plugin_id, layer, which, &opened) == A_Err_NONE) stream = opened;
}

StreamValue::~StreamValue() {
    // The stream suite was acquired when the stream was opened, so this cannot throw.
    if (stream) suites.StreamSuite4()->AEGP_DisposeStream(stream);
}

bool StreamValue::set_value(AEGP_StreamValue& value) {
    if (!stream) return false;
    value.streamH = stream;
    return suites.StreamSuite4()->AEGP_SetStreamValue(plugin_id, stream, &value) == A_Err_NONE;
}

bool StreamValue::insert_key(A_Time const& time, A_short time_mode, AEGP_KeyframeIndex* index) {
    if (!stream) return false;
    AEGP_KeyframeIndex key{};
    if (suites.KeyframeSuite1()->AEGP_InsertKeyframe(stream, static_cast<AEGP_LTimeMode>(time_mode), &time, &key))
        return false;
    if (index) *index = key;
    return true;
}
