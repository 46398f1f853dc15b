#include "grid/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kp {
namespace {

std::vector<int> Draws(RandomSource& random, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(random.Next());
    }
    return out;
}

TEST(RandomSource, SeedOneGivesTheClassicSequence) {
    RandomSource seeded(1);
    EXPECT_EQ(Draws(seeded, 4), (std::vector<int>{41, 18467, 6334, 26500}));
    RandomSource unseeded;
    EXPECT_EQ(Draws(unseeded, 4), (std::vector<int>{41, 18467, 6334, 26500}));
}

TEST(RandomSource, ReseedingStartsTheSequenceAgain) {
    RandomSource random(1);
    Draws(random, 10);
    random.Seed(1);
    EXPECT_EQ(Draws(random, 2), (std::vector<int>{41, 18467}));
    random.Seed(0);
    EXPECT_EQ(random.Next(), 38);  // 2531011 >> 16
}

TEST(RandomSource, StateWrapsAtThirtyTwoBits) {
    // A seed near the top makes every step overflow 32 bits.
    const std::uint32_t seed = 0xFFFFFFFFu;
    RandomSource random(seed);
    std::uint64_t state = seed;
    for (int i = 0; i < 100; ++i) {
        state = (state * 214013u + 2531011u) % 0x100000000u;
        ASSERT_EQ(random.Next(), static_cast<int>((state >> 16) & 0x7FFFu)) << "draw " << i;
    }
}

TEST(RandomSource, ScaledDrawReachesTheBoundOnlyAtTheTop) {
    struct Case {
        int r;
        int bound;
        int expected;
    };
    const Case cases[] = {
        {0, 22, 0},      {41, 22, 0},     {18467, 22, 12}, {26500, 25, 20}, {16383, 2, 0},
        {16384, 2, 1},   {32766, 2, 1},   {32767, 2, 2},   {32766, 94, 93}, {32767, 94, 94},
        {32767, 1, 1},   {32766, 1, 0},   {12345, 0, 0},   {32767, 73, 73}, {27380, 73, 60},
        {27381, 73, 61}, {27829, 73, 61}, {27830, 73, 62},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleDraw(c.r, c.bound), c.expected) << c.r << " of " << c.bound;
    }
}

TEST(RandomSource, NextScaledScalesTheNextDraw) {
    RandomSource random(1);
    EXPECT_EQ(random.NextScaled(22), 0);   // 41
    EXPECT_EQ(random.NextScaled(22), 12);  // 18467
    EXPECT_EQ(random.Next(), 6334);
}

}  // namespace
}  // namespace kp
