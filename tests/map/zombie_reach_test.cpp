// The zombie reach against a brute force over every step sequence and the game's own zombie field, on
// small boards with barriers, rough and raised ground, members and other zombies in the way.
#include "map/zombie_reach.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include "map_fixture.h"

namespace {

class ZombieReachTest : public MapTest {
 protected:
  // Every cell a blow of some zombie could land on, found the long way: for each cell a member could hold,
  // a lone member there builds the game's zombie field, and every step sequence of every zombie within its
  // points is tried; a blow lands when a place with a point left has field distance 1 pointing at the cell.
  std::vector<int> BruteForce(int points) {
    Map& m = *map;
    std::vector<Person*> realTeam = team;
    std::set<int> out;
    for (int t = 0; t < m.cellCount; ++t) {
      const map_cell_struct& target = m.cells[t];
      const bool ground = target.floor <= FLOOR_RAISED || target.memberHere >= 0;
      if (!ground || target.zombieHere >= 0) continue;
      // The lone member at t; the real members stay where they are and block as ever.
      Person lone(HTEXTURE{900});
      lone.isZombie = 0;
      lone.alive = 1;
      lone.x = t % m.W;
      lone.y = t / m.W;
      lone.cell = static_cast<int16_t>(t);
      const int16_t heldBy = m.cells[t].memberHere;
      m.cells[t].memberHere = 0;
      team = {&lone};
      m.pathsStale = true;
      FinishSearch(2);
      for (int j = 0; j < static_cast<int>(zombies.size()) && !out.count(t); ++j) {
        const int start = zombies[j]->cell;
        m.cells[start].zombieHere = -1;  // the zombie leaves its cell as it goes
        std::function<bool(int, int)> strikes = [&](int c, int left) {
          if (left >= 1 && m.cells[c].zombieDistance == 1) {
            const int d = OppositeDirection(m.cells[c].zombieDirection);
            if (m.CellIndex(c % m.W + StepDX(d), c / m.W + StepDY(d)) == t) return true;
          }
          for (int d = DIR_UP; d <= DIR_LEFT; ++d) {
            const int cost = m.ZombieStepCost(c % m.W, c / m.W, d, true);
            if (cost >= 0 && cost <= left &&
                strikes(m.CellIndex(c % m.W + StepDX(d), c / m.W + StepDY(d)), left - cost))
              return true;
          }
          return false;
        };
        if (strikes(start, points)) out.insert(t);
        m.cells[start].zombieHere = static_cast<int16_t>(j);
      }
      m.cells[t].memberHere = heldBy;
      team = realTeam;
    }
    return {out.begin(), out.end()};
  }

  // A random board: floors with rough, raised, blocked and spot cells, every barrier kind, members and
  // zombies on distinct cells.
  void RandomBoard(std::mt19937& rng) {
    ClearFigures();
    const int w = 1 + static_cast<int>(rng() % 9), h = 1 + static_cast<int>(rng() % 9);
    Load(MapFile(w, h));
    const int floors[10] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    const int barriers[14] = {0, 0, 0, 0, 0, 0, 0, 3, 1, 4, 2, 5, 6, 7};
    for (map_cell_struct& c : map->cells) {
      c.floor = static_cast<int16_t>(floors[rng() % 10]);
      c.rightBarrier = static_cast<int16_t>(barriers[rng() % 14]);
      c.topBarrier = static_cast<int16_t>(barriers[rng() % 14]);
    }
    std::vector<int> cells(w * h);
    for (int i = 0; i < w * h; ++i) cells[i] = i;
    std::shuffle(cells.begin(), cells.end(), rng);
    const int members = std::min<int>(rng() % 4, w * h);
    const int zombieCount = std::min<int>(1 + rng() % 5, w * h - members);
    for (int i = 0; i < members; ++i) AddMember(cells[i] % w, cells[i] / w);
    for (int i = members; i < members + zombieCount; ++i) AddZombie(cells[i] % w, cells[i] / w);
  }

  // Takes every figure off the board, the cells' occupants too.
  void Clear() {
    ClearFigures();
    for (map_cell_struct& c : map->cells) c.memberHere = c.zombieHere = c.memberBound = c.zombieBound = -1;
  }

  std::vector<int> Cells(std::initializer_list<std::pair<int, int>> xy) {
    std::vector<int> out;
    for (const auto& [x, y] : xy) out.push_back(map->CellIndex(x, y));
    std::sort(out.begin(), out.end());
    return out;
  }
};

TEST_F(ZombieReachTest, MatchesTheBruteForceOnRandomBoards) {
  std::mt19937 rng(17);
  int nonEmpty = 0;
  for (int round = 0; round < 300; ++round) {
    RandomBoard(rng);
    const std::vector<int> reach = ZombieReach(*map, zombies);
    ASSERT_EQ(reach, BruteForce(ZOMBIE_TURN_POINTS)) << "round " << round;
    nonEmpty += !reach.empty();
  }
  EXPECT_GT(nonEmpty, 150);
}

// With more points a zombie walks further. Then a route may lead through the struck cell itself, which a
// member there would block: the search, made for the turn's two points, may show more, never less.
TEST_F(ZombieReachTest, WithMorePointsNoBlowIsMissed) {
  std::mt19937 rng(71);
  for (int round = 0; round < 60; ++round) {
    RandomBoard(rng);
    std::set<int> reach;
    for (int j = 0; j < static_cast<int>(zombies.size()); ++j) {
      for (int c : ZombieStrikeCells(*map, zombies, j, 3)) reach.insert(c);
    }
    for (int c : BruteForce(3)) ASSERT_TRUE(reach.count(c)) << "round " << round << " cell " << c;
  }
}

// On open ground a zombie strikes its four neighbours, or the cells one step further after a step: the
// diamond of two around it without its own cell.
TEST_F(ZombieReachTest, OpenGroundGivesTheDiamondOfTwo) {
  Load(MapFile(7, 7));
  AddZombie(3, 3);
  EXPECT_EQ(
      ZombieReach(*map, zombies),
      Cells(
          {{3, 1}, {2, 2}, {3, 2}, {4, 2}, {1, 3}, {2, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {3, 5}}));
}

// No blow across a low barrier or from rough ground (the field never gives distance 1 there); a wall
// stops both; a step onto rough ground spends both points; a member on raised ground is struck from open
// ground beside it.
TEST_F(ZombieReachTest, BarriersAndGroundAsTheFieldSeesThem) {
  // Row 0: zombie on open (1,0) with a low barrier to its right; (3,0) raised; row 1 rough below the zombie.
  std::string floor(5 * 3, G(0)), right(5 * 3, G(0)), top(5 * 3, G(0));
  right[1] = G(BARRIER_LOW);  // between (1,0) and (2,0)
  floor[1 * 5 + 1] = G(FLOOR_ROUGH);
  top[1 * 5 + 0] = G(BARRIER_WALL);  // between (0,0) and (0,1)
  Load(MapFile(5, 3, floor, right, top));
  AddZombie(1, 0);
  // (0,0) is struck from where it stands; (0,1) lies behind a wall from (0,0) and needs a blow from (1,1),
  // which is rough; (2,0) lies across the low barrier; the rough (1,1) is struck, and stepping onto it
  // spends both points. From (0,0) a step along the top row leads nowhere else.
  EXPECT_EQ(ZombieReach(*map, zombies), Cells({{0, 0}, {1, 1}}));
  // A zombie on rough ground strikes none of its neighbours from there; stepping off onto open ground costs
  // one point and leaves the blow for the cells beyond.
  Clear();
  AddZombie(1, 1);
  EXPECT_EQ(ZombieReach(*map, zombies), Cells({{0, 0}, {2, 0}, {3, 1}, {0, 2}, {2, 2}}));
  // A member on raised ground beside open ground is within a blow.
  Clear();
  map->cells[map->CellIndex(3, 1)].floor = FLOOR_RAISED;
  AddZombie(3, 2);
  const std::vector<int> reach = ZombieReach(*map, zombies);
  EXPECT_TRUE(std::binary_search(reach.begin(), reach.end(), map->CellIndex(3, 1)));
  EXPECT_FALSE(std::binary_search(reach.begin(), reach.end(), map->CellIndex(3, 0)));  // beyond raised ground
  EXPECT_EQ(reach, BruteForce(ZOMBIE_TURN_POINTS));
}

// Members and other zombies block the steps where they stand, so the corridor behind them stays out of
// reach; the blocked cells of other zombies are no targets, a member's cell is.
TEST_F(ZombieReachTest, FiguresInTheWayBlockTheSteps) {
  // A corridor one cell high: walls above and below come from the map's edges.
  Load(MapFile(6, 1));
  AddZombie(0, 0);
  AddZombie(1, 0);
  EXPECT_EQ(ZombieStrikeCells(*map, zombies, 0, ZOMBIE_TURN_POINTS), std::vector<int>{});
  EXPECT_EQ(ZombieStrikeCells(*map, zombies, 1, ZOMBIE_TURN_POINTS), Cells({{2, 0}, {3, 0}}));
  AddMember(3, 0);
  EXPECT_EQ(ZombieStrikeCells(*map, zombies, 1, ZOMBIE_TURN_POINTS), Cells({{2, 0}, {3, 0}}));
  Clear();
  AddZombie(0, 0);
  AddMember(1, 0);
  EXPECT_EQ(ZombieReach(*map, zombies), Cells({{1, 0}}));
  EXPECT_EQ(ZombieReach(*map, zombies), BruteForce(ZOMBIE_TURN_POINTS));
}

}  // namespace
