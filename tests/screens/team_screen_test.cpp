// The team-selection screen driven by clicks: the offer, the pick, the flight, the buttons, the start.
#include "ui/team_screen.h"

#include <gtest/gtest.h>

#include "app/screens.h"
#include "app/shell.h"
#include "config/settings.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screen_fixture.h"
#include "ui/resources.h"

namespace {

// Button centres of the test layout.
constexpr float kAddX = 350, kAddY = 520;      // add (4) and start over (6)
constexpr float kStartX = 500, kStartY = 520;  // start (3) and its stand-by look (5)
constexpr float kCard1X = 400, kCard1Y = 200;
constexpr float kCard2X = 650, kCard2Y = 200;

class TeamScreen : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    StartTeamSelection();
    fake.delta = 0.125f;  // exact in binary: the timed states end on known frames
  }

  bool Visible(int id) { return teamButtons->GetCtrl(id)->bVisible && teamButtons->GetCtrl(id)->bEnabled; }
  bool Hidden(int id) { return !teamButtons->GetCtrl(id)->bVisible && !teamButtons->GetCtrl(id)->bEnabled; }

  // Adds a member through the whole animation: add, wait for the cards, pick one, wait for the flight.
  Person* Recruit(int card) {
    Click(kAddX, kAddY);
    for (int i = 0; i < 10 && screenState != 2; ++i) RunFrame();
    Person* picked = candidates[card - 1];
    Click(card == 1 ? kCard1X : kCard2X, card == 1 ? kCard1Y : kCard2Y);
    for (int i = 0; i < 10 && screenState != 0; ++i) RunFrame();
    return picked;
  }

  // Colour of the last quad drawn with `sprite`'s texture and picture rectangle in the last screen scene.
  static bool Drawn(const hgeSprite* sprite, float x, float y) {
    for (const hgeQuad& q : Fake().Gfx_GetRecordedQuads()) {
      if (q.tex == sprite->GetTexture() && q.v[0].tx == sprite->GetQuad().v[0].tx &&
          q.v[0].ty == sprite->GetQuad().v[0].ty && q.v[0].x == x && q.v[0].y == y) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(TeamScreen, EntryEmptiesTheTeamAndShowsAddAndTheStandByStart) {
  team.push_back(new Person(HTEXTURE{0}, 0, 11, 0, 0));
  StartTeamSelection();
  EXPECT_EQ(currentScreen, Screen::Team);
  EXPECT_TRUE(team.empty());
  EXPECT_EQ(screenState, 0);
  EXPECT_EQ(screenTimer, 0.0f);
  EXPECT_TRUE(Visible(4));
  EXPECT_TRUE(Visible(5));
  EXPECT_TRUE(Hidden(3));
  EXPECT_TRUE(Hidden(6));
  EXPECT_EQ(messageFont, font2);
  EXPECT_NE(font1, font2);
}

TEST_F(TeamScreen, TheOfferFadesInThePickedCardFliesIntoTheColumnAndTheOtherFadesOut) {
  Click(kAddX, kAddY);
  ASSERT_EQ(screenState, 1);
  ASSERT_NE(candidates[0], nullptr);
  ASSERT_NE(candidates[1], nullptr);
  EXPECT_NE(candidates[0]->firstName, candidates[1]->firstName);
  EXPECT_EQ(OpenOffer().size(), 2u);
  // Both cards were painted onto the card surface, in scenes of their own.
  int cardScenes = 0;
  for (const FakeEngine::Scene& s : fake.scenes) cardScenes += s.target == cardSurface && s.ended;
  EXPECT_EQ(cardScenes, 2);
  EXPECT_EQ(cardSlots[4]->GetColor(), 0u);

  RunFrame();                                 // 0.125 of 0.5 s
  RunFrame();                                 // halfway
  EXPECT_EQ(dimQuad->GetColor(), 85u << 24);  // floor(170 * 0.5)
  EXPECT_EQ(changeOne->GetColor(), 127u * 0x01010101u);
  EXPECT_EQ(cardSlots[5]->GetColor(), 127u * 0x01010101u);
  EXPECT_TRUE(Drawn(cardSlots[4], 300, 150));
  EXPECT_TRUE(Drawn(cardSlots[5], 550, 150));
  RunFrame();
  RunFrame();  // 0.5 s: the choice
  EXPECT_EQ(screenState, 2);
  EXPECT_EQ(cardSlots[4]->GetColor(), 0xFFFFFFFFu);
  EXPECT_EQ(dimQuad->GetColor(), 170u << 24);

  RunFrame();  // nothing picked yet
  EXPECT_EQ(screenState, 2);
  Person* picked = candidates[1];
  Click(kCard2X, kCard2Y);
  ASSERT_EQ(screenState, 3);
  EXPECT_EQ(chosenCandidate, 2);
  RunFrame();
  RunFrame();  // halfway from (550, 150) to the team column's first place (10, 10)
  EXPECT_FLOAT_EQ(movingCardX, 280);
  EXPECT_FLOAT_EQ(movingCardY, 80);
  EXPECT_TRUE(Drawn(cardSlots[5], 280, 80));
  EXPECT_TRUE(Drawn(cardSlots[4], 300, 150));  // the card not picked stays in its place
  EXPECT_EQ(cardSlots[4]->GetColor(), 127u * 0x01010101u);
  EXPECT_TRUE(team.empty());

  fake.ClearRecords();
  RunFrame();
  RunFrame();  // arrived: the card is copied into team slot 0 and the candidate joins
  EXPECT_EQ(screenState, 4);
  ASSERT_EQ(team.size(), 1u);
  EXPECT_EQ(team[0], picked);
  ASSERT_EQ(fake.scenes.size(), 3u);  // the copy, then two renders
  EXPECT_EQ(fake.scenes[1].target, cardSurface);
  ASSERT_EQ(fake.scenes[1].quads.size(), 1u);
  EXPECT_EQ(fake.scenes[1].quads[0].v[0].y, 0.0f);
  EXPECT_EQ(fake.scenes[1].quads[0].v[0].ty, cardSlots[5]->GetQuad().v[0].ty);

  RunFrame();  // settle
  EXPECT_EQ(screenState, 0);
  EXPECT_TRUE(OpenOffer().empty());
  EXPECT_EQ(cardSlots[4]->GetColor(), 0xFFFFFFFFu);
  EXPECT_EQ(changeOr->GetColor(), 0xFFFFFFFFu);
  EXPECT_TRUE(Drawn(cardSlots[0], 10, 10));
}

TEST_F(TeamScreen, OneMemberCannotStartTwoCanAndFourBringTheStartOver) {
  Recruit(1);
  EXPECT_TRUE(Visible(5));
  EXPECT_TRUE(Hidden(3));
  Click(kStartX, kStartY);  // the stand-by look does nothing
  EXPECT_EQ(currentScreen, Screen::Team);
  EXPECT_EQ(screenState, 0);

  Recruit(2);
  EXPECT_TRUE(Visible(3));
  EXPECT_TRUE(Hidden(5));
  EXPECT_TRUE(Visible(4));
  Recruit(1);
  Recruit(2);
  ASSERT_EQ(team.size(), 4u);
  EXPECT_TRUE(Visible(6));
  EXPECT_TRUE(Hidden(4));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Drawn(cardSlots[i], 10, 10 + i * 110.0f)) << i;

  Click(kAddX, kAddY);  // now the start-over button
  EXPECT_TRUE(team.empty());
  EXPECT_EQ(screenState, 0);
  EXPECT_TRUE(Visible(4));
  EXPECT_TRUE(Visible(5));
  EXPECT_TRUE(Hidden(3));
  EXPECT_TRUE(Hidden(6));
  Recruit(2);  // a new team starts from slot 0 again
  EXPECT_EQ(team.size(), 1u);
  EXPECT_TRUE(Drawn(cardSlots[0], 10, 10));
}

TEST_F(TeamScreen, ZeroDurationsEndTheirStatesInTheFirstFrame) {
  SetSetting("PASS_T_SHOW_TWO", "0");
  SetSetting("PASS_T_ADD_ONE", "0");
  Click(kAddX, kAddY);
  RunFrame();
  EXPECT_EQ(screenState, 2);
  EXPECT_EQ(cardSlots[5]->GetColor(), 0xFFFFFFFFu);
  EXPECT_EQ(dimQuad->GetColor(), 170u << 24);
  Click(kCard1X, kCard1Y);
  RunFrame();
  EXPECT_EQ(screenState, 4);
  EXPECT_EQ(team.size(), 1u);
  EXPECT_FLOAT_EQ(movingCardX, 10);
  EXPECT_EQ(cardSlots[5]->GetColor(), 0u);  // the card not picked has faded out, then comes back
  RunFrame();
  EXPECT_EQ(cardSlots[5]->GetColor(), 0xFFFFFFFFu);
}

TEST_F(TeamScreen, WithoutLogoOneThereIsNoDimming) {
  LOGO = 0;
  StartTeamSelection();
  EXPECT_EQ(dimQuad, nullptr);
  Click(kAddX, kAddY);
  RunFrame();
  RunFrame();
  for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) {
    EXPECT_FALSE(q.v[0].x == 0 && q.v[2].x == 800 && q.v[0].col >> 24 < 255) << "a dimming quad was drawn";
  }
  LOGO = 1;
  StartTeamSelection();
  EXPECT_NE(dimQuad, nullptr);
}

TEST_F(TeamScreen, StartPlacesTheTeamAndHandsOverToTheGameScreen) {
  UseMap(TestMapFile(12, 10, std::string(120, '0'), 6));
  Recruit(1);
  Recruit(2);
  Click(kStartX, kStartY);
  EXPECT_EQ(currentScreen, Screen::Game);
  EXPECT_EQ(screenState, 0);
  EXPECT_EQ(selectedMember, 0);
  EXPECT_EQ(message, team[0]->DisplayName());
  EXPECT_EQ(gameMap->searchesMade, 0);
  EXPECT_GE(gameMap->searchThreshold, 2);
  EXPECT_EQ(zombies.size(), 2u);  // the first half of the zombies is placed
  for (const Person* p : team) EXPECT_EQ(gameMap->cells[p->cell].memberHere, p == team[0] ? 0 : 1);
}

}  // namespace
