// The zombie reach on the game screen: Tab and the display's toggle switch it, it follows finished
// actions, it is drawn over the reach's cells, and switching it changes nothing of the game.
#include "ui/reach_overlay.h"

#include "app/dump.h"
#include "map/zombie_reach.h"
#include "screen_fixture.h"

namespace {

class ReachOverlayTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    zombieReachShown = false;
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    AddMember(2, 2);
    AddZombie(7, 2);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    fake.SetMouse(300, 200);
    Frame();
  }
  void TearDown() override {
    zombieReachShown = false;
    ScreenTest::TearDown();
  }

  // The quads GameRender draws in the overlay's colour.
  int OverlayQuads() {
    fake.ClearRecords();
    GameRender();
    int n = 0;
    for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) n += q.tex == 0 && q.v[0].col == REACH_COLOUR;
    return n;
  }
};

// Tab shows and hides it; the dump carries the cells either way, and nothing else of the game changes.
TEST_F(ReachOverlayTest, TabSwitchesItAndChangesNothingElse) {
  nlohmann::json before = DumpState(1);
  const std::vector<int> diamond = ZombieReach(*gameMap, zombies);
  ASSERT_EQ(diamond.size(), 12u);
  EXPECT_EQ(before["reachCells"], diamond);
  EXPECT_EQ(before["reach"], false);
  EXPECT_EQ(OverlayQuads(), 0);
  KeyFrame(REACH_KEY);
  nlohmann::json after = DumpState(1);
  EXPECT_EQ(after["reach"], true);
  EXPECT_EQ(OverlayQuads(), 12);
  after.erase("reach");
  before.erase("reach");
  EXPECT_EQ(before, after);
  KeyFrame(REACH_KEY);
  EXPECT_FALSE(zombieReachShown);
  EXPECT_EQ(OverlayQuads(), 0);
}

// The toggle beside the "?" switches it too, and its click reaches nothing else.
TEST_F(ReachOverlayTest, TheToggleOnTheDisplaySwitchesIt) {
  const int cell = team[0]->cell;
  Click(ReachToggleX() + HELP_BUTTON_SIZE / 2, ReachToggleY() + HELP_BUTTON_SIZE / 2);
  Frame();
  EXPECT_TRUE(zombieReachShown);
  EXPECT_EQ(team[0]->cell, cell);
  EXPECT_EQ(screenState, PHASE_INPUT);
  EXPECT_FALSE(helpShown);
  Click(ReachToggleX() + 2, ReachToggleY() + 2);
  EXPECT_FALSE(zombieReachShown);
}

// A member's finished move changes what the zombie can reach: the member now blocks a step.
TEST_F(ReachOverlayTest, ItFollowsTheFinishedMoves) {
  const std::vector<int> first = zombieReachCells;
  // The member walks next to the zombie: (6, 2), four steps, blocking the zombie's way left.
  Click((6 + 0.5f) * gameMap->CW - gameMap->view.offsetX, (2 + 0.5f) * gameMap->CH - gameMap->view.offsetY);
  for (int k = 0; k < 2000 && (screenState != PHASE_INPUT || team[0]->cell != Cell(6, 2)); ++k) Frame();
  ASSERT_EQ(team[0]->cell, Cell(6, 2));
  Frame();
  EXPECT_NE(zombieReachCells, first);
  EXPECT_EQ(zombieReachCells, ZombieReach(*gameMap, zombies));
  // (5, 2) lay beyond the member's cell: no longer in reach.
  EXPECT_FALSE(std::binary_search(zombieReachCells.begin(), zombieReachCells.end(), Cell(5, 2)));
}

}  // namespace
