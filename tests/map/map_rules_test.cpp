// Step costs, step kinds and the line of fire, checked against the board's rule tables.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace {

const std::vector<std::string> kWallBox = {"Расчет высоты непроходимого барьера"};

// Costs of one step across a barrier into a floor, for nobody, a gymnast and a zombie, in all four
// directions.
TEST_F(MapTest, StepCostsFollowTheBarrierAndFloorTables) {
  const struct {
    int barrier, floor;
    int nobody, gymnast, zombie;
  } rows[] = {
      {BARRIER_NONE, FLOOR_OPEN, 1, 1, 1},
      {BARRIER_NONE, FLOOR_RAISED, 3, 3, 2},
      {BARRIER_NONE, FLOOR_BLOCKED, -1, -1, -1},
      {BARRIER_NONE_2, FLOOR_OPEN, 1, 1, 1},
      {BARRIER_LOW, FLOOR_BLOCKED, 3, 3, 2},
      {BARRIER_WALL, FLOOR_OPEN, -1, -1, -1},
      {BARRIER_HIGH_FLAT, FLOOR_OPEN, -1, 3, -1},
      {BARRIER_HIGH, FLOOR_BLOCKED, -1, 3, -1},
      {7, FLOOR_OPEN, -1, -1, -1},  // unknown barriers act as walls
      {-1, FLOOR_OPEN, -1, -1, -1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << "barrier " << r.barrier << ", floor " << r.floor);
    const std::string f(1, G(r.floor)), b(1, G(r.barrier));
    // Across: from the middle cell right (its own right edge) and left (the target's right edge).
    ClearFigures();
    Load(MapFile(3, 1, f + "(" + f, b + b + "("));
    AddMember(1, 0, {SKILL_GYMNAST});
    for (int d : {DIR_RIGHT, DIR_LEFT}) {
      EXPECT_EQ(map->MemberStepCost(-1, 1, 0, d, true, false, true), r.nobody);
      EXPECT_EQ(map->MemberStepCost(0, 1, 0, d, true, false, true), r.gymnast);
      EXPECT_EQ(map->ZombieStepCost(1, 0, d, true), r.zombie);
    }
    // Up and down: from the middle cell up (its own top edge) and down (the target's top edge).
    Load(MapFile(1, 3, f + "(" + f, "", "(" + b + b));
    for (int d : {DIR_UP, DIR_DOWN}) {
      EXPECT_EQ(map->MemberStepCost(-1, 0, 1, d, true, false, true), r.nobody);
      EXPECT_EQ(map->ZombieStepCost(0, 1, d, false), r.zombie);
    }
  }
}

// On a 3 x 2 board: a member at (0,0), a zombie at (2,0) and a search spot at (2,1).
TEST_F(MapTest, StepsOffTheGridIntoFiguresOrSpotsFollowTheChecks) {
  Load(MapFile(3, 2, "(((((,"));
  AddMember(0, 0);
  AddZombie(2, 0);
  const struct {
    const char* why;
    bool zombie;
    int x, y, d;
    bool checkZombies, allowSpot, checkMembers;
    int cost;
  } cases[] = {
      {"off the top", false, 0, 0, DIR_UP, false, false, false, -1},
      {"off the right", false, 2, 1, DIR_RIGHT, false, true, false, -1},
      {"no direction", false, 1, 1, DIR_NONE, false, false, false, -1},
      {"from off the grid", false, -3, 7, DIR_RIGHT, false, false, false, -1},
      {"a plain step", false, 1, 1, DIR_LEFT, true, false, true, 1},
      {"into a member, checked", false, 1, 0, DIR_LEFT, false, false, true, -1},
      {"into a zombie, checked", false, 1, 0, DIR_RIGHT, true, false, false, -1},
      {"a member always blocks a zombie", true, 1, 0, DIR_LEFT, false, false, false, -1},
      {"a spot costs nothing when allowed", false, 1, 1, DIR_RIGHT, true, true, true, 0},
      {"a spot is closed otherwise", false, 1, 1, DIR_RIGHT, true, false, true, -1},
      {"a spot is closed to zombies", true, 1, 1, DIR_RIGHT, false, false, false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.zombie ? map->ZombieStepCost(c.x, c.y, c.d, c.checkZombies)
                       : map->MemberStepCost(-1, c.x, c.y, c.d, c.checkZombies, c.allowSpot, c.checkMembers),
              c.cost)
        << c.why;
  }
}

// Kinds of a step right across the start cell's right edge, plain or climbing; impassable barriers are
// reported and still animated as a plain step.
TEST_F(MapTest, StepKindsDependOnBarrierHeightAndStandHeights) {
  const struct {
    int barrier, floorFrom, floorTo;
    bool gymnast;
    int kind;
    float from, to;
    bool reported;
  } rows[] = {
      {BARRIER_NONE, FLOOR_RAISED, FLOOR_RAISED, false, PA_STEP_RIGHT, -22, -22, false},
      {BARRIER_NONE_2, FLOOR_OPEN, FLOOR_RAISED, false, PA_CLIMB_RIGHT, 0, -22, false},
      {BARRIER_LOW_2, FLOOR_RAISED, FLOOR_OPEN, false, PA_CLIMB_RIGHT, -22, 0, false},
      {BARRIER_HIGH_FLAT, FLOOR_OPEN, FLOOR_OPEN, true, PA_STEP_RIGHT, 0, 0, false},
      {BARRIER_HIGH, FLOOR_OPEN, FLOOR_OPEN, true, PA_CLIMB_RIGHT, 0, 0, false},
      {BARRIER_HIGH, FLOOR_OPEN, FLOOR_RAISED, false, PA_CLIMB_RIGHT, 0, -22, true},
      {BARRIER_WALL, FLOOR_OPEN, FLOOR_OPEN, true, PA_STEP_RIGHT, 0, 0, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << "barrier " << r.barrier << (r.gymnast ? ", gymnast" : ""));
    fake.errorBoxes.clear();
    ClearFigures();
    Load(MapFile(2, 1, std::string{G(r.floorFrom), G(r.floorTo)}, std::string{G(r.barrier), '('}));
    AddMember(0, 0, r.gymnast ? std::vector<int32_t>{SKILL_GYMNAST} : std::vector<int32_t>{});
    const step_kind_struct k = map->StepKind(0, 0, DIR_RIGHT);
    EXPECT_EQ(k.kind, r.kind);
    EXPECT_FLOAT_EQ(k.fromHeight, r.from);
    EXPECT_FLOAT_EQ(k.toHeight, r.to);
    EXPECT_EQ(Boxes(), r.reported ? kWallBox : std::vector<std::string>{});
  }
  // The other directions read their own edges. 2 x 2: cell 3 has a low top barrier, cell 2 a wall on its
  // right.
  fake.errorBoxes.clear();
  Load(MapFile(2, 2, "((((", "((*(", "((()"));
  EXPECT_EQ(map->StepKind(-1, 3, DIR_UP).kind, PA_CLIMB_UP);      // up across cell 3's own top edge
  EXPECT_EQ(map->StepKind(-1, 1, DIR_DOWN).kind, PA_CLIMB_DOWN);  // down across the target's top edge
  EXPECT_EQ(map->StepKind(-1, 3, DIR_LEFT).kind, PA_STEP_LEFT);   // left across cell 2's right edge: a wall
  EXPECT_EQ(map->StepKind(-1, 1, DIR_LEFT).kind, PA_STEP_LEFT);
  EXPECT_EQ(Boxes(), kWallBox);
  // Steps that leave the grid read no neighbour.
  map->StepKind(-1, 0, DIR_UP);
  map->StepKind(-1, 3, DIR_RIGHT);
  map->StepKind(-1, 99, DIR_RIGHT);
  EXPECT_EQ(Boxes().size(), 1u);
}

// The line rounds halves down and, on a diagonal step, is open if either corner route is.
TEST_F(MapTest, LineOfFireIsStoppedByWallsSpotsAndMembersButNotByZombiesOrLowBarriers) {
  const struct {
    const char* why;
    int w;
    std::string floor, right, top;
    int member, zombie;  // cells, -1 none
    int x1, y1, x2, y2;
    bool open;
  } cases[] = {
      // (0,0) -> (2,1) visits (1,0), then steps diagonally to (2,1) via (1,1) or (2,0).
      {"open board", 3, "((((((", "", "", -1, -1, 0, 0, 2, 1, true},
      {"one corner walled", 3, "((((((", "(*((((", "", -1, -1, 0, 0, 2, 1, true},
      {"both corners closed", 3, "((((+(", "(*((((", "", -1, -1, 0, 0, 2, 1, false},
      {"the first step is right, not down", 3, "((((((", "", "(((*((", -1, -1, 0, 0, 2, 1, true},
      {"a wall right of the start", 3, "((((((", "*(((((", "(((*((", -1, -1, 0, 0, 2, 1, false},
      {"rough ground, a low barrier, a zombie", 5, "(()((", ")((((", "", -1, 3, 0, 0, 4, 0, true},
      {"a member in the way", 5, "(((((", "", "", 2, -1, 0, 0, 4, 0, false},
      {"a search spot", 5, "((,((", "", "", -1, -1, 0, 0, 4, 0, false},
      {"barrier 3 is none", 5, "(((((", "(((+(", "", -1, -1, 4, 0, 0, 0, true},
      {"the same cell, even off the grid", 5, "(((((", "", "", -1, -1, 9, 9, 9, 9, true},
      {"an end off the grid", 5, "(((((", "", "", -1, -1, 0, 0, 5, 0, false},
  };
  for (const auto& c : cases) {
    ClearFigures();
    Load(MapFile(c.w, static_cast<int>(c.floor.size()) / c.w, c.floor, c.right, c.top));
    if (c.member >= 0) AddMember(c.member % c.w, c.member / c.w);
    if (c.zombie >= 0) AddZombie(c.zombie % c.w, c.zombie / c.w);
    EXPECT_EQ(map->LineOfFire(c.x1, c.y1, c.x2, c.y2), c.open) << c.why;
  }
}

TEST_F(MapTest, RemovingAZombieShiftsTheHigherIndicesAndRemovingAMemberClearsItsCells) {
  Load(MapFile(4, 1, "(((("));
  for (int i = 0; i < 4; ++i) AddZombie(i, 0);
  map->cells[0].zombieBound = 2;  // a zombie drawn one cell away from where it stands
  map->RemoveZombie(1);
  const int here[4] = {0, -1, 1, 2}, bound[4] = {1, -1, 1, 2};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(map->cells[c].zombieHere, here[c]) << c;
    EXPECT_EQ(map->cells[c].zombieBound, bound[c]) << c;
  }
  Load(MapFile(2, 1, "(("));
  ClearFigures();
  AddMember(0, 0);
  AddMember(1, 0);
  map->RemoveMember(0);
  EXPECT_EQ(map->cells[0].memberHere, -1);
  EXPECT_EQ(map->cells[0].memberBound, 0);  // the body is still drawn there
  EXPECT_EQ(map->cells[1].memberHere, 1);
}

}  // namespace
