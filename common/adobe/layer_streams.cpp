// Reading a layer's transform streams at a composition time, after expressions.
#include "adobe/layer_streams.h"

A_Err read_layer_stream(AEGP_StreamSuite4* streams, AEGP_LayerH layer, AEGP_LayerStream which, A_Time const& time,
                        AEGP_StreamVal& out) {
    AEGP_StreamVal value{};
    AEGP_StreamType type = AEGP_StreamType_NO_DATA;
    A_Err err = streams->AEGP_GetLayerStreamValue(layer, which, AEGP_LTimeMode_CompTime, &time, false, &value, &type);
    if (!err) out = value;
    return err;
}

A_Err read_combined_rotation(AEGP_StreamSuite4* streams, AEGP_LayerH layer, A_Time const& time, AEGP_StreamVal& out) {
    AEGP_StreamVal combined{};
    AEGP_StreamVal turn{};
    A_Err err = read_layer_stream(streams, layer, AEGP_LayerStream_ORIENTATION, time, combined);
    if (!err) err = read_layer_stream(streams, layer, AEGP_LayerStream_ROTATE_X, time, turn);
    if (!err) {
        combined.three_d.x += turn.three_d.x;
        err = read_layer_stream(streams, layer, AEGP_LayerStream_ROTATE_Y, time, turn);
    }
    if (!err) {
        combined.three_d.y += turn.three_d.x;
        err = read_layer_stream(streams, layer, AEGP_LayerStream_ROTATION, time, turn);
    }
    if (!err) {
        combined.three_d.z += turn.three_d.x;
        out = combined;
    }
    return err;
}
