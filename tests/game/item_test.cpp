// Items: loaded draws, name fallbacks and the weighted outcome draw.
#include "game/item.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

class ItemTest : public RulesTest {};

// Each kind of loaded row makes exactly one draw; rows that start empty make none.
TEST_F(ItemTest, LoadedIsDrawnAsTheRowSays) {
  const struct {
    int type, draw, loaded;
  } cases[] = {
      {41, 13, 6},   // up to 6: 13 mod 7
      {51, 25, 30},  // tens up to 100: 10 x (25 mod 11)
      {36, 5, 4},    // 3 + 5 mod 4
  };
  for (const auto& c : cases) {
    Feed({c.draw});
    EXPECT_EQ(Item(c.type).loaded, c.loaded) << c.type;
    EXPECT_EQ(Unused(), 0u) << c.type;
  }
  Feed({9});
  EXPECT_EQ(Item(13).loaded, 0);
  EXPECT_EQ(Item(35).loaded, 0);
  EXPECT_EQ(Unused(), 1u);
}

TEST_F(ItemTest, NamesFallBackForUnknownNumbersAndActions) {
  EXPECT_EQ(ItemName(52), W("Предмет не известен"));
  EXPECT_EQ(ItemName(-1), W("Предмет не известен"));
  EXPECT_EQ(SkillName(21), W("навык не известен"));
  Item odd(52);  // no row
  EXPECT_EQ(odd.selectedAction, -1);
  EXPECT_EQ(odd.ActionName(), "");
  Item rifle(45);
  rifle.selectedAction = 3;
  EXPECT_EQ(rifle.ActionName(), W("Перезарядить"));
  rifle.selectedAction = 4;
  EXPECT_EQ(rifle.ActionName(), "");
}

// Weights add up in thousandths, so a roll on a boundary belongs to the lower result; past all of them
// there is no outcome.
TEST_F(ItemTest, OutcomesAtTheirBoundaries) {
  const struct {
    int type;
    bool skilled;
    float roll;
    int code;
  } cases[] = {
      {13, false, 0.15f, 3}, {13, false, 0.151f, 2}, {13, true, 0.33f, 3},  {13, true, 0.331f, 2},
      {8, false, 0.3f, 6},   {8, false, 0.301f, 7},  {8, false, 0.55f, -1}, {8, true, 0.601f, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OutcomeForRoll(Item(c.type).actions[0], c.skilled, c.roll), c.code)
        << c.type << (c.skilled ? " skilled " : " ") << c.roll;
  }
  EXPECT_EQ(WinningResult(Item(8).actions[0], false, 0.4f), 1);
  EXPECT_EQ(WinningResult(Item(8).actions[0], false, 0.2f), 0);
}

TEST_F(ItemTest, DrawUsesTheMembersSkillsAndOneRoll) {
  Person* cook = Keep(new Person(100, 0, 11, 0, 0));
  cook->skills = {0};
  team = {Keep(new Person(100, 1, 11, 1, 0)), cook};
  const Item knife(13);
  Feed({Roll(0.33), Roll(0.33), Roll(0.15), Roll(0.2)});
  EXPECT_EQ(DrawOutcome(1, knife, knife.actions[0]), 3);  // the cook's knife skill
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), 2);  // without it 0.33 misses
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), 3);
  EXPECT_EQ(DrawOutcome(5, knife, knife.actions[0]), 2);  // nobody there: unskilled
  EXPECT_EQ(Unused(), 0u);
}

}  // namespace
