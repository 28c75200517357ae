// The member and zombie searches against a plain Dijkstra, their pacing over frames, path marks, targets.
#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <random>

#include "engine/sprite.h"
#include "game/item.h"
#include "map_fixture.h"

namespace {

constexpr int kGymnast = 6;

// Cheapest costs from `sources` by Dijkstra; `pinned` cells hold 0 but are never expanded.
// Costs of the cell count or more count as unreached, as the game's tables store them.
std::vector<int> Dijkstra(const Map& m, const std::vector<int>& sources, const std::vector<int>& pinned,
                          const std::function<int(int, int, int)>& step) {
  std::vector<int> dist(m.cellCount, INT32_MAX);
  using Entry = std::pair<int, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  for (int c : pinned) dist[c] = 0;
  for (int c : sources) {
    dist[c] = 0;
    open.push({0, c});
  }
  std::vector<bool> closed(m.cellCount, false);
  while (!open.empty()) {
    const auto [d, c] = open.top();
    open.pop();
    if (closed[c]) continue;
    closed[c] = true;
    const int x = c % m.W, y = c / m.W;
    const int dx[5] = {0, 0, 1, 0, -1}, dy[5] = {0, -1, 0, 1, 0};
    for (int dir = 1; dir <= 4; ++dir) {
      const int cost = step(x, y, dir);
      if (cost < 0) continue;
      const int n = (y + dy[dir]) * m.W + x + dx[dir];
      if (d + cost < dist[n]) {
        dist[n] = d + cost;
        open.push({dist[n], n});
      }
    }
  }
  for (int& d : dist) d = std::min(d, m.cellCount);
  return dist;
}

// The cell a route into `cell` came from, by the arrival direction.
int Previous(const Map& m, int cell, int direction) {
  switch (direction) {
    case 1:
      return cell + m.W;
    case 2:
      return cell - 1;
    case 3:
      return cell - m.W;
    default:
      return cell + 1;
  }
}

class PathTest : public MapTest {
 protected:
  // A random board with members (some dead, some gymnasts) and zombies on it.
  void RandomBoard(std::mt19937& rng) {
    for (Person* p : team) delete p;
    for (Person* p : zombies) delete p;
    team.clear();
    zombies.clear();
    const int w = std::uniform_int_distribution<int>(1, 12)(rng);
    const int h = std::uniform_int_distribution<int>(1, 12)(rng);
    Load(MapFile(w, h, std::string(static_cast<size_t>(w * h), '(')));
    const int floors[10] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    const int barriers[16] = {0, 0, 0, 0, 0, 0, 0, 0, 3, 1, 4, 2, 5, 6, 7, -1};
    for (map_cell_struct& c : map->cells) {
      c.floor = static_cast<int16_t>(floors[rng() % 10]);
      c.rightBarrier = static_cast<int16_t>(barriers[rng() % 16]);
      c.topBarrier = static_cast<int16_t>(barriers[rng() % 16]);
    }
    std::vector<int> freeCells(w * h);
    for (int i = 0; i < w * h; ++i) freeCells[i] = i;
    std::shuffle(freeCells.begin(), freeCells.end(), rng);
    const int members = std::min<int>(1 + rng() % 4, w * h);
    const int zombieCount = std::min<int>(rng() % 4, w * h - members);
    for (int i = 0; i < members; ++i) {
      const int c = freeCells[i];
      Person* p =
          AddMember(c % w, c / w, rng() % 3 == 0 ? std::vector<int32_t>{kGymnast} : std::vector<int32_t>{});
      if (rng() % 4 == 0) {
        p->alive = 0;
        map->cells[c].memberHere = -1;
      }
    }
    for (int i = 0; i < zombieCount; ++i) AddZombie(freeCells[members + i] % w, freeCells[members + i] / w);
    selectedMember = static_cast<int>(rng() % (members + 1)) - 1;
    if (selectedMember >= 0 && !team[selectedMember]->alive) selectedMember = -1;
    const float cycles[4] = {1.0f, 2.5f, 7.0f, 1.0e9f};
    PATH_FINDING_CICLES = cycles[rng() % 4];
  }
};

TEST_F(PathTest, SearchesFindTheCheapestCostsOfADijkstraOnRandomBoards) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    RandomBoard(rng);
    const Map& m = *map;
    SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(m.W) + "x" + std::to_string(m.H));

    map->pathsStale = true;
    FinishSearch(0);
    ASSERT_EQ(m.searchMember, -1);
    EXPECT_TRUE(m.marksStale);
    for (int i = 0; i < static_cast<int>(team.size()); ++i) {
      EXPECT_TRUE(m.pathDone[i]);
      if (!team[i]->alive) continue;
      auto step = [&](int x, int y, int d) { return m.MemberStepCost(i, x, y, d, true, false, true); };
      const std::vector<int> expected = Dijkstra(m, {team[i]->cell}, {}, step);
      for (int c = 0; c < m.cellCount; ++c) {
        const man_ap_struct& e = m.cells[c].paths[i];
        ASSERT_EQ(e.cost, expected[c]) << "member " << i << " cell " << c;
        if (e.cost == 0 || e.cost == m.cellCount) continue;
        // Every reached cell's direction names a predecessor whose cost plus the step is its cost.
        const int prev = Previous(m, c, e.direction);
        ASSERT_EQ(e.cost, m.cells[prev].paths[i].cost +
                              m.MemberStepCost(i, prev % m.W, prev / m.W, e.direction, true, false, true));
        const std::vector<int> route = m.PathBack(i, c);
        ASSERT_FALSE(route.empty());
        EXPECT_EQ(route.front(), c);
      }
    }

    map->pathsStale = true;
    FinishSearch(2);
    ASSERT_EQ(m.searchMember, -1);
    std::vector<int> living, dead;
    for (const Person* p : team) (p->alive ? living : dead).push_back(p->cell);
    auto step = [&](int x, int y, int d) { return m.ZombieStepCost(x, y, d, false); };
    const std::vector<int> expected = Dijkstra(m, living, dead, step);
    for (int c = 0; c < m.cellCount; ++c) {
      const map_cell_struct& cell = m.cells[c];
      ASSERT_EQ(cell.zombieDistance, expected[c]) << "cell " << c;
      if (cell.zombieDistance == 0 || cell.zombieDistance == m.cellCount) continue;
      const int prev = Previous(m, c, cell.zombieDirection);
      ASSERT_EQ(cell.zombieDistance,
                m.cells[prev].zombieDistance +
                    m.ZombieStepCost(prev % m.W, prev / m.W, cell.zombieDirection, false));
    }
  }
}

TEST_F(PathTest, EnclosedMemberReachesOnlyItsOwnCellAndTheSearchEndsAtOnce) {
  // Walls on all four sides of the middle cell of a 3 x 3 board.
  Load(MapFile(3, 3, "(((((((((", "((((*(((("));
  map->cells[4].topBarrier = map->cells[7].topBarrier = 2;
  map->cells[3].rightBarrier = 2;
  AddMember(1, 1);
  PATH_FINDING_CICLES = 1.0f;
  map->pathsStale = true;
  map->DrivePathSearch(0);  // the one expansion finds nothing
  EXPECT_EQ(map->searchMember, 0);
  EXPECT_TRUE(searchRunning);
  map->DrivePathSearch(0);  // the empty queue ends the search
  EXPECT_EQ(map->searchMember, -1);
  EXPECT_TRUE(map->pathDone[0]);
  map->DrivePathSearch(0);
  EXPECT_FALSE(searchRunning);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(map->cells[c].paths[0].cost, c == 4 ? 0 : 9);
}

TEST_F(PathTest, StepsPerFrameAreTheWholeCountOfTheSetting) {
  const auto reachedAfterOneFrame = [this](float cycles) {
    Load(MapFile(8, 1, std::string(8, '(')));
    for (Person* p : team) delete p;
    team.clear();
    AddMember(0, 0);
    PATH_FINDING_CICLES = cycles;
    map->pathsStale = true;
    map->DrivePathSearch(0);
    int reached = 0;
    for (const map_cell_struct& c : map->cells) reached += c.paths[0].cost < 8 ? 1 : 0;
    return reached;
  };
  EXPECT_EQ(reachedAfterOneFrame(2.0f), 3);  // own cell and two more
  EXPECT_EQ(reachedAfterOneFrame(2.5f), 4);
  EXPECT_EQ(reachedAfterOneFrame(0.3f), 2);
  EXPECT_EQ(reachedAfterOneFrame(0.0f), 1);
  // With no steps at all the search never moves on, however many frames pass.
  for (int i = 0; i < 50; ++i) map->DrivePathSearch(1);
  EXPECT_EQ(map->searchMember, 0);
  EXPECT_FALSE(map->pathDone[0]);
  EXPECT_EQ(map->searchQueue.size(), 1u);
  EXPECT_TRUE(searchRunning);
}

TEST_F(PathTest, MemberSearchStartsWithTheSelectedMemberThenGoesHighestIndexFirst) {
  Load(MapFile(6, 1, std::string(6, '(')));
  AddMember(0, 0);
  AddMember(2, 0);
  AddMember(4, 0);
  Person* dead = AddMember(5, 0);
  dead->alive = 0;
  map->cells[5].memberHere = -1;
  map->cells[5].paths[3].cost = 77;
  selectedMember = 1;
  PATH_FINDING_CICLES = 0.0f;
  map->pathsStale = true;
  map->DrivePathSearch(0);
  EXPECT_TRUE(map->pathDone[3]);  // the dead need no table
  std::vector<int> order{map->searchMember};
  for (int i = 0; i < 1000 && map->searchMember >= 0; ++i) {
    map->MemberSearchStep();
    if (map->searchMember != order.back()) order.push_back(map->searchMember);
  }
  EXPECT_EQ(order, (std::vector<int>{1, 2, 0, -1}));
  EXPECT_EQ(map->cells[5].paths[3].cost, 77);
  // Members block each other; the dead body in cell 5 no longer does.
  EXPECT_EQ(map->cells[1].paths[1].cost, 1);
  EXPECT_EQ(map->cells[5].paths[1].cost, 6);
  EXPECT_EQ(map->cells[5].paths[2].cost, 1);
  EXPECT_EQ(map->cells[1].paths[0].cost, 1);
  EXPECT_EQ(map->cells[3].paths[0].cost, 6);
}

TEST_F(PathTest, OnlyExistingMembersAreLookedAtForTheNextSearch) {
  Load(MapFile(3, 1, "((("));
  AddMember(0, 0);
  AddMember(2, 0);
  map->pathDone = {false, false, false, false};
  map->pathsStale = true;
  FinishSearch(0);
  EXPECT_EQ(map->searchMember, -1);
  EXPECT_TRUE(map->pathDone[0]);
  EXPECT_TRUE(map->pathDone[1]);
  EXPECT_FALSE(map->pathDone[3]);
}

TEST_F(PathTest, StaleFlagDuringASearchStartsItAfreshFromTheNewPositions) {
  Load(MapFile(6, 1, std::string(6, '(')));
  Person* p = AddMember(0, 0);
  PATH_FINDING_CICLES = 2.0f;
  map->pathsStale = true;
  map->DrivePathSearch(0);
  map->cells[0].memberHere = -1;
  p->cell = 5;
  map->cells[5].memberHere = 0;
  map->pathsStale = true;
  FinishSearch(0);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(map->cells[c].paths[0].cost, 5 - c);
}

TEST_F(PathTest, SearchSpotsStayUnreachedAndDeadMembersAnchorTheZombieFieldWithoutSpreadingIt) {
  Load(MapFile(6, 1, "(((,(("));
  Person* dead = AddMember(0, 0);
  dead->alive = 0;
  map->cells[0].memberHere = -1;
  AddMember(2, 0);
  map->pathsStale = true;
  FinishSearch(0);
  EXPECT_EQ(map->cells[3].paths[1].cost, 6);
  EXPECT_EQ(map->cells[4].paths[1].cost, 6);
  map->pathsStale = true;
  FinishSearch(3);
  const int expected[6] = {0, 1, 0, 6, 6, 6};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(map->cells[c].zombieDistance, expected[c]) << c;
  EXPECT_EQ(map->cells[1].zombieDirection, 4);  // reached from the living member on its right
  EXPECT_EQ(map->cells[0].zombieDirection, -1);
}

TEST_F(PathTest, PathMarksSplitAtTheActionPoints) {
  Load(MapFile(7, 1, "(((((((", "((((((("));
  map->cells[5].rightBarrier = 2;
  Person* p = AddMember(0, 0);
  p->actionPoints = 3;
  selectedMember = 0;
  map->pathsStale = true;
  FinishSearch(0);
  map->cursorCell = 4;
  map->MarkPath();
  const int marks[7] = {0, 1, 1, 1, 2, 0, 0};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(map->cells[c].pathMark, marks[c]) << c;
  EXPECT_EQ(map->PathBack(0, 4), (std::vector<int>{4, 3, 2, 1}));
  // The member's own cell and an unreached cell mark nothing, and old marks go.
  map->cursorCell = 0;
  map->MarkPath();
  for (const map_cell_struct& c : map->cells) EXPECT_EQ(c.pathMark, 0);
  map->cursorCell = 4;
  map->MarkPath();
  map->cursorCell = 6;
  map->MarkPath();
  for (const map_cell_struct& c : map->cells) EXPECT_EQ(c.pathMark, 0);
}

TEST_F(PathTest, WalkBackOverABrokenTableEndsWithoutARoute) {
  Load(MapFile(3, 1, "((("));
  AddMember(2, 0);
  selectedMember = 0;
  // Cells 0 and 1 point at each other: a cycle no search could leave behind.
  map->cells[0].paths[0] = {2, 4};
  map->cells[1].paths[0] = {1, 2};
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  map->cells[1].paths[0] = {1, 9};
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  map->cells[2].paths[0] = {0, 0};
  map->cells[1].paths[0] = {1, 2};  // arrived going right: it came from cell 0, off the own cell
  map->cursorCell = 1;
  map->MarkPath();
  for (const map_cell_struct& c : map->cells) EXPECT_EQ(c.pathMark, 0);
  EXPECT_TRUE(map->PathBack(0, -1).empty());
  EXPECT_TRUE(map->PathBack(4, 1).empty());
}

class TargetTest : public PathTest {
 protected:
  TargetTest() {
    Load(MapFile(7, 7, std::string(49, '(')));
    shooter = AddMember(3, 3);
    shooter->active = &weapon;
    selectedMember = 0;
  }

  // Arms the shooter with an item of `kind` whose selected action is `id`.
  void Arm(int kind, int id, int range) {
    weapon.kind = kind;
    weapon.range = static_cast<int16_t>(range);
    weapon.actions.clear();
    weapon.AddAction(id, 1, 0);
    weapon.selectedAction = 0;
  }

  std::vector<int> Targetable() {
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(zombies.size()); ++i) {
      if (zombies[i]->targetable) out.push_back(i);
    }
    return out;
  }

  Item weapon{-1};
  Person* shooter = nullptr;
};

TEST_F(TargetTest, MeleeReachesTheFourNeighboursOnly) {
  for (auto [x, y] : std::vector<std::pair<int, int>>{{3, 2}, {4, 3}, {3, 4}, {2, 3}, {4, 4}, {3, 1}}) {
    AddZombie(x, y);
  }
  Arm(KIND_HANDS, ACT_HIT, 1);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0, 1, 2, 3}));
  map->cells[map->CellIndex(3, 3)].rightBarrier = 2;
  Arm(KIND_HAND_WEAPON, ACT_HIT, 1);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0, 2, 3}));
}

TEST_F(TargetTest, GunsReachTheirRangeAlongAnOpenLine) {
  AddZombie(5, 4);  // 2 across and 1 down: distance 3
  AddZombie(5, 5);  // distance 4
  AddZombie(0, 3);  // distance 3 to the left
  Arm(KIND_FIREARM, ACT_SHOT, 3);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0, 2}));
  Arm(KIND_FIREARM, ACT_BURST, 4);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0, 1, 2}));
  // A member standing in the way closes the line; a zombie in the way does not.
  AddMember(1, 3);
  AddZombie(4, 3);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0, 1, 3}));
  // A wall on the shooter's right: the diagonal line still finds its way round the corner below.
  map->cells[map->CellIndex(3, 3)].rightBarrier = 2;
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{1}));
}

TEST_F(TargetTest, NothingIsTargetableWithoutAUsableWeaponAndLostTargetsTurnWhite) {
  Person* near = AddZombie(3, 2);
  Person* far = AddZombie(3, 0);
  Arm(KIND_FIREARM, ACT_SHOT, 3);
  map->MarkTargets();
  ASSERT_EQ(Targetable(), (std::vector<int>{0, 1}));
  for (Person* z : zombies) {
    z->tint = static_cast<int32_t>(0xFFFF0000);
    z->sprite->SetColor(0xFFFF0000);
  }
  Arm(KIND_HANDS, ACT_HIT, 1);
  map->MarkTargets();
  EXPECT_EQ(Targetable(), (std::vector<int>{0}));
  EXPECT_EQ(near->sprite->GetColor(), 0xFFFF0000u);  // still a target: keeps flashing
  EXPECT_EQ(far->sprite->GetColor(), 0xFFFFFFFFu);
  EXPECT_EQ(far->tint, -1);

  const auto none = [this](const char* why) {
    map->MarkTargets();
    EXPECT_EQ(Targetable(), (std::vector<int>{})) << why;
    Arm(KIND_HANDS, ACT_HIT, 1);
  };
  Arm(KIND_BAG, ACT_HIT, 1);
  none("not a weapon");
  Arm(KIND_HANDS, ACT_RELOAD, 1);
  none("not an attack");
  weapon.selectedAction = 3;
  none("no such action");
  weapon.actions.clear();
  none("no actions");
  shooter->alive = 0;
  none("dead");
  shooter->alive = 1;
  selectedMember = -1;
  none("nobody selected");
}

}  // namespace
