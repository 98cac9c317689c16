// Vectors, matrices, the line-plane intersection and the random sequence: the
// exact numbers the placements depend on, down to the order of rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/MathException.h"
#include "math/TMatrix3D.h"
#include "math/acos.h"
#include "math/intersect.h"
#include "math/random.h"

namespace {

using V = math::TGeomVector3D<double>;
using M = math::TMatrix3D<double>;

constexpr double kPi = 3.141592653589793;
// With these terms 1 + t + t rounds to 1 + 2^-51, but t + t + 1 to 1 + 2^-52.
constexpr double kT = 1.125 * 0x1p-53;

M make(double const (&v)[16]) {
    return M(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15]);
}

bool same_bits(M const& a, M const& b) { return std::memcmp(a.m, b.m, sizeof a.m) == 0 && a.flags == b.flags; }

void expect_near(V const& v, double x, double y, double z) {
    EXPECT_LE(std::max({std::abs(v.x - x), std::abs(v.y - y), std::abs(v.z - z)}), 1e-12) << v.x << ", " << v.y;
}

TEST(Vector, LengthNormalizeCrossDotAndAngle) {
    // Too short to have a length, NaN, and squares summed x, y, z.
    EXPECT_EQ((std::vector{V(1e-13, 0, 0).Length(), V(std::nan(""), 0, 0).Length(), V(3, 4, 12).Length(),
                           V(1, 3 * 0x1p-28, 3 * 0x1p-28).Length()}),
              (std::vector{0.0, 0.0, 13.0, 1.0 + 0x1p-52}));
    // Scaled by the reciprocal: 3 * 0.2 is 0.6000000000000001, where 3 / 5 is 0.6.
    V v(3, 4, 0), tiny(1e-13, 0, 0);
    v.Normalize();
    tiny.Normalize();
    EXPECT_EQ((std::vector{v, tiny, V::Ex() * V::Ey(), V(1, 2, 3) * V(4, 5, 6)}),
              (std::vector{V(3 * 0.2, 4 * 0.2, 0), V(0, 0, 0), V::Ez(), V(-3, 6, -3)}));
    EXPECT_EQ((std::vector{math::dot(V(1, kT, kT), V(1, 1, 1)), math::dot(V(kT, kT, 1), V(1, 1, 1)), V::Ex() ^ V::Ey(),
                           V::Ex() ^ (-V::Ex()), V::Ex() ^ V()}),
              (std::vector{1.0 + 0x1p-51, 1.0 + 0x1p-52, kPi / 2, kPi, 0.0}));
    EXPECT_DOUBLE_EQ(V(1, 1, 0) ^ V(1, 0, 0), kPi / 4);
    // The cosine of these parallel vectors rounds to just above 1: the angle is 0, not NaN.
    V const a(3, 7, 2);
    ASSERT_GT(math::dot(a, 0.3 * a) / std::sqrt(math::dot(a, a) * math::dot(0.3 * a, 0.3 * a)), 1.0);
    EXPECT_EQ((std::vector{a ^ (0.3 * a), math::acos(1.5), math::acos(-2.0), math::acos(0.5), math::acos(-HUGE_VAL)}),
              (std::vector{0.0, 0.0, kPi, std::acos(0.5), kPi}));
    EXPECT_TRUE(std::isnan(math::acos(std::nan(""))));
}

TEST(Intersect, MeetsThePlaneEvenBehindTheStartAndLeavesOutAloneWhenParallel) {
    V out(9, 8, 7), out2;
    EXPECT_FALSE(math::intersect(V(0, 0, 0), V(1, 0, 0), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_FALSE(math::intersect(V(0, 0, 0), V(1, 0, 1e-13), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_TRUE(math::intersect(V(0, 0, 0), V(1, 0, 1e-12), V(0, 0, 5), V(0, 0, 1), out2));  // at the tolerance
    EXPECT_TRUE(!math::intersect(V(0, 0, 0), V(), V(0, 0, 5), V(0, 0, 1), out) && out == V(9, 8, 7));
    EXPECT_TRUE(math::intersect(V(1, 2, -10), V(0, 0, 2), V(0, 0, 5), V(0, 0, 1), out) &&
                math::intersect(V(0, 0, 0), V(1, 1, 0), V(-4, 0, 0), V(-3, 0, 0), out2));
    EXPECT_EQ(std::pair(out, out2), std::pair(V(1, 2, 5), V(-4, -4, 0)));
    // A NaN direction is not taken for parallel.
    EXPECT_TRUE(math::intersect(V(0, 0, 0), V(0, 0, std::nan("")), V(0, 0, 5), V(0, 0, 1), out) && std::isnan(out.z));
}

// Identity 3, rigid 1, general 0. Row lengths may miss 1 by up to 2^-23 in the
// square; dot products of rows must vanish to the smallest normal float.
TEST(Matrix, FlagsFromTheValues) {
    double const inside = 1 - 0x1p-25;   // square about 1 - 2^-24
    double const outside = 1 + 0x1p-22;  // square about 1 + 2^-21
    const std::pair<M, int> rows[] = {
        {M(), 3},
        {M::BuildShift(V(0, 0, 0)), 3},
        {M::BuildShift(V(1e-300, 0, 0)), 1},
        {make({1, -0.0, 0, 0, 0, 1, -0.0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 3},
        {make({0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},  // a permutation
        {make({1, 0, 0, 7, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},
        {make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, -2.5, 0, 0, 0, 1}), 1},
        {make({inside, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},
        {make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, outside, 0, 0, 0, 0, 1}), 0},
        {make({1, 0, 0, 0, 1e-20, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 0},
        {make({1, 0x1p-126, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},  // a dot product of exactly 2^-126
        {make({2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 0},
        {make({1, 0, 0, 0, 0, 1, 0, 0, 0.5, 0, 1, 0, 0, 0, 0, 1}), 0},
        {make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1}), 0},
        {make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2}), 0},
    };
    int row = 0;
    for (auto const& [m, flags] : rows) EXPECT_EQ(m.flags, flags) << "row " << row++;
    EXPECT_EQ(M::BuildShift(V(0, 0, -2.5)).m[2][3], -2.5);
    // set() leaves the flags, setFlags() recomputes them.
    M a;
    a.set(2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1);
    const int kept = a.flags;
    a.setFlags();
    EXPECT_EQ(std::tuple(kept, a.flags), std::tuple(3, 0));
}

TEST(Matrix, RotationsTurnCounterClockwise) {
    M const r = M::BuildRotate(V::Ez(), kPi / 2);
    EXPECT_EQ(r.flags, 1);
    // The rows are exactly orthogonal although cos(pi/2) is not 0.
    EXPECT_EQ(r.m[0][0] * r.m[1][0] + r.m[0][1] * r.m[1][1] + r.m[0][2] * r.m[1][2], 0.0);
    EXPECT_EQ(r * V::Ex(), V(std::cos(kPi / 2), 1, 0));
    expect_near(M::BuildRotate(V::Ex(), kPi / 2) * V::Ey(), 0, 0, 1);
    expect_near(M::BuildRotate(V::Ey(), kPi / 2) * V::Ez(), 1, 0, 0);
    // The axis need not be unit length; a zero axis gives the cosine diagonal.
    expect_near(M::BuildRotate(V(1, 1, 1), 2 * kPi / 3) * V::Ex(), 0, 1, 0);
    double const c = std::cos(0.7);
    EXPECT_TRUE(same_bits(M::BuildRotate(V(), 0.7), make({c, 0, 0, 0, 0, c, 0, 0, 0, 0, c, 0, 0, 0, 0, 1})));
    EXPECT_TRUE(same_bits(M::BuildRotate(V(1e-13, 0, 0), 0), M::HI()));
}

TEST(Matrix, Products) {
    M const general = make({1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0.1, 0.2, 0.3, 0.4});
    EXPECT_TRUE(same_bits(M::HI() * general, general) && same_bits(general * M::HI(), general));
    // Products of rigid matrices are never flagged identity.
    M const both = M::BuildShift(V(1, 2, 3)) * M::BuildShift(V(-1, -2, -3));
    EXPECT_EQ(std::tuple(both.flags, both.m[0][3], (M::BuildRotate(V::Ez(), 0.5) * M::BuildRotate(V::Ex(), 0.25)).flags,
                         (M::BuildRotate(V::Ez(), 0.5) * make({2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})).flags),
              std::tuple(1, 0.0, 1, 0));
    // The right factor applies first.
    M const shift = M::BuildShift(V(1, 0, 0)), turn = M::BuildRotate(V::Ez(), kPi / 2);
    expect_near((shift * turn) * V::Ex(), 1, 1, 0);
    expect_near((turn * shift) * V::Ex(), 0, 2, 0);
    // Terms 0, t, t, 1 summed from the last column down give 1 + 2^-52; from the first up, 1 + 2^-51.
    M const a = make({1, kT, kT, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    ASSERT_TRUE(a.flags == 0 && (a * make({1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1})).m[0][0] == 1.0 + 0x1p-52);
}

TEST(Matrix, PointsSumLeftToRightAndDivideByW) {
    M const skew = make({1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    ASSERT_TRUE(skew.flags == 0 && (skew * V(1, kT, kT)).x == 1.0 + 0x1p-51);
    EXPECT_EQ(make({1, 0, 0, 2, 0, 1, 0, 4, 0, 0, 1, 6, 0.25, 0.125, 0.0625, 0.625}) * V(2, 4, 6), V(2, 4, 6));
    expect_near(make({1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0.1, 0.2, 0.3, 0.4}) * V(1, 2, 3), 18.5 / 1.8, 46 / 1.8,
                74 / 1.8);
    M const flat = make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0});
    EXPECT_THROW(flat * V(1, 2, 0), math::VectorInFocusException);
    EXPECT_NO_THROW(flat * V(1, 2, 3));
    // The identity gives the point back bit for bit, negative zero too.
    V const p(1e300, -0.0, 3), q = M::HI() * p;
    EXPECT_EQ(std::memcmp(&p, &q, sizeof p), 0);
}

TEST(Random, SequenceAfterSeeds) {
    math::SetRand(1);
    EXPECT_EQ((std::vector<long>{math::LRand(), math::LRand(), math::LRand(), math::IY}),
              (std::vector<long>{1297131554, 17103983, 1426780792, 1426780792}));
    math::SetRand(1);
    EXPECT_EQ((std::vector<double>{math::Rand(), math::Rand(), math::Rand()}),
              (std::vector<double>{0.6040239492431283, 0.007964662741869688, 0.6643965803086758}));
    const auto from = [](long seed, auto draw) { return math::SetRand(seed), draw(); };
    // The seed is kept as its low 32 bits, sign and all.
    const std::pair<long, long> rows[] = {
        {0, 453816693}, {-5, 532209684}, {-2147483648L, 453816693}, {0x100000001L, 1297131554}};
    for (auto [seed, first] : rows) EXPECT_EQ(from(seed, math::LRand), first) << seed;
    // These states lead to the smallest and the largest value.
    EXPECT_EQ(std::tuple(from(1093556503, math::Rand), from(1456176114, math::LRand), from(1456176114, math::Rand)),
              std::tuple(0.0, 2147483647L, 1.0 - 0x1p-31));
}

}  // namespace
