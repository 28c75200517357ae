// The member and zombie searches against a plain Dijkstra, their pacing over frames, path marks, targets.
#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <random>

#include "engine/sprite.h"
#include "game/item.h"
#include "map_fixture.h"

namespace {

// The reference's own steps, not the game's helpers: directions 1..4 are up, right, down, left.
const int kDx[5] = {0, 0, 1, 0, -1}, kDy[5] = {0, -1, 0, 1, 0};

// Cheapest costs from `sources` by Dijkstra; `pinned` cells hold 0 but are never expanded.
// Costs of the cell count or more count as unreached, as the game's tables store them.
std::vector<int> Dijkstra(const Map& m, const std::vector<int>& sources, const std::vector<int>& pinned,
                          const std::function<int(int, int, int)>& step) {
  std::vector<int> dist(m.cellCount, INT32_MAX);
  std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> open;
  for (int c : pinned) dist[c] = 0;
  for (int c : sources) open.push({dist[c] = 0, c});
  while (!open.empty()) {
    const auto [d, c] = open.top();
    open.pop();
    if (d > dist[c]) continue;
    for (int dir = DIR_UP; dir <= DIR_LEFT; ++dir) {
      const int cost = step(c % m.W, c / m.W, dir);
      const int n = c + kDy[dir] * m.W + kDx[dir];
      if (cost >= 0 && d + cost < dist[n]) open.push({dist[n] = d + cost, n});
    }
  }
  for (int& d : dist) d = std::min(d, m.cellCount);
  return dist;
}

// The cell a route into `cell` came from, by the arrival direction.
int Previous(const Map& m, int cell, int direction) {
  return cell - kDy[direction] * m.W - kDx[direction];
}

class PathTest : public MapTest {
 protected:
  // A random board with barriers, rough ground, spots, members (some dead, some gymnasts), zombies,
  // a random selection and a random step budget.
  void RandomBoard(std::mt19937& rng) {
    ClearFigures();
    const int w = 1 + static_cast<int>(rng() % 12), h = 1 + static_cast<int>(rng() % 12);
    Load(MapFile(w, h));
    const int floors[10] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    const int barriers[16] = {0, 0, 0, 0, 0, 0, 0, 0, 3, 1, 4, 2, 5, 6, 7, -1};
    for (map_cell_struct& c : map->cells) {
      c.floor = static_cast<int16_t>(floors[rng() % 10]);
      c.rightBarrier = static_cast<int16_t>(barriers[rng() % 16]);
      c.topBarrier = static_cast<int16_t>(barriers[rng() % 16]);
    }
    std::vector<int> cells(w * h);
    for (int i = 0; i < w * h; ++i) cells[i] = i;
    std::shuffle(cells.begin(), cells.end(), rng);
    const int members = std::min<int>(1 + rng() % 4, w * h);
    const int zombieCount = std::min<int>(rng() % 4, w * h - members);
    for (int i = 0; i < members; ++i) {
      const bool gymnast = rng() % 3 == 0, alive = rng() % 4 != 0;
      AddMember(cells[i] % w, cells[i] / w,
                gymnast ? std::vector<int32_t>{SKILL_GYMNAST} : std::vector<int32_t>{}, alive);
    }
    for (int i = members; i < members + zombieCount; ++i) AddZombie(cells[i] % w, cells[i] / w);
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

    // The zombie field spreads from the living; the dead are goals at 0 that spread nothing.
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
      if (cell.zombieDistance == 0 || cell.zombieDistance == m.cellCount) {
        EXPECT_EQ(cell.zombieDirection, -1) << "cell " << c;
        continue;
      }
      const int prev = Previous(m, c, cell.zombieDirection);
      ASSERT_EQ(cell.zombieDistance,
                m.cells[prev].zombieDistance +
                    m.ZombieStepCost(prev % m.W, prev / m.W, cell.zombieDirection, false));
    }
  }
}

// The budget is the whole number of steps below the setting (2.5 gives three); with none at all the search
// never moves on. Members go selected first, then highest index first; the dead need no table.
TEST_F(PathTest, SearchPacingAndMemberOrder) {
  Load(MapFile(8, 1));
  AddMember(0, 0);
  PATH_FINDING_CICLES = 2.5f;
  map->pathsStale = true;
  map->DrivePathSearch(0);
  int count = 0;
  for (const map_cell_struct& c : map->cells) count += c.paths[0].cost < 8 ? 1 : 0;
  EXPECT_EQ(count, 4);

  ClearFigures();
  Load(MapFile(6, 1));
  AddMember(0, 0);
  AddMember(2, 0);
  AddMember(4, 0);
  AddMember(5, 0, {}, false);
  map->cells[5].paths[3].cost = 77;
  selectedMember = 1;
  PATH_FINDING_CICLES = 0.0f;
  map->pathsStale = true;
  for (int i = 0; i < 50; ++i) map->DrivePathSearch(i == 0 ? 0 : 1);
  EXPECT_EQ(map->searchMember, 1);
  EXPECT_FALSE(map->pathDone[1]);
  EXPECT_EQ(map->searchQueue.size(), 1u);
  EXPECT_TRUE(searchRunning);
  EXPECT_TRUE(map->pathDone[3]);
  std::vector<int> order{map->searchMember};
  for (int i = 0; i < 1000 && map->searchMember >= 0; ++i) {
    map->MemberSearchStep();
    if (map->searchMember != order.back()) order.push_back(map->searchMember);
  }
  EXPECT_EQ(order, (std::vector<int>{1, 2, 0, -1}));
  EXPECT_EQ(map->cells[5].paths[3].cost, 77);
}

// A stale flag restarts the search from the new positions; with fewer than four members the flags of
// missing members are never read (they once started a search for a member that did not exist).
TEST_F(PathTest, StaleFlagRestartsTheSearchAndOnlyExistingMembersAreLookedAt) {
  Load(MapFile(6, 1));
  Person* p = AddMember(0, 0);
  map->pathDone.fill(false);
  PATH_FINDING_CICLES = 2.0f;
  map->pathsStale = true;
  map->DrivePathSearch(0);
  map->cells[0].memberHere = -1;
  p->cell = 5;
  map->cells[5].memberHere = 0;
  map->pathsStale = true;
  FinishSearch(0);
  EXPECT_EQ(map->searchMember, -1);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(map->cells[c].paths[0].cost, 5 - c);
  EXPECT_FALSE(map->pathDone[1] || map->pathDone[3]);
}

TEST_F(PathTest, PathMarksSplitAtTheActionPointsAndBrokenTablesGiveNoRoute) {
  Load(MapFile(7, 1, "(((((((", "((((((("));
  map->cells[5].rightBarrier = BARRIER_WALL;
  Person* p = AddMember(0, 0);
  p->actionPoints = 3;
  selectedMember = 0;
  map->pathsStale = true;
  FinishSearch(0);
  map->view.cursorCell = 4;
  map->MarkPath();
  const int marks[7] = {0, 1, 1, 1, 2, 0, 0};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(map->cells[c].pathMark, marks[c]) << c;
  EXPECT_EQ(map->PathBack(0, 4), (std::vector<int>{4, 3, 2, 1}));
  // The member's own cell and an unreached cell mark nothing, and old marks go.
  for (int cursor : {0, 6}) {
    map->view.cursorCell = 4;
    map->MarkPath();
    map->view.cursorCell = cursor;
    map->MarkPath();
    for (const map_cell_struct& c : map->cells) EXPECT_EQ(c.pathMark, 0) << cursor;
  }

  // Cells 0 and 1 point at each other: a cycle no search could leave behind ends the walk.
  Load(MapFile(3, 1, "((("));
  map->cells[2].paths[0] = {0, DIR_NONE};
  map->cells[0].paths[0] = {2, DIR_LEFT};
  map->cells[1].paths[0] = {1, DIR_RIGHT};
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  map->cells[1].paths[0] = {1, 9};  // no such direction
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  map->cells[1].paths[0] = {1, DIR_RIGHT};  // arrived going right: from cell 0, which leads back to cell 1
  map->view.cursorCell = 1;
  map->MarkPath();
  for (const map_cell_struct& c : map->cells) EXPECT_EQ(c.pathMark, 0);
  EXPECT_TRUE(map->PathBack(0, -1).empty());
  EXPECT_TRUE(map->PathBack(4, 1).empty());
}

class TargetTest : public MapTest {
 protected:
  TargetTest() { Reset(); }

  // An empty 7 x 7 board with the shooter at (3, 3).
  void Reset() {
    ClearFigures();
    Load(MapFile(7, 7));
    shooter = AddMember(3, 3);
    shooter->active = &weapon;
    selectedMember = 0;
  }

  // Arms the shooter with an item of `kind` whose one action is `id`.
  void Arm(int kind, int id, int range) {
    weapon.kind = kind;
    weapon.range = static_cast<int16_t>(range);
    weapon.actions.clear();
    weapon.AddAction(id, 1, 0);
    weapon.selectedAction = 0;
  }

  std::vector<int> Targetable() {
    map->MarkTargets();
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(zombies.size()); ++i) {
      if (zombies[i]->targetable) out.push_back(i);
    }
    return out;
  }

  Item weapon{-1};
  Person* shooter = nullptr;
};

// The shooter stands at (3, 3) of a 7 x 7 board.
TEST_F(TargetTest, WeaponsReachTheirRangeAlongAnOpenLine) {
  using Cells = std::vector<std::pair<int, int>>;
  const Cells around = {{3, 2}, {4, 3}, {3, 4}, {2, 3}, {4, 4}, {3, 1}};
  const Cells far = {{5, 4}, {5, 5}, {0, 3}};  // distances 3, 4 and 3
  const Cells crowd = {{5, 4}, {5, 5}, {0, 3}, {4, 3}};
  const struct {
    const char* why;
    int kind, id, range;
    Cells zombies, members;
    bool wallRight;
    std::vector<int> targets;
  } cases[] = {
      {"bare hands reach the four neighbours", KIND_HANDS, ACT_HIT, 1, around, {}, false, {0, 1, 2, 3}},
      {"not through a wall", KIND_HAND_WEAPON, ACT_HIT, 1, around, {}, true, {0, 2, 3}},
      {"a shot within its range", KIND_FIREARM, ACT_SHOT, 3, far, {}, false, {0, 2}},
      {"a burst within its range", KIND_FIREARM, ACT_BURST, 4, far, {}, false, {0, 1, 2}},
      {"a member blocks, a zombie does not", KIND_FIREARM, ACT_BURST, 4, crowd, {{1, 3}}, false, {0, 1, 3}},
      {"a wall right: the diagonal goes round below", KIND_FIREARM, ACT_BURST, 4, crowd, {{1, 3}}, true, {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Reset();
    for (auto [x, y] : c.zombies) AddZombie(x, y);
    for (auto [x, y] : c.members) AddMember(x, y);
    if (c.wallRight) map->cells[map->CellIndex(3, 3)].rightBarrier = BARRIER_WALL;
    Arm(c.kind, c.id, c.range);
    EXPECT_EQ(Targetable(), c.targets);
  }
}

TEST_F(TargetTest, NothingIsTargetableWithoutAUsableWeaponAndLostTargetsTurnWhite) {
  AddZombie(3, 2);
  Person* far = AddZombie(3, 0);
  Arm(KIND_FIREARM, ACT_SHOT, 3);
  ASSERT_EQ(Targetable(), (std::vector<int>{0, 1}));
  far->tint = static_cast<int32_t>(0xFFFF0000);
  far->sprite->SetColor(0xFFFF0000);
  Arm(KIND_HANDS, ACT_HIT, 1);
  EXPECT_EQ(Targetable(), (std::vector<int>{0}));
  EXPECT_EQ(far->sprite->GetColor(), 0xFFFFFFFFu);  // no longer a target: stops flashing
  EXPECT_EQ(far->tint, -1);

  const auto none = [this](const char* why) {
    EXPECT_EQ(Targetable(), (std::vector<int>{})) << why;
    Arm(KIND_HANDS, ACT_HIT, 1);
  };
  Arm(KIND_BAG, ACT_HIT, 1);
  none("not a weapon");
  weapon.selectedAction = 3;
  none("no such action");
  shooter->alive = 0;
  none("dead");
  shooter->alive = 1;
  selectedMember = -1;
  none("nobody selected");
}

}  // namespace
