#include "host/time_convert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace host {

std::optional<double> to_seconds(const A_Time& t) {
    if (t.scale == 0) return std::nullopt;
    return static_cast<double>(t.value) / static_cast<double>(t.scale);
}

namespace {

bool whole(double v) { return std::fabs(v - std::round(v)) <= 1e-9 * std::max(1.0, std::fabs(v)); }

bool fits(double v) { return std::fabs(std::round(v)) <= static_cast<double>(INT32_MAX); }

}  // namespace

A_Time to_time(double seconds, double frame_rate) {
    double scales[4] = {0, 0, 1000, 1000000};
    int n = 0;
    if (frame_rate > 0 && whole(frame_rate)) scales[n++] = std::round(frame_rate);
    if (frame_rate > 0 && whole(frame_rate * 100)) scales[n++] = std::round(frame_rate * 100);
    scales[n++] = 1000;
    scales[n++] = 1000000;

    for (int i = 0; i < n; ++i) {
        const double v = seconds * scales[i];
        if (fits(v) && whole(v)) return {static_cast<A_long>(std::round(v)), static_cast<A_u_long>(scales[i])};
    }
    // Not exactly representable: the finest scale that still fits.
    for (int i = n - 1; i >= 0; --i) {
        const double v = seconds * scales[i];
        if (fits(v)) return {static_cast<A_long>(std::round(v)), static_cast<A_u_long>(scales[i])};
    }
    return {seconds < 0 ? INT32_MIN : INT32_MAX, 1};
}

}  // namespace host
