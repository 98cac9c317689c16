// A layer property as the host keeps it: a static value, or keyframes sorted by
// time (composition seconds) with linear interpolation between them and the
// first and last values held outside them.
#pragma once

#include <cstddef>
#include <vector>

namespace host {

struct Vec3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Vec3&) const = default;
};

struct Key {
    double time = 0;
    Vec3 value;
    bool operator==(const Key&) const = default;
};

// Key times closer than this are the same time.
inline constexpr double kKeyTimeTolerance = 1e-9;

struct Stream {
    // The static value; kept, but not used, while the stream has keys.
    Vec3 value;
    std::vector<Key> keys;

    bool keyed() const { return !keys.empty(); }
    Vec3 at(double time) const;
    // Index of the key at that time, adding one with the value the stream has
    // there when none exists.
    std::size_t insert_key(double time);
    // What a person changing the property gets: the static value, or the key at
    // the given (current) time, made if needed.
    void set(double current_time, const Vec3& v);

    bool operator==(const Stream&) const = default;
};

}  // namespace host
