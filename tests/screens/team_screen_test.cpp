// The team-selection screen driven by clicks: the offer, the pick, the flight, the buttons, the start.

#include "screen_fixture.h"

namespace {

// Button and card centres of the test layout; add and start over share a place, as do start and stand-by.
constexpr float kAddX = 350, kAddY = 520, kStartX = 500, kStartY = 520;
constexpr float kCardX[] = {400, 650}, kCardY = 200;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

class TeamScreen : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    StartTeamSelection();
    fake.delta = 0.125f;  // exact in binary: the timed states end on known frames
  }

  // The buttons shown and enabled, in id order from start to start over.
  static std::vector<int> Buttons() {
    std::vector<int> on;
    for (int id : {BTN_START, BTN_ADD, BTN_STANDBY, BTN_START_OVER}) {
      const hgeGUIObject* c = teamButtons->GetCtrl(id);
      EXPECT_EQ(c->bVisible, c->bEnabled) << id;
      if (c->bVisible) on.push_back(id);
    }
    return on;
  }

  // Adds a member through the whole animation: add, wait for the cards, pick one, wait for the flight.
  static void Recruit(int card) {
    Click(kAddX, kAddY);
    for (int i = 0; i < 10 && screenState != TEAM_CHOOSE; ++i) RunFrame();
    Click(kCardX[card], kCardY);
    for (int i = 0; i < 10 && screenState != TEAM_WAIT; ++i) RunFrame();
  }
};

// The offer shows two different candidates; the picked one joins the team once its card has flown, and the
// offer closes.
TEST_F(TeamScreen, ThePickedCardFliesIntoTheColumnAndItsCandidateJoins) {
  Click(kAddX, kAddY);
  ASSERT_EQ(screenState, TEAM_SHOW);
  ASSERT_EQ(OpenOffer().size(), 2u);
  EXPECT_NE(candidates[0]->firstName, candidates[1]->firstName);
  for (int i = 0; i < 5; ++i) RunFrame();  // the offer stands until a card is picked
  EXPECT_EQ(screenState, TEAM_CHOOSE);

  Person* picked = candidates[1];
  Click(kCardX[1], kCardY);
  EXPECT_TRUE(team.empty());  // not before the card arrives
  for (int i = 0; i < 5; ++i) RunFrame();
  EXPECT_EQ(screenState, TEAM_WAIT);
  EXPECT_EQ(team, std::vector<Person*>{picked});
  EXPECT_TRUE(OpenOffer().empty());
}

// Entry empties the team; one member cannot start, two can, four turn add into start over; start places
// the team and hands over to the game screen with the first member selected.
TEST_F(TeamScreen, OneMemberCannotStartTwoCanFourBringTheStartOverAndStartOpensTheGame) {
  team.push_back(new Person(HTEXTURE{0}, 0, 11, 0, 0));
  StartTeamSelection();
  EXPECT_EQ(currentScreen, Screen::Team);
  EXPECT_TRUE(team.empty());
  EXPECT_EQ(messageFont, font2);
  EXPECT_EQ(Buttons(), (std::vector<int>{BTN_ADD, BTN_STANDBY}));
  Recruit(0);
  EXPECT_EQ(Buttons(), (std::vector<int>{BTN_ADD, BTN_STANDBY}));
  Click(kStartX, kStartY);  // the stand-by look does nothing
  EXPECT_EQ(currentScreen, Screen::Team);
  EXPECT_EQ(screenState, TEAM_WAIT);

  Recruit(1);
  EXPECT_EQ(Buttons(), (std::vector<int>{BTN_START, BTN_ADD}));
  Recruit(0);
  Recruit(1);
  ASSERT_EQ(team.size(), 4u);
  EXPECT_EQ(Buttons(), (std::vector<int>{BTN_START, BTN_START_OVER}));

  Click(kAddX, kAddY);  // start over
  EXPECT_TRUE(team.empty());
  EXPECT_EQ(Buttons(), (std::vector<int>{BTN_ADD, BTN_STANDBY}));
  Recruit(1);  // a new team starts from slot 0 again
  Recruit(0);
  ASSERT_EQ(team.size(), 2u);
  Click(kStartX, kStartY);
  EXPECT_EQ(currentScreen, Screen::Game);
  EXPECT_EQ(screenState, 0);
  EXPECT_EQ(selectedMember, 0);
  EXPECT_EQ(message, team[0]->DisplayName());
  for (const Person* p : team) EXPECT_EQ(gameMap->cells[p->cell].memberHere, p == team[0] ? 0 : 1);
}

// Zero durations end their states in the first frame instead of dividing by zero; without LOGO 1 there is
// no dimming quad, and the offer does without it.
TEST_F(TeamScreen, ZeroDurationsEndTheirStatesInTheFirstFrameAndNoLogoMeansNoDimming) {
  SetSetting("PASS_T_SHOW_TWO", "0");
  SetSetting("PASS_T_ADD_ONE", "0");
  LOGO = 0;
  StartTeamSelection();
  EXPECT_EQ(dimQuad, nullptr);
  Click(kAddX, kAddY);
  RunFrame();
  EXPECT_EQ(screenState, TEAM_CHOOSE);
  EXPECT_EQ(cardSlots[5]->GetColor(), kWhite);
  Click(kCardX[0], kCardY);
  RunFrame();
  EXPECT_EQ(screenState, TEAM_SETTLE);
  EXPECT_EQ(team.size(), 1u);
  EXPECT_FLOAT_EQ(movingCardX, 10);
  EXPECT_EQ(cardSlots[5]->GetColor(), 0u);  // the card not picked has faded out, then comes back
  RunFrame();
  EXPECT_EQ(cardSlots[5]->GetColor(), kWhite);
}

}  // namespace
