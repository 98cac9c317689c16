#include <gtest/gtest.h>

#include <cmath>

#include "math/intersect.h"

namespace {

using V = math::TGeomVector3D<double>;

TEST(Intersect, MeetsThePlane) {
    V out(9, 9, 9);
    ASSERT_TRUE(math::intersect(V(1, 2, -10), V(0, 0, 2), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_EQ(out, V(1, 2, 5));

    // Behind the start point: t is negative.
    ASSERT_TRUE(math::intersect(V(0, 0, 0), V(1, 1, 0), V(-4, 0, 0), V(-3, 0, 0), out));
    EXPECT_EQ(out, V(-4, -4, 0));
}

TEST(Intersect, ParallelLineLeavesOutAlone) {
    V out(9, 8, 7);
    EXPECT_FALSE(math::intersect(V(0, 0, 0), V(1, 0, 0), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_FALSE(math::intersect(V(0, 0, 0), V(1, 0, 1e-13), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_FALSE(math::intersect(V(0, 0, 0), V(), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_EQ(out, V(9, 8, 7));
}

TEST(Intersect, NaNDirectionIsNotTakenForParallel) {
    V out;
    EXPECT_TRUE(math::intersect(V(0, 0, 0), V(0, 0, std::nan("")), V(0, 0, 5), V(0, 0, 1), out));
    EXPECT_TRUE(std::isnan(out.z));
}

}  // namespace
