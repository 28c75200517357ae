// The shared random numbers: the formulas, empty ranges and reproducible seeding.
#include "game/random.h"

#include <gtest/gtest.h>

#include <climits>

#include "rules_fixture.h"

namespace {

class RandomTest : public RulesTest {};

TEST_F(RandomTest, IntegerIsLowPlusRemainderAndFloatTakesThousandthsOfTheDraw) {
  Feed({13, 14, 7, 0});
  EXPECT_EQ(RandomInt(0, 6), 6);
  EXPECT_EQ(RandomInt(0, 6), 0);
  EXPECT_EQ(RandomInt(-2, 2), 0);
  EXPECT_EQ(RandomInt(3, 3), 3);
  Feed({1234, 999, 1000, 750});
  EXPECT_FLOAT_EQ(RandomFloat(0.0f, 1.0f), 0.234f);
  EXPECT_FLOAT_EQ(RandomFloat(0.0f, 1.0f), 0.999f);
  EXPECT_FLOAT_EQ(RandomFloat(0.0f, 1.0f), 0.0f);
  EXPECT_FLOAT_EQ(RandomFloat(0.0f, 0.5f), 0.25f);
}

// An empty range once divided by zero; the widest range must not overflow.
TEST_F(RandomTest, EmptyOrHugeRangesNeverDivideByZeroOrOverflow) {
  Feed({5, 123});
  EXPECT_EQ(RandomInt(5, 4), 5);
  EXPECT_EQ(RandomInt(0, -1), 0);
  EXPECT_EQ(Unused(), 2u);  // an empty range draws nothing
  EXPECT_EQ(RandomInt(INT_MIN, INT_MAX), INT_MIN + 5);
  EXPECT_FLOAT_EQ(RandomFloat(2.0f, 2.0f), 2.0f);  // no fmod by zero
}

// A seed given on the command line must replay the same game.
TEST_F(RandomTest, SeedingRepeats) {
  SetRandomSource(nullptr);
  SeedRandom(9);
  std::vector<int> first;
  for (int i = 0; i < 20; ++i) first.push_back(RandomInt(0, 1000));
  SeedRandom(9);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(RandomInt(0, 1000), first[i]);
}

}  // namespace
