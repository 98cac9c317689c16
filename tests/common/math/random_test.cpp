#include <gtest/gtest.h>

#include "math/random.h"

namespace {

TEST(Random, SequenceAfterSeedOne) {
    math::SetRand(1);
    EXPECT_EQ(math::LRand(), 1297131554);
    EXPECT_EQ(math::LRand(), 17103983);
    EXPECT_EQ(math::LRand(), 1426780792);
    EXPECT_EQ(math::IY, 1426780792);

    math::SetRand(1);
    EXPECT_EQ(math::Rand(), 0.6040239492431283);
    EXPECT_EQ(math::Rand(), 0.007964662741869688);
    EXPECT_EQ(math::Rand(), 0.6643965803086758);
}

TEST(Random, ZeroAndNegativeSeeds) {
    math::SetRand(0);
    EXPECT_EQ(math::IY, 0);
    EXPECT_EQ(math::LRand(), 453816693);

    math::SetRand(-5);
    EXPECT_EQ(math::IY, -5);
    EXPECT_EQ(math::LRand(), 532209684);

    math::SetRand(-2147483648L);
    EXPECT_EQ(math::LRand(), 453816693);
}

TEST(Random, SeedKeepsOnlyTheLow32Bits) {
    math::SetRand(0x100000001L);
    EXPECT_EQ(math::LRand(), 1297131554);
}

TEST(Random, UnitIntervalEnds) {
    // These states lead to the smallest and the largest LRand value.
    math::SetRand(1093556503);
    EXPECT_EQ(math::Rand(), 0.0);
    math::SetRand(1456176114);
    EXPECT_EQ(math::LRand(), 2147483647);
    math::SetRand(1456176114);
    double const top = math::Rand();
    EXPECT_LT(top, 1.0);
    EXPECT_EQ(top, 1.0 - 0x1p-31);
}

TEST(Random, StaysWithin31Bits) {
    math::SetRand(-123456789);
    for (int i = 0; i < 10000; ++i) {
        long const v = math::LRand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 2147483647);
    }
}

}  // namespace
