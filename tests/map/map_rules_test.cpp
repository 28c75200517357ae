// Step costs, step kinds and the line of fire, checked against the board's rule tables.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace {

// The grid character of value v.
char G(int v) {
  return static_cast<char>(40 + v);
}

constexpr int kGymnast = 6;

// One row of the step-cost table: barrier crossed, floor entered, and the three costs.
struct CostRow {
  int barrier, floor;
  int nobody, gymnast, zombie;
};

const CostRow kCosts[] = {
    {0, 0, 1, 1, 1},    {0, 1, 3, 3, 2},   {0, 2, 3, 3, 2},    {0, 3, -1, -1, -1},
    {0, 4, -1, -1, -1}, {3, 0, 1, 1, 1},   {3, 2, 3, 3, 2},    {3, 3, -1, -1, -1},
    {1, 0, 3, 3, 2},    {1, 3, 3, 3, 2},   {4, 4, 3, 3, 2},    {2, 0, -1, -1, -1},
    {5, 0, -1, 3, -1},  {6, 3, -1, 3, -1}, {7, 0, -1, -1, -1}, {-1, 0, -1, -1, -1},
};

TEST_F(MapTest, StepCostsFollowTheBarrierAndFloorTablesInAllFourDirections) {
  for (const CostRow& r : kCosts) {
    const std::string f(1, G(r.floor)), b(1, G(r.barrier));
    // Across: from the middle cell right (its own right edge) and left (the target's right edge).
    Load(MapFile(3, 1, f + "(" + f, b + b + "("));
    AddMember(1, 0, {kGymnast});
    const int across[2] = {2, 4};
    for (int d : across) {
      EXPECT_EQ(map->MemberStepCost(-1, 1, 0, d, true, false, true), r.nobody) << r.barrier << "/" << r.floor;
      EXPECT_EQ(map->MemberStepCost(0, 1, 0, d, true, false, true), r.gymnast) << r.barrier << "/" << r.floor;
      EXPECT_EQ(map->ZombieStepCost(1, 0, d, true), r.zombie) << r.barrier << "/" << r.floor;
    }
    for (Person* p : team) delete p;
    team.clear();
    // Down and up: from the middle cell up (its own top edge) and down (the target's top edge).
    Load(MapFile(1, 3, f + "(" + f, "", "(" + b + b));
    const int along[2] = {1, 3};
    for (int d : along) {
      EXPECT_EQ(map->MemberStepCost(-1, 0, 1, d, true, false, true), r.nobody) << r.barrier << "/" << r.floor;
      EXPECT_EQ(map->ZombieStepCost(0, 1, d, false), r.zombie) << r.barrier << "/" << r.floor;
    }
  }
}

TEST_F(MapTest, SearchSpotsCostNothingOnlyWhenAllowedAndNeverLetZombiesIn) {
  Load(MapFile(2, 1, "(,"));
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 2, true, true, true), 0);
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 2, true, false, true), -1);
  EXPECT_EQ(map->ZombieStepCost(0, 0, 2, false), -1);
}

TEST_F(MapTest, StepsOffTheGridOrWithoutADirectionAreImpossible) {
  Load(MapFile(2, 2, "(((("));
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 1, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 4, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 1, 1, 2, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 1, 1, 3, false, false, false), -1);
  EXPECT_EQ(map->ZombieStepCost(0, 0, 1, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 0, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 5, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, -3, 7, 2, false, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 0, 0, 2, false, false, false), 1);
}

TEST_F(MapTest, OccupiedCellsBlockAsTheChecksSay) {
  Load(MapFile(3, 1, "((("));
  AddMember(0, 0);
  AddZombie(2, 0);
  // From the middle: the member to the left, the zombie to the right.
  EXPECT_EQ(map->MemberStepCost(-1, 1, 0, 4, false, false, true), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 1, 0, 4, true, false, false), 1);
  EXPECT_EQ(map->MemberStepCost(-1, 1, 0, 2, true, false, false), -1);
  EXPECT_EQ(map->MemberStepCost(-1, 1, 0, 2, false, false, true), 1);
  EXPECT_EQ(map->ZombieStepCost(1, 0, 4, false), -1);  // a member always blocks a zombie
  EXPECT_EQ(map->ZombieStepCost(1, 0, 2, false), 1);
  EXPECT_EQ(map->ZombieStepCost(1, 0, 2, true), -1);
}

// One row of the step-kind table for a step right across the start cell's right edge.
struct KindRow {
  int barrier, floorFrom, floorTo;
  bool gymnast;
  int kind;
  float from, to;
  bool reported;
};

TEST_F(MapTest, StepKindsDependOnBarrierHeightAndStandHeights) {
  const KindRow rows[] = {
      {0, 0, 0, false, 7, 0, 0, false},     {3, 0, 2, false, 17, 0, -22, false},
      {0, 2, 2, false, 7, -22, -22, false}, {1, 0, 0, false, 17, 0, 0, false},
      {4, 2, 0, false, 17, -22, 0, false},  {5, 0, 0, true, 7, 0, 0, false},
      {6, 0, 0, true, 17, 0, 0, false},     {5, 0, 0, false, 7, 0, 0, true},
      {6, 0, 2, false, 17, 0, -22, true},   {2, 0, 0, true, 7, 0, 0, true},
      {7, 0, 0, false, 7, 0, 0, true},
  };
  for (const KindRow& r : rows) {
    fake.errorBoxes.clear();
    Load(MapFile(2, 1, std::string{G(r.floorFrom), G(r.floorTo)}, std::string{G(r.barrier), '('}));
    AddMember(0, 0, r.gymnast ? std::vector<int32_t>{kGymnast} : std::vector<int32_t>{});
    const step_kind_struct k = map->StepKind(0, 0, 2);
    EXPECT_EQ(k.kind, r.kind) << r.barrier << "/" << r.gymnast;
    EXPECT_FLOAT_EQ(k.fromHeight, r.from);
    EXPECT_FLOAT_EQ(k.toHeight, r.to);
    EXPECT_EQ(Boxes(), r.reported ? std::vector<std::string>{"Расчет высоты непроходимого барьера"}
                                  : std::vector<std::string>{})
        << r.barrier << "/" << r.gymnast;
    for (Person* p : team) delete p;
    team.clear();
  }
}

TEST_F(MapTest, StepKindsOfTheOtherDirectionsReadTheirOwnEdges) {
  // 2 x 2: cell 3 (bottom right) has a low top barrier, cell 2 (bottom left) a wall on its right.
  Load(MapFile(2, 2, "((((", "((*(", "((()"));
  EXPECT_EQ(map->StepKind(-1, 3, 1).kind, 15);  // up across cell 3's own top edge
  EXPECT_EQ(map->StepKind(-1, 1, 3).kind, 19);  // down across the target's top edge
  EXPECT_EQ(map->StepKind(-1, 3, 4).kind, 11);  // left across cell 2's right edge: a wall, reported
  EXPECT_EQ(map->StepKind(-1, 0, 3).kind, 9);
  EXPECT_EQ(map->StepKind(-1, 1, 4).kind, 11);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Расчет высоты непроходимого барьера"});
  // Steps that leave the grid read no neighbour.
  map->StepKind(-1, 0, 1);
  map->StepKind(-1, 3, 2);
  map->StepKind(-1, 99, 2);
  EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(MapTest, LineOfFireRoundsHalvesDownAndTriesBothCorners) {
  // (0,0) -> (2,1) visits (1,0), then steps diagonally to (2,1) via (1,1) or (2,0).
  Load(MapFile(3, 2, "(((((("));
  EXPECT_TRUE(map->LineOfFire(0, 0, 2, 1));
  Load(MapFile(3, 2, "(((((("));
  map->cells[1].rightBarrier = 2;  // (1,0) | (2,0)
  EXPECT_TRUE(map->LineOfFire(0, 0, 2, 1));
  map->cells[4].floor = 3;  // (1,1) blocked as well: neither corner route is open
  EXPECT_FALSE(map->LineOfFire(0, 0, 2, 1));
  map->cells[1].rightBarrier = 0;
  EXPECT_TRUE(map->LineOfFire(0, 0, 2, 1));
  // The first step goes to (1,0), not (1,1): a wall under (0,0) does not matter, one right of it does.
  Load(MapFile(3, 2, "(((((("));
  map->cells[3].topBarrier = 2;
  EXPECT_TRUE(map->LineOfFire(0, 0, 2, 1));
  map->cells[0].rightBarrier = 2;
  EXPECT_FALSE(map->LineOfFire(0, 0, 2, 1));
  EXPECT_FALSE(map->LineOfFire(2, 1, 0, 0));
}

TEST_F(MapTest, LineOfFireIsStoppedByWallsSpotsAndMembersButNotByZombiesOrLowBarriers) {
  Load(MapFile(5, 1, "(((((", ")(((("));
  map->cells[2].floor = 1;
  AddZombie(3, 0);
  EXPECT_TRUE(map->LineOfFire(0, 0, 4, 0));
  EXPECT_TRUE(map->LineOfFire(4, 0, 0, 0));
  AddMember(2, 0);
  EXPECT_FALSE(map->LineOfFire(0, 0, 4, 0));
  EXPECT_TRUE(map->LineOfFire(0, 0, 1, 0));
  Load(MapFile(5, 1, "((,(("));
  EXPECT_FALSE(map->LineOfFire(0, 0, 4, 0));
  Load(MapFile(5, 1, "(((((", "(((+("));
  EXPECT_TRUE(map->LineOfFire(4, 0, 0, 0));  // barrier 3 is none
  // The same cell is always open; an end off the grid never is.
  EXPECT_TRUE(map->LineOfFire(9, 9, 9, 9));
  EXPECT_FALSE(map->LineOfFire(0, 0, 5, 0));
  EXPECT_FALSE(map->LineOfFire(-1, 0, 2, 0));
}

TEST_F(MapTest, RemovingAZombieShiftsTheHigherIndicesAndRemovingAMemberClearsItsCells) {
  Load(MapFile(4, 1, "(((("));
  for (int i = 0; i < 4; ++i) AddZombie(i, 0);
  map->cells[0].zombieBound = 2;  // a zombie drawn one cell away from where it stands
  map->RemoveZombie(1);
  EXPECT_EQ(map->cells[0].zombieHere, 0);
  EXPECT_EQ(map->cells[0].zombieBound, 1);
  EXPECT_EQ(map->cells[1].zombieHere, -1);
  EXPECT_EQ(map->cells[1].zombieBound, -1);
  EXPECT_EQ(map->cells[2].zombieHere, 1);
  EXPECT_EQ(map->cells[3].zombieHere, 2);
  EXPECT_EQ(map->cells[3].zombieBound, 2);
  Load(MapFile(2, 1, "(("));
  AddMember(0, 0);
  AddMember(1, 0);
  map->RemoveMember(0);
  EXPECT_EQ(map->cells[0].memberHere, -1);
  EXPECT_EQ(map->cells[0].memberBound, 0);  // the body is still drawn there
  EXPECT_EQ(map->cells[1].memberHere, 1);
}

}  // namespace
