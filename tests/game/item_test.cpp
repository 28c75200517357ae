// Items: catalogue rows, loaded draws, names and the weighted outcome draw.
#include "game/item.h"

#include <gtest/gtest.h>

#include "game/person.h"
#include "game/roster.h"
#include "rules_fixture.h"

namespace {

class ItemTest : public RulesTest {};

TEST_F(ItemTest, EveryAttackEndsWithTheMissFallbackAndCostsOnePoint) {
  for (int type = 0; type < 52; ++type) {
    SCOPED_TRACE(type);
    Item item(type);
    for (const action_struct& action : item.actions) {
      EXPECT_EQ(action.cost, 1);
      const bool attack = action.id == ACT_HIT || action.id == ACT_SHOT || action.id == ACT_BURST;
      if (!attack) continue;
      ASSERT_FALSE(action.results.empty());
      EXPECT_EQ(action.results.back().code, 2);
      EXPECT_FLOAT_EQ(action.results.back().weightWithout, 1.0f);
      EXPECT_FLOAT_EQ(action.results.back().weightWith, 1.0f);
    }
  }
}

TEST_F(ItemTest, LoadedIsDrawnAsTheRowSays) {
  Feed({13});  // 13 mod 7 = 6
  EXPECT_EQ(Item(41).loaded, 6);
  Feed({14});  // 14 mod 7 = 0
  EXPECT_EQ(Item(41).loaded, 0);
  Feed({25});  // 10 x (25 mod 11)
  Item machineGun(51);
  EXPECT_EQ(machineGun.loaded, 30);
  EXPECT_EQ(machineGun.capacity, 100);
  Feed({5});  // 3 + 5 mod 4
  Item box(36);
  EXPECT_EQ(box.loaded, 4);
  EXPECT_EQ(box.capacity, 4);
  Feed({3});  // 3 mod 2 = 1
  EXPECT_EQ(Item(32).loaded, 1);
  EXPECT_EQ(Unused(), 0u);

  // Rows that start empty make no draw at all.
  Feed({9});
  EXPECT_EQ(Item(13).loaded, 0);
  EXPECT_EQ(Item(35).loaded, 0);
  EXPECT_EQ(Unused(), 1u);
}

TEST_F(ItemTest, NamesAndTheirFallbacks) {
  Item odd(52);  // no row
  EXPECT_EQ(odd.selectedAction, -1);
  EXPECT_EQ(odd.ActionName(), "");
  EXPECT_EQ(ItemName(0), W("Ключи от машины"));
  EXPECT_EQ(ItemName(14), W("Нож \"Коммандо\""));
  EXPECT_EQ(ItemName(51), W("Пулемет"));
  EXPECT_EQ(ItemName(52), W("Предмет не известен"));
  EXPECT_EQ(ItemName(-1), W("Предмет не известен"));
  EXPECT_EQ(SkillName(19), W("Не умеет водить"));
  EXPECT_EQ(SkillName(20), W("Дистрофик"));
  EXPECT_EQ(SkillName(21), W("навык не известен"));
  EXPECT_EQ(SkillName(-1), W("навык не известен"));

  Item rifle(45);
  EXPECT_EQ(rifle.ActionName(), W("Выстрел"));
  rifle.selectedAction = 1;
  EXPECT_EQ(rifle.ActionName(), W("Очередь"));
  rifle.selectedAction = 3;
  EXPECT_EQ(rifle.ActionName(), W("Перезарядить"));
  rifle.selectedAction = 4;
  EXPECT_EQ(rifle.ActionName(), "");
  EXPECT_EQ(Item(0).ActionName(), W("Завести машину"));
  EXPECT_EQ(Item(4).ActionName(), "");
}

TEST_F(ItemTest, KitchenKnifeOutcomeAtItsBoundaries) {
  const Item knife(13);
  const action_struct& hit = knife.actions[0];
  EXPECT_EQ(OutcomeForRoll(hit, false, 0.15f), 3);
  EXPECT_EQ(OutcomeForRoll(hit, false, 0.151f), 2);
  EXPECT_EQ(OutcomeForRoll(hit, true, 0.33f), 3);
  EXPECT_EQ(OutcomeForRoll(hit, true, 0.331f), 2);
  EXPECT_EQ(OutcomeForRoll(hit, false, 0.0f), 3);
  EXPECT_EQ(OutcomeForRoll(hit, true, 0.999f), 2);
}

TEST_F(ItemTest, DrawUsesTheMembersSkillsAndOneRoll) {
  Person* cook = new Person(100, 0, 11, 0, 0);
  cook->skills = {0};
  Person* plain = new Person(100, 1, 11, 1, 0);
  team = {plain, cook};
  const Item knife(13);

  Feed({Roll(0.33), Roll(0.33), Roll(0.15)});
  EXPECT_EQ(DrawOutcome(1, knife, knife.actions[0]), 3);  // the cook's knife skill
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), 2);  // without it 0.33 misses
  EXPECT_EQ(DrawOutcome(0, knife, knife.actions[0]), 3);
  Feed({Roll(0.2)});
  EXPECT_EQ(DrawOutcome(5, knife, knife.actions[0]), 2);  // nobody there: unskilled
  EXPECT_EQ(Unused(), 0u);

  DeletePerson(cook);
  DeletePerson(plain);
}

TEST_F(ItemTest, FirstAidKitCanGiveNoOutcome) {
  const Item kit(8);
  const action_struct& apply = kit.actions[0];
  EXPECT_EQ(OutcomeForRoll(apply, false, 0.55f), -1);
  EXPECT_EQ(OutcomeForRoll(apply, false, 0.5f), 7);
  EXPECT_EQ(OutcomeForRoll(apply, false, 0.3f), 6);
  EXPECT_EQ(OutcomeForRoll(apply, false, 0.301f), 7);
  EXPECT_EQ(OutcomeForRoll(apply, true, 0.6f), 7);
  EXPECT_EQ(OutcomeForRoll(apply, true, 0.601f), -1);
  const Item bag(12);
  EXPECT_EQ(OutcomeForRoll(bag.actions[0], true, 0.7f), 6);
  EXPECT_EQ(OutcomeForRoll(bag.actions[0], true, 0.701f), 7);
  EXPECT_EQ(OutcomeForRoll(bag.actions[0], true, 0.75f), 7);
  EXPECT_EQ(WinningResult(apply, false, 0.4f), 1);  // one result passed over
  EXPECT_EQ(WinningResult(apply, false, 0.2f), 0);
  EXPECT_EQ(OutcomeForRoll(bag.actions[0], true, 0.751f), -1);
  const Item painkiller(7);
  EXPECT_EQ(OutcomeForRoll(painkiller.actions[0], false, 0.999f), 8);
}

}  // namespace
