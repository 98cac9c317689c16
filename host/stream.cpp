#include "host/stream.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

Vec3 mix(const Vec3& a, const Vec3& b, double u) {
    return {a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u, a.z + (b.z - a.z) * u};
}

}  // namespace

Vec3 Stream::at(double time) const {
    if (keys.empty()) return value;
    if (time <= keys.front().time) return keys.front().value;
    if (time >= keys.back().time) return keys.back().value;
    const auto next = std::upper_bound(keys.begin(), keys.end(), time,
                                       [](double t, const Key& k) { return t < k.time; });
    const Key& b = *next;
    const Key& a = *(next - 1);
    if (std::fabs(time - b.time) <= kKeyTimeTolerance) return b.value;
    return mix(a.value, b.value, (time - a.time) / (b.time - a.time));
}

std::size_t Stream::insert_key(double time) {
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (std::fabs(keys[i].time - time) <= kKeyTimeTolerance) return i;
    const Vec3 v = at(time);
    const auto pos = std::lower_bound(keys.begin(), keys.end(), time,
                                      [](const Key& k, double t) { return k.time < t; });
    const auto inserted = keys.insert(pos, Key{time, v});
    return static_cast<std::size_t>(inserted - keys.begin());
}

void Stream::set(double current_time, const Vec3& v) {
    if (keys.empty()) {
        value = v;
        return;
    }
    keys[insert_key(current_time)].value = v;
}

}  // namespace host
