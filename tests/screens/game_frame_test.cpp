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

// Escape quits from every phase, even while figures move.
TEST_F(GameFrameTest, EscapeQuitsFromEveryPhaseEvenWhileFiguresMove) {
  team[0]->actions = {{1, 10.0f, 0}};
  for (int phase = 0; phase < 4; ++phase) {
    screenState = phase;
    EXPECT_TRUE(Frame(HGEK_ESCAPE)) << phase;
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
  Item* item = new Item(13);
  fake.Press(HGEK_RBUTTON);
  for (int state : {DRAG_ITEM, DRAG_APPLY, DRAG_POPUP}) {
    dragState = state;
    draggedItem = item;
    dragSource = 1;
    Frame();
    EXPECT_EQ(dragState, DRAG_NONE) << state;
    EXPECT_EQ(draggedItem, nullptr);
    EXPECT_EQ(dragSource, 0);
  }
  delete item;
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

// Over the display the map is not analysed, but a photo inside a scrolling band still scrolls.
TEST_F(GameFrameTest, OverTheDisplayTheMapIsNotAnalysedButAPhotoKeepsEdgeScrolling) {
  gameMap->cursorX = -5;
  fake.SetMouse(100, 520);  // over the inventory panel of the selected member
  Frame();
  EXPECT_EQ(gameMap->cursorX, -5);
  fake.SetMouse(100, 100);
  Frame();
  EXPECT_EQ(gameMap->cursorX, 3);

  SetSetting("SCROLLING_ZONE", "80");
  UseMap(TestMapFile(40, 30, std::string(1200, '0')));  // wider than the screen; bands come with it
  team.clear();
  AddMember(2, 2);
  selectedMember = 0;
  ApplyHudEnabling();
  fake.SetMouse(750, 30);  // on the first photo, inside the right scrolling band
  Frame();
  EXPECT_GT(gameMap->scrollX, 0.0f);
}

// Targetable zombies go white, pink, red, pink, white once a second; no frame time, however long, stalls it.
TEST(ZombieBlink, TargetableZombiesGoWhiteRedWhiteOnceASecond) {
  Person z(HTEXTURE{0});
  z.targetable = 1;
  zombies = {&z};
  for (uint32_t colour : {0xFFFF7F7Fu, 0xFFFF0000u, 0xFFFF7F7Fu, 0xFFFFFFFFu}) {
    BlinkTargets(0.25f);
    EXPECT_EQ(z.sprite->GetColor(), colour) << z.pulse;
  }
  BlinkTargets(1e30f);
  EXPECT_GE(z.pulse, 0.0f);
  EXPECT_LE(z.pulse, 1.0f);
  z.targetable = 0;  // the others keep their pulse
  z.pulse = 0.3f;
  BlinkTargets(0.1f);
  EXPECT_FLOAT_EQ(z.pulse, 0.3f);
  zombies.clear();
}

// The team's actions play; input returns with targets marked, and they blink during input. The zombies'
// actions played out hand back to their planning.
TEST_F(GameFrameTest, TheTeamsActionsPlayAndInputReturnsWithTargetsBlinking) {
  Person* z = AddZombie(3, 2);  // next to member 0, who has bare hands
  team[0]->actions = {{0, 0, 0}};
  screenState = 1;
  Frame();  // the closing action ends: still busy this frame
  EXPECT_EQ(screenState, 1);
  Frame();
  EXPECT_EQ(screenState, 0);
  EXPECT_TRUE(z->targetable);
  fake.delta = 0.25f;
  Frame();
  EXPECT_EQ(z->sprite->GetColor(), 0xFFFF7F7Fu);
  screenState = 3;
  PlayActions(0.01f);
  EXPECT_EQ(screenState, 2);
}

}  // namespace
