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
      {ITEM_REVOLVER, 13, 6},      // up to 6: 13 mod 7
      {ITEM_MACHINE_GUN, 25, 30},  // tens up to 100: 10 x (25 mod 11)
      {ITEM_AMMO_BOX, 5, 4},       // 3 + 5 mod 4
  };
  for (const auto& c : cases) {
    Feed({c.draw});
    EXPECT_EQ(Item(c.type).loaded, c.loaded) << c.type;
    EXPECT_EQ(Unused(), 0u) << c.type;
  }
  Feed({9});
  EXPECT_EQ(Item(ITEM_KITCHEN_KNIFE).loaded, 0);
  EXPECT_EQ(Item(ITEM_CARTRIDGES).loaded, 0);
  EXPECT_EQ(Unused(), 1u);
}

TEST_F(ItemTest, NamesFallBackForUnknownNumbersAndActions) {
  EXPECT_EQ(ItemName(ITEM_TYPE_COUNT), W("Предмет не известен"));
  EXPECT_EQ(ItemName(-1), W("Предмет не известен"));
  EXPECT_EQ(SkillName(SKILL_COUNT), W("навык не известен"));
  Item odd(ITEM_TYPE_COUNT);  // no row
  EXPECT_EQ(odd.selectedAction, -1);
  EXPECT_EQ(odd.ActionName(), "");
  Item rifle(ITEM_AK47);
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
      {ITEM_KITCHEN_KNIFE, false, 0.15f, RESULT_KILL},
      {ITEM_KITCHEN_KNIFE, false, 0.151f, RESULT_MISS},
      {ITEM_KITCHEN_KNIFE, true, 0.33f, RESULT_KILL},
      {ITEM_KITCHEN_KNIFE, true, 0.331f, RESULT_MISS},
      {ITEM_FIRST_AID_KIT, false, 0.3f, RESULT_HEAL},
      {ITEM_FIRST_AID_KIT, false, 0.301f, RESULT_HEAL_USED_UP},
      {ITEM_FIRST_AID_KIT, false, 0.55f, -1},
      {ITEM_FIRST_AID_KIT, true, 0.601f, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OutcomeForRoll(Item(c.type).actions[0], c.skilled, c.roll), c.code)
        << c.type << (c.skilled ? " skilled " : " ") << c.roll;
  }
  EXPECT_EQ(WinningResult(Item(ITEM_FIRST_AID_KIT).actions[0], false, 0.4f), 1);
  EXPECT_EQ(WinningResult(Item(ITEM_FIRST_AID_KIT).actions[0], false, 0.2f), 0);
}

TEST_F(ItemTest, DrawUsesTheMembersSkillsAndOneRoll) {
  Person* cook = Keep(new Person(100, 0, 11, 0, 0));
  cook->skills = {SKILL_KNIVES};
  team = {Keep(new Person(100, 1, 11, 1, 0)), cook};
  const Item knife(ITEM_KITCHEN_KNIFE);
  Feed({Roll(0.33), Roll(0.33), Roll(0.15), Roll(0.2)});
  EXPECT_EQ(DrawOutcome(1, knife, knife.actions[0]), RESULT_KILL);  // the cook's knife skill
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), RESULT_MISS);  // without it 0.33 misses
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), RESULT_KILL);
  EXPECT_EQ(DrawOutcome(5, knife, knife.actions[0]), RESULT_MISS);  // nobody there: unskilled
  EXPECT_EQ(Unused(), 0u);
}

}  // namespace
