// The help screen: H opens it, any key or click closes it without doing more, Escape still quits.
#include "app/dump.h"
#include "game/game_stats.h"
#include "screen_fixture.h"
#include "ui/help_overlay.h"

namespace {

class HelpTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    helpShown = false;
    helpHintShown = true;
    gameStats = {};
    AddMember(2, 2);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    fake.SetMouse(300, 200);
  }
  void TearDown() override {
    helpShown = false;
    ScreenTest::TearDown();
  }

  // True when the frame ends with the help: the panel's art, then only its shade and the font's lines.
  bool HelpDrawnLast() {
    fake.ClearRecords();
    GameRender();
    const std::vector<hgeQuad>& quads = fake.Gfx_GetRecordedQuads();
    size_t panel = quads.size();
    for (size_t i = 0; i < quads.size(); ++i) {
      const hgeQuad& art = inventoryPanel->GetQuad();
      if (quads[i].tex == art.tex && quads[i].v[0].tx == art.v[0].tx && quads[i].v[0].ty == art.v[0].ty)
        panel = i;
    }
    if (panel == quads.size()) return false;
    for (size_t i = panel + 1; i < quads.size(); ++i) {
      // The panel's calmed inside (a plain quad), then the lines.
      if (quads[i].tex != 0 && quads[i].tex != font1->GetSprite('A')->GetTexture()) return false;
    }
    return true;
  }
};

// H opens the help; the click that closes it does not reach the map, the next one walks.
TEST_F(HelpTest, HOpensItAndTheClosingClickDoesNothingElse) {
  const int start = team[0]->cell;
  EXPECT_FALSE(KeyFrame(HELP_KEY));
  EXPECT_TRUE(helpShown);
  EXPECT_FALSE(helpHintShown);
  EXPECT_EQ(DumpState(1)["help"], true);
  EXPECT_TRUE(HelpDrawnLast());
  const float x = (4 + 0.5f) * gameMap->CW - gameMap->view.offsetX;
  const float y = (2 + 0.5f) * gameMap->CH - gameMap->view.offsetY;
  fake.SetMouse(x, y);
  Frame();
  fake.Press(HGEK_LBUTTON);
  Frame();
  fake.Lift(HGEK_LBUTTON);
  EXPECT_FALSE(helpShown);
  EXPECT_EQ(team[0]->cell, start);
  EXPECT_EQ(screenState, PHASE_INPUT);
  EXPECT_EQ(DumpState(1)["help"], false);
  EXPECT_FALSE(HelpDrawnLast());
  fake.Press(HGEK_LBUTTON);
  Frame();
  fake.Lift(HGEK_LBUTTON);
  EXPECT_EQ(team[0]->cell, gameMap->CellIndex(4, 2));
}

// The "?" under the end-turn button opens it too, in the player's phase.
TEST_F(HelpTest, TheQuestionMarkOnTheDisplayOpensIt) {
  const float x = HelpButtonX() + HELP_BUTTON_SIZE / 2, y = HelpButtonY() + HELP_BUTTON_SIZE / 2;
  fake.SetMouse(x, y);
  Frame();
  fake.Press(HGEK_LBUTTON);
  Frame();
  fake.Lift(HGEK_LBUTTON);
  EXPECT_TRUE(helpShown);
  Frame();  // the button going up leaves it open
  EXPECT_TRUE(helpShown);
  EXPECT_EQ(screenState, PHASE_INPUT);
}

// Any key closes it, E included without ending the turn; Escape keeps quitting.
TEST_F(HelpTest, AnyKeyClosesItAndEscapeStillQuits) {
  KeyFrame(HELP_KEY);
  EXPECT_FALSE(KeyFrame(HGEK_E));
  EXPECT_FALSE(helpShown);
  EXPECT_EQ(screenState, PHASE_INPUT);
  KeyFrame(HELP_KEY);
  EXPECT_TRUE(KeyFrame(HGEK_ESCAPE));
}

// While the help stands, the team's actions wait.
TEST_F(HelpTest, TheGamePausesUnderIt) {
  team[0]->actions = {{1, 10.0f, 0}};
  screenState = PHASE_TEAM_ACTING;
  KeyFrame(HELP_KEY);
  const auto queue = team[0]->actions;
  for (int k = 0; k < 5; ++k) Frame();
  EXPECT_EQ(screenState, PHASE_TEAM_ACTING);
  EXPECT_EQ(team[0]->actions.size(), queue.size());
  EXPECT_EQ(team[0]->actions[0].p1, queue[0].p1);
}

// The first turn of the run's first game points to the help until it is opened; a later turn does not.
TEST_F(HelpTest, TheFirstTurnPointsToTheHelp) {
  const auto drawsHint = [&] {
    fake.ClearRecords();
    GameRender();
    for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) {
      // Its translucent strip at the top of the screen.
      if (q.tex == 0 && q.v[0].col == 0xB0000000u && q.v[0].y < 10.0f && q.v[2].y > 10.0f) return true;
    }
    return false;
  };
  EXPECT_TRUE(drawsHint());
  gameStats.turns = 2;
  EXPECT_FALSE(drawsHint());
  gameStats.turns = 1;
  KeyFrame(HELP_KEY);
  KeyFrame(HELP_KEY);
  EXPECT_FALSE(helpShown);
  EXPECT_FALSE(drawsHint());
  for (const std::string& line : HelpLines()) EXPECT_LE(font1->GetStringWidth(line.c_str()), 760.0f) << line;
}

}  // namespace
