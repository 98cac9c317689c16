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

// The seed is kept as its low 32 bits, sign and all.
TEST(Random, FirstDrawAfterUnusualSeeds) {
    const std::pair<long, long> rows[] = {
        {0, 453816693}, {-5, 532209684}, {-2147483648L, 453816693}, {0x100000001L, 1297131554}};
    for (auto [seed, first] : rows) {
        math::SetRand(seed);
        EXPECT_EQ(math::LRand(), first) << seed;
    }
}

TEST(Random, UnitIntervalEnds) {
    // These states lead to the smallest and the largest LRand value.
    math::SetRand(1093556503);
    EXPECT_EQ(math::Rand(), 0.0);
    math::SetRand(1456176114);
    EXPECT_EQ(math::LRand(), 2147483647);
    math::SetRand(1456176114);
    EXPECT_EQ(math::Rand(), 1.0 - 0x1p-31);
}

}  // namespace
