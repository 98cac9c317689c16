#include "host/time.h"

#include <cmath>
#include <utility>

namespace host {

namespace {

using Wide = __int128;

constexpr Wide kWideLimit = Time::kLimit;

Wide gcd(Wide a, Wide b) {
    if (a < 0) a = -a;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

bool within_limit(Wide n, Wide d) { return d > 0 && d < kWideLimit && n > -kWideLimit && n < kWideLimit; }

// The next continued-fraction convergent term: x0, x1 := x1, a * x1 + x0;
// false when it would reach the limit. The first test keeps a * x1 from
// overflowing (a can be far beyond the limit); the second is exact.
bool next_convergent(Wide a, Wide& x0, Wide& x1) {
    if (x1 != 0 && a > kWideLimit / x1) return false;
    const Wide x = a * x1 + x0;
    if (x >= kWideLimit) return false;
    x0 = x1;
    x1 = x;
    return true;
}

// The fraction with the smallest denominator strictly between ln/ld and hn/hd
// (0 <= ln/ld < hn/hd), built from its continued fraction; nothing when its
// numerator or denominator would reach the limit.
std::optional<std::pair<Wide, Wide>> simplest_between(Wide ln, Wide ld, Wide hn, Wide hd) {
    Wide p0 = 0, p1 = 1, q0 = 1, q1 = 0;
    const auto term = [&](Wide a) { return next_convergent(a, p0, p1) && next_convergent(a, q0, q1); };
    for (;;) {
        const Wide a = ln / ld;  // floor(lo): lo >= a, and a + 1 > lo
        if ((a + 1) * hd < hn) {
            if (!term(a + 1)) return std::nullopt;
            return std::pair{p1, q1};
        }
        // hi <= a + 1: the answer is a + 1 / y for the simplest y in the inverted interval.
        if (!term(a)) return std::nullopt;
        // When lo is whole, lr is 0 and the inverted interval has no upper end
        // (hd becomes 0), so the next round takes the whole number above its lower end.
        const Wide lr = ln - a * ld, hr = hn - a * hd;
        const Wide next_ld = hr, next_hn = ld, next_hd = lr;
        ln = hd;
        ld = next_ld;
        hn = next_hn;
        hd = next_hd;
    }
}

}  // namespace

std::optional<Time> Time::of(const A_Time& t) { return reduced(t.value, t.scale); }

std::optional<Time> Time::fraction(std::int64_t n, std::int64_t d) { return reduced(n, d); }

std::optional<Time> Time::reduced(Wide n, Wide d) {
    if (d == 0) return std::nullopt;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Wide g = gcd(n, d);  // at least 1, as d is not 0
    n /= g;
    d /= g;
    if (!within_limit(n, d)) return std::nullopt;
    return Time(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d));
}

std::optional<Time> Time::from_seconds(double seconds) {
    if (!std::isfinite(seconds)) return std::nullopt;
    if (seconds == 0) return Time();
    const double d = std::fabs(seconds);
    // Below 2^-53 every fraction that rounds to d has a denominator at the
    // limit; from 2^53 on, the numerator is.
    if (d < 0x1p-53 || d >= 0x1p53) return std::nullopt;
    int exponent{};
    const double mantissa = std::frexp(d, &exponent);  // d = mantissa * 2^exponent, mantissa in [0.5, 1)
    const Wide m = static_cast<Wide>(std::ldexp(mantissa, 53));
    // The reals that round to d lie between the midpoints to its neighbours,
    // (2m - 1) and (2m + 1) over 2^shift. No fraction within the limit lies on
    // a midpoint, so whether ties round to d does not matter. For a power of
    // two the double below is nearer, and the interval is too wide below; yet
    // every other fraction within the limit is further from a power of two
    // than that, so the power itself is still the simplest.
    const int shift = 54 - exponent;
    const Wide lo = 2 * m - 1, hi = 2 * m + 1;
    const Wide denominator = Wide{1} << shift;
    const auto simplest = simplest_between(lo, denominator, hi, denominator);
    if (!simplest) return std::nullopt;
    return reduced(seconds < 0 ? -simplest->first : simplest->first, simplest->second);
}

double Time::seconds() const {
    // Both below 2^53, so both are exact doubles and the quotient is rounded once.
    return static_cast<double>(num_) / static_cast<double>(den_);
}

std::optional<A_Time> Time::to_a_time(double frame_rate) const {
    const auto fits = [](Wide value, Wide scale) {
        return value >= INT32_MIN && value <= INT32_MAX && scale > 0 && scale <= UINT32_MAX;
    };
    if (frame_rate >= 1 && frame_rate <= UINT32_MAX && frame_rate == std::floor(frame_rate)) {
        const auto rate = static_cast<Wide>(frame_rate);
        if (rate % den_ == 0) {
            const Wide value = num_ * (rate / den_);
            if (fits(value, rate)) return A_Time{static_cast<A_long>(value), static_cast<A_u_long>(rate)};
        }
    }
    if (!fits(num_, den_)) return std::nullopt;
    return A_Time{static_cast<A_long>(num_), static_cast<A_u_long>(den_)};
}

std::optional<Time> Time::plus(const Time& other) const {
    return reduced(Wide{num_} * other.den_ + Wide{other.num_} * den_, Wide{den_} * other.den_);
}

std::optional<Time> Time::minus(const Time& other) const {
    return reduced(Wide{num_} * other.den_ - Wide{other.num_} * den_, Wide{den_} * other.den_);
}

std::strong_ordering Time::operator<=>(const Time& other) const {
    const Wide left = Wide{num_} * other.den_, right = Wide{other.num_} * den_;
    return left < right ? std::strong_ordering::less
                        : (left > right ? std::strong_ordering::greater : std::strong_ordering::equal);
}

std::string time_text(const Time& t) {
    std::string text = std::to_string(t.numerator());
    if (t.denominator() != 1) text.append(1, '/').append(std::to_string(t.denominator()));
    return text.append(" s");
}

}  // namespace host
