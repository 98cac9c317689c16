#include <gtest/gtest.h>

#include <cstring>

#include "core/MathException.h"
#include "math/TMatrix3D.h"

namespace {

using V = math::TGeomVector3D<double>;
using M = math::TMatrix3D<double>;

constexpr double kPi = 3.141592653589793;

M make(double const (&v)[16]) {
    return M(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15]);
}

bool same_bits(M const& a, M const& b) {
    return std::memcmp(a.m, b.m, sizeof a.m) == 0 && a.flags == b.flags;
}

void expect_near(V const& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 1e-12);
    EXPECT_NEAR(v.y, y, 1e-12);
    EXPECT_NEAR(v.z, z, 1e-12);
}

// Identity 3, rigid 1, general 0. Row lengths may miss 1 by up to 2^-23 in the
// square; dot products of rows must vanish to the smallest normal float.
TEST(MatrixFlags, ClassifiesFromTheValues) {
    double const inside = 1 - 0x1p-25;   // square about 1 - 2^-24
    double const outside = 1 + 0x1p-22;  // square about 1 + 2^-21
    const std::pair<M, int> rows[] = {
        {M(), 3},
        {M::BuildShift(V(0, 0, 0)), 3},
        {M::BuildShift(V(1e-300, 0, 0)), 1},
        {make({1, -0.0, 0, 0, 0, 1, -0.0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 3},
        {make({0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},  // a permutation
        {make({1, 0, 0, 7, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},
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
    EXPECT_EQ(a.flags, 3);
    a.setFlags();
    EXPECT_EQ(a.flags, 0);
}

TEST(MatrixRotate, QuarterTurnAboutZ) {
    M const r = M::BuildRotate(V::Ez(), kPi / 2);
    EXPECT_EQ(r.flags, 1);
    // The rows are exactly orthogonal although cos(pi/2) is not 0.
    EXPECT_EQ(r.m[0][0] * r.m[1][0] + r.m[0][1] * r.m[1][1] + r.m[0][2] * r.m[1][2], 0.0);
    V const p = r * V::Ex();
    EXPECT_EQ(p.x, std::cos(kPi / 2));
    EXPECT_EQ(p.y, 1.0);
    EXPECT_EQ(p.z, 0.0);
}

TEST(MatrixRotate, TurnsCounterClockwiseAboutEachAxis) {
    expect_near(M::BuildRotate(V::Ex(), kPi / 2) * V::Ey(), 0, 0, 1);
    expect_near(M::BuildRotate(V::Ey(), kPi / 2) * V::Ez(), 1, 0, 0);
    // The axis need not be unit length.
    expect_near(M::BuildRotate(V(0, 0, 5), kPi) * V(1, 2, 3), -1, -2, 3);
    expect_near(M::BuildRotate(V(1, 1, 1), 2 * kPi / 3) * V::Ex(), 0, 1, 0);
}

TEST(MatrixRotate, ZeroAxisGivesTheCosineDiagonal) {
    double const angle = 0.7;
    M const r = M::BuildRotate(V(), angle);
    double const c = std::cos(angle);
    EXPECT_TRUE(same_bits(r, make({c, 0, 0, 0, 0, c, 0, 0, 0, 0, c, 0, 0, 0, 0, 1})));
    EXPECT_EQ(r.flags, 0);
    EXPECT_TRUE(same_bits(M::BuildRotate(V(1e-13, 0, 0), 0), M::HI()));
}

TEST(MatrixProduct, IdentityFactorGivesAnExactCopy) {
    M const general = make({1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0.1, 0.2, 0.3, 0.4});
    EXPECT_TRUE(same_bits(M::HI() * general, general));
    EXPECT_TRUE(same_bits(general * M::HI(), general));
    M const r = M::BuildRotate(V(1, 2, 3), 0.3);
    EXPECT_TRUE(same_bits(M::HI() * r, r));
}

TEST(MatrixProduct, ProductsOfRigidMatricesAreNeverFlaggedIdentity) {
    M const there = M::BuildShift(V(1, 2, 3));
    M const back = M::BuildShift(V(-1, -2, -3));
    M const both = there * back;
    EXPECT_EQ(both.flags, 1);
    EXPECT_EQ(both.m[0][3], 0.0);
    EXPECT_EQ((M::BuildRotate(V::Ez(), 0.5) * M::BuildRotate(V::Ex(), 0.25)).flags, 1);
    EXPECT_EQ((M::BuildRotate(V::Ez(), 0.5) * make({2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})).flags, 0);
}

TEST(MatrixProduct, AppliesTheRightFactorFirst) {
    M const shift = M::BuildShift(V(1, 0, 0));
    M const turn = M::BuildRotate(V::Ez(), kPi / 2);
    expect_near((shift * turn) * V::Ex(), 1, 1, 0);
    expect_near((turn * shift) * V::Ex(), 0, 2, 0);
    // The product applied equals applying the factors one after the other.
    V const p(0.3, -2, 5);
    expect_near((shift * turn) * p, (shift * (turn * p)).x, (shift * (turn * p)).y, (shift * (turn * p)).z);
}

// Terms 0, t, t, 1 summed from k = 3 down give 1 + 2^-52; from k = 0 up, 1 + 2^-51.
TEST(MatrixProduct, AccumulatesFromTheLastColumn) {
    double const t = 1.125 * 0x1p-53;
    M const a = make({1, t, t, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    M const b = make({1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1});
    ASSERT_EQ(a.flags, 0);
    EXPECT_EQ((a * b).m[0][0], 1.0 + 0x1p-52);
}

TEST(MatrixPoint, GeneralPathSumsLeftToRightAndDividesByW) {
    double const t = 1.125 * 0x1p-53;
    M const skew = make({1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    ASSERT_EQ(skew.flags, 0);
    EXPECT_EQ((skew * V(1, t, t)).x, 1.0 + 0x1p-51);

    M const projective = make({1, 0, 0, 2, 0, 1, 0, 4, 0, 0, 1, 6, 0, 0, 0, 2});
    V const p = projective * V(2, 4, 6);
    EXPECT_EQ(p.x, 2.0);
    EXPECT_EQ(p.y, 4.0);
    EXPECT_EQ(p.z, 6.0);
}

TEST(MatrixPoint, WOfZeroThrows) {
    M const flat = make({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0});
    EXPECT_THROW(flat * V(1, 2, 0), math::VectorInFocusException);
    EXPECT_NO_THROW(flat * V(1, 2, 3));
}

TEST(MatrixPoint, IdentityReturnsThePointUnchanged) {
    V const p(1e300, -0.0, 3);
    V const q = M::HI() * p;
    EXPECT_EQ(std::memcmp(&p, &q, sizeof p), 0);
}

}  // namespace
