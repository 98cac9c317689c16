#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "math/TGeomVector3D.h"
#include "math/acos.h"

namespace {

using V = math::TGeomVector3D<double>;

constexpr double kPi = 3.141592653589793;

void expect_exact(V const& v, double x, double y, double z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

TEST(VectorLength, TinyVectorsHaveNoLength) {
    EXPECT_EQ(V(1e-13, 0, 0).Length(), 0.0);
    EXPECT_EQ(V(0, 0, 0).Length(), 0.0);
    EXPECT_EQ(V(std::nan(""), 0, 0).Length(), 0.0);
    EXPECT_EQ(V(3, 4, 12).Length(), 13.0);
}

// With these squares, adding them in any order other than x, y, z rounds to 1.
TEST(VectorLength, SumsTheSquaresInTheOrderXYZ) {
    double const small = 3 * 0x1p-28;
    EXPECT_EQ(V(1, small, small).Length(), 1.0 + 0x1p-52);
}

// Multiplying by the reciprocal 0.2 gives 3 * 0.2 = 0.6000000000000001, where
// dividing by 5 would give 0.6; too short a vector becomes zero.
TEST(VectorNormalize, ScalesByTheReciprocalOfTheLengthOrZeroes) {
    V v(3, 4, 0);
    v.Normalize();
    expect_exact(v, 3 * 0.2, 4 * 0.2, 0);
    EXPECT_NE(v.x, 0.6);
    V tiny(1e-13, 0, 0);
    tiny.Normalize();
    expect_exact(tiny, 0, 0, 0);
}

TEST(VectorCross, FollowsTheRightHandRule) {
    EXPECT_EQ(V::Ex() * V::Ey(), V::Ez());
    expect_exact(V::Ey() * V::Ex(), 0, 0, -1);
    expect_exact(V::Ey() * V::Ez(), 1, 0, 0);
    expect_exact(V(1, 2, 3) * V(4, 5, 6), -3, 6, -3);
}

TEST(VectorAngle, ListedValues) {
    EXPECT_EQ(V::Ex() ^ V::Ey(), kPi / 2);
    EXPECT_EQ(V::Ex() ^ (-V::Ex()), kPi);
    EXPECT_EQ(V::Ex() ^ V(), 0.0);
    EXPECT_EQ(V() ^ V::Ez(), 0.0);
    EXPECT_DOUBLE_EQ(V(1, 1, 0) ^ V(1, 0, 0), kPi / 4);
}

// The cosine of these parallel vectors rounds to just above 1; the clamp turns
// that into an angle of 0 instead of NaN.
TEST(VectorAngle, ClampsACosineRoundedPastOne) {
    V const a(3, 7, 2);
    V const b = 0.3 * a;
    double const cosine = math::dot(a, b) / std::sqrt(math::dot(a, a) * math::dot(b, b));
    ASSERT_GT(cosine, 1.0);
    EXPECT_EQ(a ^ b, 0.0);
}

// Rounding shows the order: 1 + t + t differs from t + t + 1.
TEST(VectorArithmetic, DotSumsInTheOrderXYZ) {
    double const t = 1.125 * 0x1p-53;
    EXPECT_EQ(math::dot(V(1, t, t), V(1, 1, 1)), 1.0 + 0x1p-51);
    EXPECT_EQ(math::dot(V(t, t, 1), V(1, 1, 1)), 1.0 + 0x1p-52);
}

TEST(ClampedArcCosine, ClampsOutsideTheDomain) {
    EXPECT_EQ(math::acos(1.5), 0.0);
    EXPECT_EQ(math::acos(1.0), 0.0);
    EXPECT_EQ(math::acos(-2.0), kPi);
    EXPECT_EQ(math::acos(-1.0), kPi);
    EXPECT_EQ(math::acos(0.5), std::acos(0.5));
    EXPECT_EQ(math::acos(-std::numeric_limits<double>::infinity()), kPi);
    EXPECT_TRUE(std::isnan(math::acos(std::nan(""))));
}

}  // namespace
