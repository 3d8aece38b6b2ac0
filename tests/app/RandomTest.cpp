#include "app/Random.h"

#include <gtest/gtest.h>

TEST(Random, RandFollowsTheRuntimeSequence) {
    vrels::srand(0);
    // state = state * 214013 + 2531011; value = (state >> 16) & 0x7fff
    EXPECT_EQ(vrels::rand(), 38);
    EXPECT_EQ(vrels::rand(), 7719);
    EXPECT_EQ(vrels::rand(), 21238);
    vrels::srand(1);
    EXPECT_EQ(vrels::rand(), 41);
    EXPECT_EQ(vrels::rand(), 18467);
}

TEST(Random, Drand48MatchesThePosixFamily) {
    // srand48(0) then drand48() on glibc gives these (as doubles; ours is float).
    vrels::Drand48 g(0);
    EXPECT_EQ(g.State(), 13070u);
    const float first = g.Next();
    EXPECT_NEAR(first, 0.170828, 1e-6);
    const float second = g.Next();
    EXPECT_NEAR(second, 0.749902, 1e-6);
    vrels::Drand48 h(0);
    EXPECT_EQ(h.Next(), first) << "owners with the same seed draw the same sequence";
    for (int i = 0; i < 1000; ++i) {
        const float u = g.Next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
}
