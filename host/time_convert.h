// Conversion between the host's A_Time (value / scale seconds) and seconds.
#pragma once

#include <optional>

#include "aegp/aegp_types.h"

namespace host {

// Seconds of an A_Time; nothing when the scale is 0.
std::optional<double> to_seconds(const A_Time& t);

// An A_Time for a number of seconds: frame-exact (scale = frame rate) when the
// time falls on a frame, otherwise a finer scale that still represents it.
A_Time to_time(double seconds, double frame_rate);

}  // namespace host
