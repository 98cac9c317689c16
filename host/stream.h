// A layer property as the host keeps it: a static value, or keyframes sorted by
// time (composition time) with linear interpolation between them and the
// first and last values held outside them.
#pragma once

#include <cstddef>
#include <vector>

#include "host/time.h"

namespace host {

struct Vec3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Vec3&) const = default;
};

struct Key {
    Time time;
    Vec3 value;
    bool operator==(const Key&) const = default;
};

struct Stream {
    // The static value; kept, but not used, while the stream has keys.
    Vec3 value;
    std::vector<Key> keys;  // times strictly increasing

    bool keyed() const { return !keys.empty(); }
    Vec3 at(const Time& time) const;
    // Index of the key at that time, adding one with the value the stream has
    // there when none exists.
    std::size_t insert_key(const Time& time);
    // What a person changing the property gets: the static value, or the key at
    // the given (current) time, made if needed.
    void set(const Time& current_time, const Vec3& v);

    bool operator==(const Stream&) const = default;
};

}  // namespace host
