// Reading a layer's transform streams at a composition time, after expressions.
#pragma once

#include "aegp/aegp_suites.h"

// One stream's value at `time`; `out` is written only on success.
A_Err read_layer_stream(AEGP_StreamSuite4* streams, AEGP_LayerH layer, AEGP_LayerStream which, A_Time const& time,
                        AEGP_StreamVal& out);

// Orientation plus the X, Y and Z Rotation streams, read in that order; `out`
// is written only when all four reads succeed.
A_Err read_combined_rotation(AEGP_StreamSuite4* streams, AEGP_LayerH layer, A_Time const& time, AEGP_StreamVal& out);
