// The odds the dump reports over a zombie in play equal the draws the attack makes: for every weapon of the
// catalogue and each of its blows, shots and bursts, skilled and unskilled, the game screen is played to the
// point where the pointer rests on the zombie, and the kill and knock-back shares are counted by handing
// the rule's own cut of the roll each of the thousand rolls the table's weights share out.
#include <cmath>

#include "app/dump.h"
#include "game/attack_odds.h"
#include "screen_fixture.h"

namespace {

class KillChanceFlowTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    member = AddMember(2, 2);
    AddZombie(3, 2);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    Frame();
  }

  // The share of the rolls 0.001 .. 1.000 for which the draw's cut of `action` gives `code`: the table's
  // weights, each a slice of that range in list order.
  static double Share(const action_struct& action, bool skilled, int code) {
    int hits = 0;
    for (int n = 1; n <= 1000; ++n) hits += OutcomeForRoll(action, skilled, n / 1000.0f) == code;
    return hits / 1000.0;
  }

  // The dump's figures with the pointer resting on the zombie after a frame of play.
  nlohmann::json Hover() {
    gameMap->MarkTargets();
    fake.SetMouse((3 + 0.5f) * gameMap->CW - gameMap->view.offsetX,
                  (2 + 0.5f) * gameMap->CH - gameMap->view.offsetY);
    Frame();
    return DumpState(1);
  }

  Person* member = nullptr;
};

TEST_F(KillChanceFlowTest, EveryWeaponActionAndSkillShowsTheDrawsShares) {
  int checked = 0, bursts = 0, skilledRows = 0;
  for (int type = 0; type <= ITEM_MACHINE_GUN; ++type) {
    Item item(type);
    for (int a = 0; a < static_cast<int>(item.actions.size()); ++a) {
      const action_struct& action = item.actions[a];
      if (action.id < ACT_HIT || action.id > ACT_BURST) continue;
      for (bool skilled : {false, true}) {
        if (skilled && item.skills.empty()) continue;
        // A burst is tried with a full magazine and with a single round left.
        for (int loaded : {static_cast<int>(item.capacity), 1}) {
          if (action.id != ACT_BURST && loaded == 1) continue;
          SCOPED_TRACE("type " + std::to_string(type) + " action " + std::to_string(a) +
                       (skilled ? " skilled" : " unskilled") + " loaded " + std::to_string(loaded));
          member->skills = skilled ? std::vector<int32_t>{item.skills[0]} : std::vector<int32_t>{};
          member->actionPoints = member->maximum;
          item.selectedAction = a;
          item.loaded = static_cast<int16_t>(action.id == ACT_HIT ? item.loaded : std::max(loaded, 1));
          member->active = &item;
          const nlohmann::json dump = Hover();
          member->active = member->hands;
          ASSERT_TRUE(dump.contains("killChance")) << dump["hint"];
          // The member's skill as the draw sees it.
          ASSERT_EQ(IsSkilledWith(0, item), skilled);
          const double kill = Share(action, skilled, RESULT_KILL);
          const double push = Share(action, skilled, RESULT_KNOCK_BACK);
          const int rounds = action.id == ACT_BURST ? std::min<int>(item.loaded, action.rounds) : 1;
          EXPECT_NEAR(dump["killChance"].get<double>(), 1.0 - std::pow(1.0 - kill, rounds), 1e-6);
          if (rounds == 1) {
            EXPECT_NEAR(dump["pushChance"].get<double>(), push, 1e-6);
          }
          ++checked;
          bursts += rounds > 1;
          skilledRows += skilled;
        }
      }
    }
  }
  // The catalogue holds blows, shots and bursts with and without their skills.
  EXPECT_GT(checked, 30);
  EXPECT_GT(bursts, 2);
  EXPECT_GT(skilledRows, 10);
}

}  // namespace
