// The game frame: Escape, member keys and photos, the end of the turn, drags, the display and blinking.

#include "screen_fixture.h"

namespace {

class GameFrameTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    AddMember(2, 2);
    AddMember(6, 5);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    fake.SetMouse(300, 200);  // over the map
  }

  // Runs one game frame only, with `key` down in it; true when it asks to stop.
  bool Frame(int key = 0) {
    if (key != 0) fake.Press(key);
    const bool stop = ScreenTest::Frame();
    if (key != 0) fake.Lift(key);
    return stop;
  }
};

// Escape quits from every phase, even while figures move; over the display no press reaches the map.
TEST_F(GameFrameTest, EscapeQuitsFromEveryPhaseAndOverTheDisplayNoPressReachesTheMap) {
  gameMap->view.scrollY = -300.0f;  // the map's lower rows lie under the panel
  fake.SetMouse(100, 520);          // over the inventory panel of the selected member, and cell (3, 6)
  Frame();
  EXPECT_FALSE(Frame(HGEK_LBUTTON));
  EXPECT_EQ(gameMap->view.cursorCell, gameMap->CellIndex(3, 6));
  EXPECT_EQ(team[0]->cell, gameMap->CellIndex(2, 2));
  EXPECT_EQ(screenState, PHASE_INPUT);
  fake.SetMouse(100, 400);  // the same column on the map: the press walks
  Frame();
  Frame(HGEK_LBUTTON);
  EXPECT_EQ(team[0]->cell, gameMap->CellIndex(3, 3));
  team[0]->actions = {{1, 10.0f, 0}};
  for (int phase = 0; phase < 4; ++phase) {
    screenState = phase;
    EXPECT_TRUE(Frame(HGEK_ESCAPE)) << phase;
  }
}

// A decided game goes on to the end screen after the frame that decided it, in every phase.
TEST_F(GameFrameTest, ADecidedGameShowsTheEndScreenFromTheNextDrawingOn) {
  for (int phase = 0; phase < 4; ++phase) {
    StartGameScreen();
    screenState = phase;
    outcome = phase % 2 == 0 ? OUTCOME_WON : OUTCOME_LOST;
    EXPECT_FALSE(Frame());
    EXPECT_EQ(currentScreen, Screen::End) << phase;
  }
}

// Keys 1-4 and photos select living members only; the key is obeyed before a turn without points ends.
TEST_F(GameFrameTest, TheMemberKeysAndPhotosSelectLivingMembersBeforeTheTurnEnds) {
  Frame(HGEK_2);
  EXPECT_EQ(selectedMember, 1);
  EXPECT_EQ(message, team[1]->DisplayName());
  Frame(HGEK_4);  // no fourth member
  EXPECT_EQ(selectedMember, 1);
  team[0]->alive = 0;
  Frame(HGEK_1);  // a dead member cannot be chosen
  EXPECT_EQ(selectedMember, 1);
  team[0]->alive = 1;
  fake.SetMouse(710, 25);  // the first photo
  Frame(HGEK_LBUTTON);
  EXPECT_EQ(selectedMember, 0);

  team[0]->actionPoints = team[1]->actionPoints = 0;
  Frame(HGEK_2);
  EXPECT_EQ(selectedMember, 1);
  EXPECT_EQ(screenState, 2);
}

// A held right button cancels any drag; releasing the left one over end-turn ends the turn mid-drag.
TEST_F(GameFrameTest, TheRightButtonCancelsDragsAndEndTurnWorksMidDrag) {
  fake.Press(HGEK_RBUTTON);
  dragState = DRAG_POPUP;
  draggedItem = team[0]->hands;
  dragSource = 1;
  Frame();
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_EQ(draggedItem, nullptr);
  EXPECT_EQ(dragSource, 0);
  fake.held.clear();
  dragState = DRAG_ITEM;
  draggedItem = team[0]->hands;
  dragSource = 1;
  fake.SetMouse(700, 560);
  fake.Lift(HGEK_LBUTTON);
  Frame();
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_EQ(draggedItem, nullptr);
  EXPECT_EQ(screenState, 2);
}

// The team's actions play; input returns with targets marked, and only they blink during input, from white
// to red and back once a second, stalled by no frame time however long. The zombies' actions played out
// hand back to their planning.
TEST_F(GameFrameTest, TheTeamsActionsPlayAndInputReturnsWithTargetsBlinking) {
  Person* z = AddZombie(3, 2);  // next to member 0, who has bare hands
  Person* far = AddZombie(9, 7);
  team[0]->actions = {{0, 0, 0}};
  screenState = 1;
  Frame();  // the closing action ends: still busy this frame
  EXPECT_EQ(screenState, 1);
  Frame();
  EXPECT_EQ(screenState, 0);
  EXPECT_TRUE(z->targetable);
  fake.delta = 0.25f;
  for (uint32_t colour : {0xFFFF7F7Fu, 0xFFFF0000u, 0xFFFF7F7Fu, 0xFFFFFFFFu}) {
    Frame();
    EXPECT_EQ(z->sprite->GetColor(), colour) << z->pulse;
  }
  EXPECT_EQ(far->sprite->GetColor(), 0xFFFFFFFFu);
  BlinkTargets(1e30f);
  EXPECT_GE(z->pulse, 0.0f);
  EXPECT_LE(z->pulse, 1.0f);
  screenState = 3;
  PlayActions(0.01f);
  EXPECT_EQ(screenState, 2);
}

}  // namespace
