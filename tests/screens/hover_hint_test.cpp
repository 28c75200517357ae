// The odds beside the pointer: when they show, what the dump says of them, and where they are drawn.
#include "ui/hover_hint.h"

#include "app/dump.h"
#include "screen_fixture.h"

namespace {

class HoverHintTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    member = AddMember(2, 2);
    member->actionPoints = 3;
    zombie = AddZombie(3, 2);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    zombie->targetable = 1;
    Point(3, 2);
  }

  // Puts the pointer on the middle of map cell (x, y) and lets the map find the cursor cell.
  void Point(int x, int y) {
    const Map& map = *gameMap;
    px = (x + 0.5f) * map.CW - map.view.offsetX;
    py = (y + 0.5f) * map.CH - map.view.offsetY;
    fake.SetMouse(px, py);
    Frame();
  }

  hover_hint_struct Hint() const { return HoverHint(px, py); }

  Person* member = nullptr;
  Person* zombie = nullptr;
  float px = 0.0f, py = 0.0f;
};

// Over a targetable zombie the member's active item gives its odds; anywhere else nothing shows.
TEST_F(HoverHintTest, OnlyATargetableZombieUnderThePointerInThePlayersPhaseShowsOdds) {
  hover_hint_struct hint = Hint();  // bare hands, unskilled
  ASSERT_TRUE(hint.zombie);
  EXPECT_EQ(hint.cell, Cell(3, 2));
  EXPECT_NEAR(hint.kill, 0.05, 1e-6);
  EXPECT_NEAR(hint.push, 0.25, 1e-6);
  EXPECT_EQ(hint.text, W("Убить: 5%\nОтбросить: 25%\nОчки действия: 1"));

  Item knife(ITEM_KITCHEN_KNIFE);
  knife.selectedAction = 0;
  member->active = &knife;
  EXPECT_NEAR(Hint().kill, 0.15, 1e-6);
  member->skills = {SKILL_KNIVES};
  EXPECT_NEAR(Hint().kill, 0.33, 1e-6);
  member->actionPoints = 0;
  EXPECT_EQ(Hint().text, W("Убить: 33%\nОтбросить: 0%\nОчки действия: 1\nНедостаточно очков действия"));
  member->active = member->hands;

  zombie->targetable = 0;
  EXPECT_FALSE(Hint().zombie);
  zombie->targetable = 1;
  for (int phase : {PHASE_TEAM_ACTING, PHASE_ZOMBIES_PLAN, PHASE_ZOMBIES_ACTING}) {
    screenState = phase;
    EXPECT_EQ(Hint().text, "") << phase;
  }
  screenState = PHASE_INPUT;
  dragState = DRAG_ITEM;
  draggedItem = &knife;
  EXPECT_FALSE(Hint().zombie);
  CancelDrag();
  member->alive = 0;
  EXPECT_FALSE(Hint().zombie);
  member->alive = 1;
  Point(4, 2);  // an empty cell
  EXPECT_FALSE(Hint().zombie);
  EXPECT_EQ(Hint().text, "");
}

// The dump carries the hint and the chances while a zombie is hovered; showing them changes nothing else.
TEST_F(HoverHintTest, TheDumpCarriesTheOddsAndDrawingThemChangesNothing) {
  nlohmann::json before = DumpState(1);
  EXPECT_EQ(before["hint"], "Убить: 5%\nОтбросить: 25%\nОчки действия: 1");
  EXPECT_NEAR(before["killChance"].get<double>(), 0.05, 1e-6);
  EXPECT_NEAR(before["pushChance"].get<double>(), 0.25, 1e-6);
  for (int k = 0; k < 3; ++k) GameRender();
  EXPECT_EQ(DumpState(1), before);

  Item pistol(ITEM_PISTOL);
  pistol.selectedAction = 0;
  pistol.loaded = 0;
  member->active = &pistol;
  nlohmann::json empty = DumpState(1);
  EXPECT_EQ(empty["hint"], "Нет патронов");
  EXPECT_EQ(empty["killChance"], 0.0);
  member->active = member->hands;

  Point(5, 5);
  nlohmann::json away = DumpState(1);
  EXPECT_EQ(away["hint"], "");
  EXPECT_FALSE(away.contains("killChance"));
  EXPECT_FALSE(away.contains("pushChance"));
}

// The text stands beside the zombie's cell, right of it, or left of it where the screen ends.
TEST_F(HoverHintTest, TheTextNeverCoversTheHoveredCell) {
  const float screenW = static_cast<float>(hge->System_GetState(HGE_SCREENWIDTH));
  for (bool nearRightEdge : {false, true}) {
    SCOPED_TRACE(nearRightEdge);
    if (nearRightEdge) gameMap->view.offsetX = (zombie->x + 1) * gameMap->CW - screenW + 10;
    const hover_hint_struct hint = Hint();
    ASSERT_TRUE(hint.zombie);
    fake.ClearRecords();
    fake.Gfx_BeginScene();
    DrawHoverHint(hint);
    fake.Gfx_EndScene();
    const std::vector<hgeQuad>& quads = fake.Gfx_GetRecordedQuads();
    ASSERT_FALSE(quads.empty());
    const float left = zombie->x * gameMap->CW - gameMap->view.offsetX;
    const float right = left + gameMap->CW;
    for (const hgeQuad& q : quads) {
      for (const hgeVertex& v : q.v) {
        EXPECT_TRUE(v.x <= left - 8 || v.x >= right + 8) << v.x << " against " << left << ".." << right;
        EXPECT_LE(v.x, screenW);
        EXPECT_GE(v.y, 0.0f);
      }
    }
  }
}

}  // namespace
