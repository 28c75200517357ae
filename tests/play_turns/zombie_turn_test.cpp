// The zombies' turn: entry at the edge, the planner's blows and steps, and the start of the next turn.

#include "play_actions/play_support.h"

namespace {

using V = std::vector<int>;

class ZombieTurnTest : public PlayTest {
 protected:
  // Builds the zombie field on the figures as they stand.
  static void Field() {
    screenState = PHASE_ZOMBIES_PLAN;
    gameMap->pathsStale = true;
    gameMap->DrivePathSearch(PHASE_ZOMBIES_PLAN);
    ASSERT_EQ(gameMap->searchMember, -1) << "the field should be complete";
  }

  static Person* Zombie(int x, int y, int facing) {
    Person* z = AddZombie(x, y);
    z->SetDirection(facing);
    return z;
  }
};

// Only the first neighbour strikes; the second side-steps and holds its new cell at once.
TEST_F(ZombieTurnTest, OnlyTheFirstNeighbourStrikesTheSecondSideStepsAndHoldsItsNewCellAtOnce) {
  Person* m = AddMember(4, 4);
  Person* a = Zombie(4, 3, DIR_DOWN);  // above the member, facing it
  Person* b = Zombie(5, 4, DIR_LEFT);  // right of the member, facing it
  Field();
  Feed({751, 149, 0});  // a's blow lands (0.751 > 0.75); b side-steps (0.149 < 0.15), upwards
  PlanZombies(0.0f);
  EXPECT_EQ(Types(a), (V{PA_ZOMBIE_STRIKE, PA_ZOMBIE_FACE}));
  EXPECT_EQ(a->actionPoints, 1);
  EXPECT_EQ(Types(m), (V{PA_WAIT, PA_WOUND, PA_FACE}));
  // One right turn from left to up, then a step up.
  EXPECT_EQ(Types(b), (V{PA_ZOMBIE_TURN_RIGHT, PA_STEP_UP, PA_STEP_UP_END, PA_ZOMBIE_FACE}));
  EXPECT_EQ(b->actionPoints, 1);
  EXPECT_EQ(b->cell, Cell(5, 3));
  EXPECT_EQ(gameMap->cells[Cell(5, 3)].zombieHere, 1);
  EXPECT_EQ(gameMap->cells[Cell(5, 4)].zombieHere, -1);
  EXPECT_EQ(b->secondCell, Cell(5, 4));  // drawn where it was until the step plays
  EXPECT_EQ(screenState, PHASE_ZOMBIES_ACTING);
}

// A zombie's turns delay its victim and every zombie planned after it.
TEST_F(ZombieTurnTest, TurnsDelayTheVictimAndEveryLaterZombie) {
  Person* m = AddMember(4, 4);
  Person* a = Zombie(4, 3, DIR_UP);    // next to the member but facing away: two right turns
  Person* b = Zombie(0, 4, DIR_UP);    // one right turn to walk right
  Person* c = Zombie(9, 4, DIR_LEFT);  // already faces its way
  Field();
  Feed({750});  // at 0.75 the blow misses
  PlanZombies(0.0f);
  EXPECT_EQ(Types(a), (V{PA_ZOMBIE_TURN_RIGHT, PA_ZOMBIE_TURN_RIGHT, PA_ZOMBIE_STRIKE, PA_ZOMBIE_FACE}));
  EXPECT_EQ(Types(m), (V{PA_WAIT, PA_RECOIL, PA_FACE}));
  EXPECT_FLOAT_EQ(m->actions[0].p1, 0.4f);
  EXPECT_EQ(Types(b),
            (V{PA_ZOMBIE_WAIT, PA_ZOMBIE_TURN_RIGHT, PA_STEP_RIGHT, PA_STEP_RIGHT_END, PA_ZOMBIE_FACE}));
  EXPECT_FLOAT_EQ(b->actions[0].p1, 0.4f);
  EXPECT_EQ(Types(c), (V{PA_ZOMBIE_WAIT, PA_STEP_LEFT, PA_STEP_LEFT_END, PA_ZOMBIE_FACE}));
  EXPECT_FLOAT_EQ(c->actions[0].p1, 0.6f);
}

// A neighbour without a victim steps instead of striking; a blocked zombie keeps its points.
TEST_F(ZombieTurnTest, ANeighbourWithoutVictimStepsInsteadAndABlockedZombieKeepsItsPoints) {
  Person* m = AddMember(0, 6);
  AddMember(8, 1);
  Person* a = Zombie(8, 2, DIR_UP);       // the field says a member is above it, but nobody is there
  Person* rear = Zombie(3, 6, DIR_LEFT);  // finds the front zombie in its way
  Person* front = Zombie(2, 6, DIR_LEFT);
  Person* b = Zombie(0, 5, DIR_DOWN);  // strikes: a's was no blow
  Field();
  gameMap->cells[Cell(8, 1)].memberHere = -1;
  Feed({150, 100});  // 0.15 is no side-step for the rear zombie; b's blow misses
  PlanZombies(0.0f);
  EXPECT_EQ(Types(a), (V{PA_STEP_UP, PA_STEP_UP_END, PA_ZOMBIE_FACE}));
  EXPECT_EQ(a->actionPoints, 1);
  EXPECT_TRUE(rear->actions.empty());
  EXPECT_EQ(rear->actionPoints, 2);
  EXPECT_EQ(front->cell, Cell(1, 6));
  EXPECT_EQ(Types(b), (V{PA_ZOMBIE_STRIKE, PA_ZOMBIE_FACE}));
  EXPECT_EQ(Types(m), (V{PA_WAIT, PA_RECOIL, PA_FACE}));
}

// A new zombie enters only on free open edge ground away from the placed members.
TEST_F(ZombieTurnTest, ANewZombieEntersOnlyOnFreeOpenEdgeGroundAwayFromTheTeam) {
  std::string floor(80, '0');
  floor[3 * 10 + 9] = '1';  // (9, 3) is rough ground
  UseMap(TestMapFile(10, 8, floor));
  AddMember(1, 1);
  team.push_back(new Person(HTEXTURE{0}, 0, 11, 0, 0));  // never placed, as the start leaves one without room
  team.back()->cell = -1;
  team.back()->alive = 0;
  team.back()->y = 5;  // its position says nothing, though it lies next to (0, 6)
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
  EXPECT_EQ(z->direction, DIR_RIGHT);
  EXPECT_EQ(z->cell, Cell(0, 6));
  EXPECT_EQ(z->secondCell, Cell(0, 6));
  EXPECT_EQ(gameMap->cells[Cell(0, 6)].zombieHere, 1);
  EXPECT_EQ(gameMap->cells[Cell(0, 6)].zombieBound, 1);
  EXPECT_EQ(earlier->actionPoints, 2);
  EXPECT_EQ(z->actionPoints, 2);
  EndPlayerTurn();  // the map holds its count already
  EXPECT_EQ(zombies.size(), 2u);
}

// The random entry search is bounded: a scan finds the last free cell, a full edge skips the entry.
TEST_F(ZombieTurnTest, AnEdgeWithoutRoomEndsTheSearchAndSkipsTheEntry) {
  // Only (9, 7) is open ground on the edge; the random draws keep missing it, the scan finds it.
  std::string floor(80, '1');
  for (int y = 1; y < 7; ++y) floor.replace(y * 10 + 1, 8, 8, '0');
  floor[79] = '0';
  UseMap(TestMapFile(10, 8, floor));
  AddMember(4, 4);
  gameMap->zombieCount = 5;
  for (int k = 0; k < 1100; ++k) Feed({0, 0});  // the top edge at (0, 0) again and again
  EndPlayerTurn();
  ASSERT_EQ(zombies.size(), 1u);
  EXPECT_EQ(zombies[0]->cell, Cell(9, 7));
  EndPlayerTurn();  // now that cell is taken too: nobody enters, and the call returns
  EXPECT_EQ(zombies.size(), 1u);
}

// The next turn refills points by life or in full and counts the painkiller down; the dead get nothing.
TEST_F(ZombieTurnTest, TheNextTurnRefillsByLifeOrInFullAndCountsThePainkillerDown) {
  struct Case {
    int points, life, painkiller, skill, first, second;  // points after one turn and after the next
  };
  const Case cases[] = {{1, 4, 0, 0, 4, 4},                 // rested: up to the maximum
                        {0, 2, 0, 0, 2, 4},                 // wounded: regains its life
                        {0, 1, 1, 0, 4, 1},                 // a painkiller for one more turn
                        {0, 1, 0, SKILL_ANALGESIA, 4, 4}};  // analgesia
  for (const Case& c : cases) {
    Person* p = AddMember(2 * static_cast<int>(team.size()), 0);
    p->actionPoints = c.points;
    p->life = c.life;
    p->painkillerTurns = c.painkiller;
    if (c.skill) p->skills = {c.skill};
  }
  StartNewTurn();
  for (size_t i = 0; i < team.size(); ++i) EXPECT_EQ(team[i]->actionPoints, cases[i].first) << i;
  EXPECT_EQ(team[2]->painkillerTurns, 0);
  for (Person* p : team) p->actionPoints = 0;
  team[1]->alive = 0;
  StartNewTurn();
  for (size_t i = 0; i < team.size(); ++i)
    EXPECT_EQ(team[i]->actionPoints, i == 1 ? 0 : cases[i].second) << i;
  EXPECT_EQ(screenState, PHASE_INPUT);
  EXPECT_EQ(outcome, OUTCOME_NONE);
  for (Person* p : team) p->alive = 0;
  StartNewTurn();
  EXPECT_EQ(outcome, OUTCOME_LOST);  // the game screen shows the end once its frame is done
}

}  // namespace
