// The game frame: Escape, function keys, member keys, the end of the turn, drags, the display and blinking.
#include "app/game_frame.h"

#include <gtest/gtest.h>

#include "app/game_state.h"
#include "app/shell.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screen_fixture.h"
#include "ui/hud_list.h"

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

  // Runs one game frame only; true when it asks to stop.
  bool Frame() {
    const bool stop = GameFrame();
    fake.NextFrame();
    return stop;
  }
};

TEST_F(GameFrameTest, EscapeQuitsFromEveryPhaseEvenWhileFiguresMove) {
  team[0]->actions = {{1, 10.0f, 0}};
  for (int phase = 0; phase < 4; ++phase) {
    screenState = phase;
    fake.Press(HGEK_ESCAPE);
    EXPECT_TRUE(Frame()) << phase;
    fake.Lift(HGEK_ESCAPE);
  }
}

TEST_F(GameFrameTest, TheMemberKeysSelectLivingMembersAndAreReadBeforeTheTurnEnds) {
  fake.Press(HGEK_2);
  Frame();
  EXPECT_EQ(selectedMember, 1);
  EXPECT_EQ(message, team[1]->DisplayName());
  fake.Lift(HGEK_2);
  fake.Press(HGEK_4);  // no fourth member
  Frame();
  EXPECT_EQ(selectedMember, 1);
  team[0]->alive = 0;
  fake.Press(HGEK_1);  // a dead member cannot be chosen
  Frame();
  EXPECT_EQ(selectedMember, 1);
  team[0]->alive = 1;

  // Nobody has points left: the turn ends by itself, but the key of this frame is still obeyed first.
  team[0]->actionPoints = 0;
  team[1]->actionPoints = 0;
  fake.Press(HGEK_1);
  Frame();
  EXPECT_EQ(selectedMember, 0);
  EXPECT_EQ(screenState, 2);
}

TEST_F(GameFrameTest, AHeldRightButtonKeepsCancellingAnyDrag) {
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
}

TEST_F(GameFrameTest, ReleasingTheLeftButtonOverEndTurnEndsTheTurnEvenMidDrag) {
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

TEST_F(GameFrameTest, OverTheDisplayTheMapIsNotAnalysedButAPhotoKeepsEdgeScrolling) {
  gameMap->cursorX = -5;
  fake.SetMouse(100, 520);  // over the inventory panel of the selected member
  Frame();
  EXPECT_EQ(gameMap->cursorX, -5);
  fake.SetMouse(100, 100);  // over the map
  Frame();
  EXPECT_EQ(gameMap->cursorX, 3);

  SetSetting("SCROLLING_ZONE", "80");
  UseMap(TestMapFile(40, 30, std::string(1200, '0')));  // a map wider than the screen; bands come with it
  team.clear();
  AddMember(2, 2);
  selectedMember = 0;
  ApplyHudEnabling();
  fake.SetMouse(750, 30);  // on the first photo, inside the right scrolling band
  Frame();
  EXPECT_GT(gameMap->scrollX, 0.0f);
}

TEST_F(GameFrameTest, APressOnAPhotoSelectsThatMember) {
  fake.SetMouse(710, 20 + 110 + 5);
  fake.Press(HGEK_LBUTTON);
  Frame();
  EXPECT_EQ(selectedMember, 1);
}

TEST(ZombieBlink, TargetableZombiesGoWhiteRedWhiteOnceASecond) {
  Person z(HTEXTURE{0});
  z.targetable = 1;
  zombies = {&z};
  const std::pair<float, uint32_t> steps[] = {{0.25f, 0xFFFF7F7Fu},
                                              {0.25f, 0xFFFF0000u},
                                              {0.25f, 0xFFFF7F7Fu},
                                              {0.25f, 0xFFFFFFFFu},
                                              {0.25f, 0xFFFF7F7Fu}};
  for (const auto& [dt, colour] : steps) {
    BlinkTargets(dt);
    EXPECT_EQ(z.sprite->GetColor(), colour) << z.pulse;
    EXPECT_EQ(static_cast<uint32_t>(z.tint), colour);
  }
  BlinkTargets(1e30f);  // no frame time, however long, stalls the frame
  EXPECT_GE(z.pulse, 0.0f);
  EXPECT_LE(z.pulse, 1.0f);
  z.targetable = 0;
  z.pulse = 0.3f;
  BlinkTargets(0.1f);
  EXPECT_FLOAT_EQ(z.pulse, 0.3f);
  zombies.clear();
}

TEST_F(GameFrameTest, AZombieTheSelectedMemberCanHitBlinksDuringInput) {
  Person* z = AddZombie(3, 2);  // next to member 0, who has bare hands
  gameMap->MarkTargets();
  ASSERT_TRUE(z->targetable);
  fake.delta = 0.25f;
  Frame();
  EXPECT_EQ(z->sprite->GetColor(), 0xFFFF7F7Fu);
}

TEST_F(GameFrameTest, TheTeamsActionsPlayAndInputReturnsWithTargetsMarked) {
  Person* z = AddZombie(3, 2);
  team[0]->actions = {{0, 0, 0}};
  screenState = 1;
  Frame();
  EXPECT_EQ(screenState, 1);
  Frame();
  EXPECT_EQ(screenState, 0);
  EXPECT_TRUE(z->targetable);
}

}  // namespace
