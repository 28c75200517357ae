// The bot's random numbers: the same draws on every platform, and every draw inside its range.
#include "app/bot/bot_random.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

// The Mersenne Twister of seed 5489 starts 3499211612, 581869302, 3890346734, 3586334585 (the standard's
// reference sequence); each draw scales one word by the range's size in 32-bit fixed point, so the results
// follow from those words alone, whatever the standard library.
TEST(BotRandom, DrawsFollowFromTheTwistersWordsAlone) {
  BotRandom rng(5489);
  EXPECT_EQ(rng.Between(0, 9), 8);             // 3499211612 * 10 / 2^32 = 8.15
  EXPECT_EQ(rng.Between(1, 6), 1);             // 581869302 * 6 / 2^32 = 0.81
  EXPECT_EQ(rng.Between(-5, 5), 4);            // 3890346734 * 11 / 2^32 = 9.96
  EXPECT_EQ(rng.Between(INT_MIN, INT_MAX), 1438850937);  // the whole range: the word less 2^31

  BotRandom unit(5489);
  EXPECT_DOUBLE_EQ(unit.Unit(), 3499211612.0 / 4294967296.0);
  EXPECT_FLOAT_EQ(unit.Uniform(10.0f, 20.0f), 10.0f + 10.0f * (581869302.0f / 4294967296.0f));
}

TEST(BotRandom, DrawsStayInTheirRangesAndReachBothEnds) {
  BotRandom rng(11);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int v = rng.Between(-3, 3);
    ASSERT_GE(v, -3);
    ASSERT_LE(v, 3);
    seen.insert(v);
    const double u = rng.Unit();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    const float f = rng.Uniform(1.0f, 1.0001f);
    ASSERT_GE(f, 1.0f);
    ASSERT_LE(f, 1.0001f);
  }
  EXPECT_EQ(seen.size(), 7u);
  // An empty or reversed range gives its lower end and still takes no word out of turn.
  EXPECT_EQ(rng.Between(4, 4), 4);
  EXPECT_EQ(rng.Between(5, 2), 5);
  EXPECT_EQ(rng.Uniform(3.0f, 3.0f), 3.0f);
  EXPECT_EQ(rng.Uniform(3.0f, 1.0f), 3.0f);
}

TEST(BotRandom, OneSeedGivesOneSequence) {
  BotRandom a(4294967295u), b(4294967295u), c(4294967294u);
  int differ = 0;
  for (int i = 0; i < 100; ++i) {
    const int x = a.Between(0, 1000000);
    ASSERT_EQ(x, b.Between(0, 1000000));
    differ += x != c.Between(0, 1000000);
  }
  EXPECT_GT(differ, 90);
}
