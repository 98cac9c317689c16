#include "host/stream.h"

#include <algorithm>

namespace host {

namespace {

Vec3 mix(const Vec3& a, const Vec3& b, double u) {
    return {a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u, a.z + (b.z - a.z) * u};
}

auto first_not_before(const std::vector<Key>& keys, const Time& time) {
    return std::lower_bound(keys.begin(), keys.end(), time, [](const Key& k, const Time& t) { return k.time < t; });
}

}  // namespace

Vec3 Stream::at(const Time& time) const {
    if (keys.empty()) return value;
    if (time <= keys.front().time) return keys.front().value;
    if (time >= keys.back().time) return keys.back().value;
    const auto next = first_not_before(keys, time);
    if (next->time == time) return next->value;
    const Key& a = *(next - 1);
    const double span = next->time.seconds() - a.time.seconds();
    return mix(a.value, next->value, (time.seconds() - a.time.seconds()) / span);
}

std::size_t Stream::insert_key(const Time& time) {
    const auto at_or_after = first_not_before(keys, time);
    if (at_or_after != keys.end() && at_or_after->time == time)
        return static_cast<std::size_t>(at_or_after - keys.begin());
    const auto inserted = keys.insert(at_or_after, Key{time, at(time)});
    return static_cast<std::size_t>(inserted - keys.begin());
}

void Stream::set(const Time& current_time, const Vec3& v) {
    if (keys.empty()) {
        value = v;
        return;
    }
    keys[insert_key(current_time)].value = v;
}

}  // namespace host
