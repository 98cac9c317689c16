// The host's one notion of time: an exact fraction of seconds, as the host
// interface's A_Time (a value and a scale) is. Times compare and add exactly,
// so two times are one instant only when they are equal, and no rounding can
// put a key beside the one a change should have reached.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "aegp/aegp_types.h"

namespace host {

class Time {
public:
    // Numerators and denominators stay below this, so that a time's double is
    // exactly rounded and products of two fit 128 bits.
    static constexpr std::int64_t kLimit = std::int64_t{1} << 53;

    constexpr Time() = default;  // 0 s
    // value / scale seconds; nothing for a scale of 0.
    static std::optional<Time> of(const A_Time& t);
    // n / d seconds; nothing when d is 0 or the reduced fraction reaches the limit.
    static std::optional<Time> fraction(std::int64_t n, std::int64_t d);
    // The simplest fraction the number stands for: of the fractions that round
    // to it, the one with the smallest denominator (0.1 is 1/10, 1/3.0 is 1/3).
    // Nothing for a number that is not finite or needs a fraction at the limit.
    static std::optional<Time> from_seconds(double seconds);

    // The double nearest this time. from_seconds gives the time back whenever no
    // simpler fraction rounds to the same double: for every time within a day
    // (2^17 s) whose reduced scale is at most 262,144, and for finer scales the
    // closer the time is to 0.
    double seconds() const;
    // As an A_Time: scaled by the frame rate when the time falls on a frame of a
    // whole frame rate, else the reduced fraction; nothing when that does not
    // fit the A_Time's 32-bit value and scale.
    std::optional<A_Time> to_a_time(double frame_rate = 0) const;

    std::int64_t numerator() const { return num_; }
    std::int64_t denominator() const { return den_; }

    // Exact sum and difference; nothing at the limit.
    std::optional<Time> plus(const Time& other) const;
    std::optional<Time> minus(const Time& other) const;

    // Fractions are kept reduced, so equal times have equal members.
    bool operator==(const Time&) const = default;
    std::strong_ordering operator<=>(const Time& other) const;

private:
    constexpr Time(std::int64_t n, std::int64_t d) : num_(n), den_(d) {}
    // n / d seconds reduced, worked out wide enough for sums of products of two.
    static std::optional<Time> reduced(__int128 n, __int128 d);
    std::int64_t num_ = 0, den_ = 1;  // reduced; den_ > 0
};

// "1/3 s" or "2 s", for messages.
std::string time_text(const Time& t);

}  // namespace host
