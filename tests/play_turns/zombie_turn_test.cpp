// The zombies' turn: entry at the edge, the planner's blows and steps, and the start of the next turn.
#include <gtest/gtest.h>

#include <vector>

#include "app/game_frame.h"
#include "app/game_state.h"
#include "app/play.h"
#include "app/screens.h"
#include "app/shell.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screens/screen_fixture.h"
#include "ui/hud_list.h"

namespace {

class ZombieTurnTest : public ScreenTest {
 protected:
  // Builds the zombie distance field on the figures as they stand and enters the planning phase.
  static void Field() {
    screenState = PHASE_ZOMBIES_PLAN;
    gameMap->pathsStale = true;
    gameMap->DrivePathSearch(PHASE_ZOMBIES_PLAN);
    ASSERT_EQ(gameMap->searchMember, -1) << "the field should be complete";
  }

  // The types of a figure's queued actions, front first.
  static std::vector<int> Types(const Person* p) {
    std::vector<int> types;
    for (const person_action_struct& a : p->actions) types.push_back(a.type);
    return types;
  }

  static Person* Zombie(int x, int y, int facing) {
    Person* z = AddZombie(x, y);
    z->SetDirection(facing);
    z->actionPoints = 2;
    return z;
  }

  static int Cell(int x, int y) { return gameMap->CellIndex(x, y); }
};

using V = std::vector<int>;

TEST_F(ZombieTurnTest, OnlyTheFirstNeighbourStrikesTheSecondSideStepsAtRandom) {
  Person* m = AddMember(4, 4);
  Person* a = Zombie(4, 3, 3);  // above the member, already facing it
  Person* b = Zombie(5, 4, 4);  // right of the member, facing it
  Field();
  // a's blow lands (0.751 > 0.75); b is blocked by the member and side-steps (0.149 < 0.15) upwards.
  Feed({751, 149, 0});
  PlanZombies(0.0f);

  EXPECT_EQ(Types(a), (V{30, 37}));
  EXPECT_EQ(a->actionPoints, 1);
  EXPECT_EQ(Types(m), (V{1, 27, 0}));
  EXPECT_FLOAT_EQ(m->actions[0].p1, 0.0f);  // nobody turned before the blow

  EXPECT_EQ(Types(b), (V{29, 5, 6, 37}));  // one right turn from left to up, then a plain step up
  EXPECT_EQ(b->actionPoints, 1);
  // b's occupied cell moved at once; its drawing cell follows as the step plays.
  EXPECT_EQ(b->cell, Cell(5, 3));
  EXPECT_EQ(gameMap->cells[Cell(5, 3)].zombieHere, 1);
  EXPECT_EQ(gameMap->cells[Cell(5, 4)].zombieHere, -1);
  EXPECT_EQ(b->secondCell, Cell(5, 4));
  EXPECT_EQ(screenState, PHASE_ZOMBIES_ACTING);
  EXPECT_TRUE(gameMap->pathsStale);
}

TEST_F(ZombieTurnTest, TurnsDelayTheVictimAndEveryLaterZombie) {
  Person* m = AddMember(4, 4);
  Person* a = Zombie(4, 3, 1);  // next to the member but facing away: two right turns
  Person* b = Zombie(0, 4, 1);  // must turn right once to walk right
  Person* c = Zombie(9, 4, 4);  // already faces its way
  Field();
  Feed({750});  // at 0.75 the blow misses: a recoil
  PlanZombies(0.0f);

  EXPECT_EQ(Types(a), (V{29, 29, 30, 37}));
  EXPECT_EQ(Types(m), (V{1, 2, 0}));
  EXPECT_FLOAT_EQ(m->actions[0].p1, 0.4f);
  EXPECT_EQ(Types(b), (V{36, 29, 7, 8, 37}));
  EXPECT_FLOAT_EQ(b->actions[0].p1, 0.4f);
  EXPECT_EQ(Types(c), (V{36, 11, 12, 37}));
  EXPECT_FLOAT_EQ(c->actions[0].p1, 0.6f);
}

TEST_F(ZombieTurnTest, AFreedCellIsTakenInTheSamePassButAnOccupiedOneBlocks) {
  AddMember(0, 4);
  Person* first = Zombie(2, 4, 4);
  Person* second = Zombie(3, 4, 4);
  Field();
  PlanZombies(0.0f);
  EXPECT_EQ(first->cell, Cell(1, 4));
  EXPECT_EQ(second->cell, Cell(2, 4));  // the cell first left a moment ago
  EXPECT_EQ(gameMap->cells[Cell(2, 4)].zombieHere, 1);

  // The other way round the rear zombie plans first and finds the front one in its way.
  team.clear();
  zombies.clear();
  UseMap(TestMapFile(10, 8, std::string(80, '0')));
  AddMember(0, 4);
  Person* rear = Zombie(3, 4, 4);
  Person* front = Zombie(2, 4, 4);
  Field();
  Feed({150});  // 0.15 is not below 0.15: no side-step
  PlanZombies(0.0f);
  EXPECT_TRUE(rear->actions.empty());
  EXPECT_EQ(rear->actionPoints, 2);  // a blocked zombie keeps its points
  EXPECT_EQ(rear->cell, Cell(3, 4));
  EXPECT_EQ(front->cell, Cell(1, 4));
}

TEST_F(ZombieTurnTest, ANeighbourWithoutAVictimStepsAndLeavesTheBlowToAnother) {
  AddMember(4, 4);
  Person* other = AddMember(8, 1);
  Person* a = Zombie(4, 3, 3);
  Person* b = Zombie(8, 2, 1);
  Field();
  gameMap->cells[Cell(4, 4)].memberHere = -1;  // the field still counts a member who is no longer there
  Feed({100});
  PlanZombies(0.0f);
  EXPECT_EQ(Types(a), (V{9, 10, 37}));
  EXPECT_EQ(a->actionPoints, 1);
  EXPECT_EQ(Types(b), (V{30, 37}));
  EXPECT_EQ(Types(other), (V{1, 2, 0}));
}

TEST_F(ZombieTurnTest, ThePlannerWaitsForTheFieldAndHandsBackWhenNobodyCanAct) {
  Person* m = AddMember(4, 4);
  m->actionPoints = 0;
  m->life = 3;
  Person* z = Zombie(0, 0, 2);
  Field();
  gameMap->searchMember = 0;  // a search still running
  PlanZombies(0.0f);
  EXPECT_TRUE(z->actions.empty());
  EXPECT_EQ(screenState, PHASE_ZOMBIES_PLAN);

  gameMap->searchMember = -1;
  z->actionPoints = 0;
  PlanZombies(0.0f);
  EXPECT_TRUE(z->actions.empty());
  EXPECT_EQ(screenState, PHASE_INPUT);
  EXPECT_EQ(m->actionPoints, 3);
}

TEST_F(ZombieTurnTest, ANewZombieEntersOnlyOnFreeOpenEdgeGroundAwayFromTheTeam) {
  std::string floor(80, '0');
  floor[3 * 10 + 9] = '1';  // (9, 3) is rough ground
  UseMap(TestMapFile(10, 8, floor));
  AddMember(1, 1);
  Person* earlier = AddZombie(5, 7);
  earlier->actionPoints = 0;
  gameMap->zombieCount = 2;
  Feed({0,       // the newcomer's own facing
        0, 2,    // top edge at (2, 0): too near the member
        1, 3,    // right edge at (9, 3): not open ground
        2, 5,    // bottom edge at (5, 7): the earlier zombie stands there
        3, 6});  // left edge at (0, 6): accepted, facing right
  EndPlayerTurn();
  ASSERT_EQ(zombies.size(), 2u);
  const Person* z = zombies[1];
  EXPECT_EQ(z->x, 0);
  EXPECT_EQ(z->y, 6);
  EXPECT_EQ(z->direction, 2);
  EXPECT_EQ(z->cell, Cell(0, 6));
  EXPECT_EQ(z->secondCell, Cell(0, 6));
  EXPECT_EQ(gameMap->cells[Cell(0, 6)].zombieHere, 1);
  EXPECT_EQ(gameMap->cells[Cell(0, 6)].zombieBound, 1);
  EXPECT_EQ(earlier->actionPoints, 2);
  EXPECT_EQ(z->actionPoints, 2);
  EXPECT_EQ(screenState, PHASE_ZOMBIES_PLAN);
  EXPECT_TRUE(gameMap->pathsStale);

  EndPlayerTurn();  // the map holds its count already
  EXPECT_EQ(zombies.size(), 2u);
}

TEST_F(ZombieTurnTest, AnEdgeWithNoRoomEndsTheSearchAndSkipsTheEntry) {
  // Only (9, 7) is open ground on the edge; the random draws keep missing it, the scan finds it.
  std::string floor(80, '1');
  for (int y = 1; y < 7; ++y) {
    for (int x = 1; x < 9; ++x) floor[y * 10 + x] = '0';
  }
  floor[79] = '0';
  UseMap(TestMapFile(10, 8, floor));
  AddMember(4, 4);
  gameMap->zombieCount = 5;
  for (int k = 0; k < 1100; ++k) Feed({0, 0});  // top edge at (0, 0) again and again
  EndPlayerTurn();
  ASSERT_EQ(zombies.size(), 1u);
  EXPECT_EQ(zombies[0]->cell, Cell(9, 7));

  // Now that cell is taken too: nobody enters, and the call returns.
  EndPlayerTurn();
  EXPECT_EQ(zombies.size(), 1u);
  EXPECT_EQ(screenState, PHASE_ZOMBIES_PLAN);
}

TEST_F(ZombieTurnTest, TheNextTurnRefillsByLifeOrInFullAndCountsThePainkillerDown) {
  Person* rested = AddMember(0, 0);  // 1 point left, life 4 of 4
  rested->actionPoints = 1;
  Person* wounded = AddMember(2, 0);  // no points, life 2 of 4
  wounded->actionPoints = 0;
  wounded->life = 2;
  Person* numb = AddMember(4, 0);  // under a painkiller for one more turn
  numb->actionPoints = 0;
  numb->life = 1;
  numb->painkillerTurns = 1;
  Person* analgesic = AddMember(6, 0);  // skill 16 feels no pain
  analgesic->skills = {16};
  analgesic->actionPoints = 0;
  analgesic->life = 1;
  StartNewTurn();
  EXPECT_EQ(rested->actionPoints, 4);
  EXPECT_EQ(wounded->actionPoints, 2);
  EXPECT_EQ(numb->actionPoints, 4);
  EXPECT_EQ(numb->painkillerTurns, 0);
  EXPECT_EQ(analgesic->actionPoints, 4);
  EXPECT_EQ(screenState, PHASE_INPUT);
  EXPECT_TRUE(gameMap->pathsStale);

  numb->actionPoints = 0;
  analgesic->actionPoints = 0;
  wounded->alive = 0;
  StartNewTurn();
  EXPECT_EQ(numb->actionPoints, 1);  // the painkiller has worn off
  EXPECT_EQ(analgesic->actionPoints, 4);
  EXPECT_EQ(wounded->actionPoints, 2);  // the dead get nothing
}

TEST_F(ZombieTurnTest, WithTheWholeTeamDeadTheNextTurnIsTheEndScreen) {
  AddMember(0, 0)->alive = 0;
  AddMember(2, 0)->alive = 0;
  fake.SetImageSize("Data/end.png", 800, 600);
  StartGameScreen();
  StartNewTurn();
  EXPECT_EQ(currentScreen, Screen::End);
  EXPECT_NE(fake.System_GetState(HGE_FRAMEFUNC), &GameFrame);
}

TEST_F(ZombieTurnTest, EHandsTheTurnToTheZombiesWhoGiveItBackWithPointsRefilled) {
  Person* m = AddMember(2, 4);
  m->actionPoints = 1;
  m->life = 2;
  Person* z = Zombie(8, 4, 4);
  StartGameScreen();
  BuildHudList();
  SelectMember(0);
  fake.SetMouse(300, 100);
  fake.Press(HGEK_E);
  RunFrame();
  EXPECT_EQ(screenState, PHASE_ZOMBIES_PLAN);
  fake.Lift(HGEK_E);
  int frames = 0;
  while (screenState != PHASE_INPUT && frames < 1000) {
    RunFrame();
    ++frames;
  }
  ASSERT_EQ(screenState, PHASE_INPUT);
  EXPECT_EQ(m->actionPoints, 3);   // one left plus life 2, below the maximum of 4
  EXPECT_EQ(z->cell, Cell(6, 4));  // two steps of one point each
  EXPECT_EQ(z->x, 6);              // and the drawing cell has followed
  EXPECT_EQ(z->actionPoints, 0);
}

}  // namespace
