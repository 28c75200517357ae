// Attack odds: the outcome tables' figures, bursts over the rounds they fire, empty weapons and the hint.
#include "game/attack_odds.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

class AttackOddsTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    member = Keep(new Person(100, 0, 11, 0, 0));
    member->actionPoints = 4;
    team = {member};
  }

  // The odds of the team's only member with `item`'s action `action`, `loaded` rounds in it.
  attack_odds_struct Odds(Item& item, int action, int loaded) {
    item.selectedAction = action;
    item.loaded = static_cast<int16_t>(loaded);
    attack_odds_struct odds;
    EXPECT_TRUE(AttackOdds(0, &item, &odds));
    return odds;
  }

  Person* member = nullptr;
};

// Blows and single shots show the kill and knock-back weights of the row, skilled or not.
TEST_F(AttackOddsTest, BlowsAndShotsShowTheRowsWeights) {
  const struct {
    int type, action, skill;  // skill -1: the member has none of the item's skills
    float kill, push;
  } cases[] = {
      {ITEM_KITCHEN_KNIFE, 0, -1, 0.15f, 0.0f},
      {ITEM_KITCHEN_KNIFE, 0, SKILL_KNIVES, 0.33f, 0.0f},
      {ITEM_COMMANDO_KNIFE, 0, -1, 0.3f, 0.1f},
      {ITEM_COMMANDO_KNIFE, 0, SKILL_KNIVES, 0.5f, 0.2f},
      {ITEM_HANDS, 0, SKILL_BOXER, 0.2f, 0.3f},
      {ITEM_REVOLVER, 0, SKILL_REVOLVER, 0.35f, 0.15f},
      {ITEM_REVOLVER, 1, SKILL_REVOLVER, 0.1f, 0.15f},  // its butt: one weight for everybody
      {ITEM_HUNTING_GUN, 0, SKILL_HUNTING_GUN, 0.7f, 0.2f},
      {ITEM_AK47, 0, -1, 0.4f, 0.2f},
      {ITEM_RIFLE, 0, -1, 0.3f, 0.4f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " action " + std::to_string(c.action) + " skill " +
                 std::to_string(c.skill));
    member->skills.clear();
    if (c.skill >= 0) member->skills = {c.skill};
    Item item(c.type);
    const attack_odds_struct odds = Odds(item, c.action, 3);
    EXPECT_FALSE(odds.empty);
    EXPECT_EQ(odds.rounds, 1);
    EXPECT_NEAR(odds.kill, c.kill, 1e-6);
    EXPECT_NEAR(odds.push, c.push, 1e-6);
    EXPECT_EQ(odds.cost, item.actions[c.action].cost);
  }
}

// A burst fires the lesser of its rounds and the loaded ones; the draws stop at the first kill.
TEST_F(AttackOddsTest, BurstsCountTheRoundsTheyWillFire) {
  const struct {
    int type, loaded, skill;
    int rounds;
    double kill;
  } cases[] = {
      {ITEM_AK47, 30, -1, 5, 1 - 0.7 * 0.7 * 0.7 * 0.7 * 0.7},
      {ITEM_AK47, 2, -1, 2, 1 - 0.7 * 0.7},
      {ITEM_AK47, 3, SKILL_ASSAULT_RIFLES, 3, 1 - 0.6 * 0.6 * 0.6},
      {ITEM_AK47, 1, -1, 1, 0.3},
      {ITEM_MACHINE_GUN, 4, -1, 4, 1 - 0.75 * 0.75 * 0.75 * 0.75},
      {ITEM_SUBMACHINE_GUN, 5, -1, 5, 1 - 0.8 * 0.8 * 0.8 * 0.8 * 0.8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " loaded " + std::to_string(c.loaded));
    member->skills.clear();
    if (c.skill >= 0) member->skills = {c.skill};
    Item item(c.type);
    int burst = 0;
    while (item.actions[burst].id != ACT_BURST) ++burst;
    const attack_odds_struct odds = Odds(item, burst, c.loaded);
    EXPECT_EQ(odds.rounds, c.rounds);
    EXPECT_NEAR(odds.kill, c.kill, 1e-5);
    EXPECT_EQ(odds.push, 0.0f);  // no burst knocks back
  }
}

// A knock-back counts only while no earlier round has killed; weights past the whole give nothing.
TEST_F(AttackOddsTest, KnockBacksBeforeAKillAndWeightsPastTheWhole) {
  action_struct burst{
      ACT_BURST, 1, 3, {{0.2f, 0.2f, RESULT_KILL}, {0.3f, 0.3f, RESULT_KNOCK_BACK}, {1, 1, RESULT_MISS}}};
  // Two rounds: a push first (0.3), or a miss and then a push (0.5 x 0.3).
  EXPECT_NEAR(PushChanceOver(burst, false, 2), 0.45, 1e-6);
  EXPECT_NEAR(KillChanceOver(burst, false, 2), 0.36, 1e-6);
  EXPECT_EQ(PushChanceOver(burst, false, 0), 0.0f);
  EXPECT_EQ(KillChanceOver(burst, false, 0), 0.0f);

  action_struct over{ACT_HIT, 1, 0, {{0.7f, 0.7f, RESULT_KILL}, {0.6f, 0.6f, RESULT_KNOCK_BACK}}};
  EXPECT_NEAR(OutcomeChance(over, false, RESULT_KILL), 0.7, 1e-6);
  EXPECT_NEAR(OutcomeChance(over, false, RESULT_KNOCK_BACK), 0.3, 1e-6);
  action_struct under{ACT_HIT, 1, 0, {{0.25f, 0.5f, RESULT_KILL}}};  // the rest of the rolls give nothing
  EXPECT_NEAR(OutcomeChance(under, false, RESULT_KILL), 0.25, 1e-6);
  EXPECT_NEAR(OutcomeChance(under, true, RESULT_KILL), 0.5, 1e-6);
}

// Every attack of the catalogue: the chance is the share of the draw's thousand rolls that give the code.
TEST_F(AttackOddsTest, ChancesMatchTheDrawForEveryAttackOfTheCatalogue) {
  int attacks = 0;
  for (int type = 0; type < ITEM_TYPE_COUNT; ++type) {
    const Item item(type);
    for (const action_struct& action : item.actions) {
      if (action.id < ACT_HIT || action.id > ACT_BURST) continue;
      ++attacks;
      for (bool skilled : {false, true}) {
        for (int code : {RESULT_KILL, RESULT_KNOCK_BACK}) {
          int hits = 0;
          for (int roll = 0; roll < 1000; ++roll)
            hits += OutcomeForRoll(action, skilled, roll / 1000.0f) == code;
          // The draw's first result also takes roll 0, one thousandth more than its weight.
          EXPECT_NEAR(OutcomeChance(action, skilled, code), hits / 1000.0, 0.0011)
              << type << " action " << action.id << (skilled ? " skilled" : "") << " code " << code;
        }
      }
    }
  }
  EXPECT_GT(attacks, 40);
}

// Empty weapons say what they lack, a blow needs no rounds, and other actions have no odds.
TEST_F(AttackOddsTest, EmptyWeaponsAndActionsThatAreNoAttack) {
  const struct {
    int type;
    const char* text;
  } cases[] = {{ITEM_PISTOL, "Нет патронов"},
               {ITEM_MACHINE_GUN, "Нет патронов"},
               {ITEM_BOW, "Нет стрел"},
               {ITEM_NAIL_GUN, "Нет гвоздей"}};
  for (const auto& c : cases) {
    Item item(c.type);
    const attack_odds_struct odds = Odds(item, 0, 0);
    EXPECT_TRUE(odds.empty) << c.type;
    EXPECT_EQ(odds.rounds, 0) << c.type;
    EXPECT_EQ(odds.kill, 0.0f) << c.type;
    EXPECT_EQ(AttackHint(item, odds), W(c.text)) << c.type;
  }
  Item pistol(ITEM_PISTOL);
  const attack_odds_struct butt = Odds(pistol, 1, 0);
  EXPECT_FALSE(butt.empty);
  EXPECT_NEAR(butt.kill, 0.1, 1e-6);

  attack_odds_struct odds;
  Item kit(ITEM_FIRST_AID_KIT);
  kit.selectedAction = 0;
  EXPECT_FALSE(AttackOdds(0, &kit, &odds));
  pistol.selectedAction = 2;  // reload
  EXPECT_FALSE(AttackOdds(0, &pistol, &odds));
  EXPECT_FALSE(AttackOdds(0, nullptr, &odds));
}

// The hint gives whole percent and the cost, and warns when the member's points do not pay.
TEST_F(AttackOddsTest, TheHintRoundsToWholePercentAndWarnsWhenThePointsDoNotPay) {
  Item ak(ITEM_AK47);
  attack_odds_struct odds = Odds(ak, 1, 30);  // 83.193 %
  EXPECT_TRUE(odds.affordable);
  EXPECT_EQ(AttackHint(ak, odds), W("Убить: 83%\nОтбросить: 0%\nОчки действия: 1"));
  member->actionPoints = 0;
  odds = Odds(ak, 0, 30);
  EXPECT_FALSE(odds.affordable);
  EXPECT_EQ(AttackHint(ak, odds),
            W("Убить: 40%\nОтбросить: 20%\nОчки действия: 1\nНедостаточно очков действия"));
  attack_odds_struct nobody;
  ASSERT_TRUE(AttackOdds(3, &ak, &nobody));  // no such member: nobody can pay
  EXPECT_FALSE(nobody.affordable);
}

}  // namespace
