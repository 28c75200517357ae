// The start of a game: the team on distinct edge cells facing inward, the first zombies, the threshold.
#include "app/game_start.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "game/person.h"
#include "game/random.h"
#include "game/roster.h"
#include "map/map.h"
#include "screen_fixture.h"

namespace {

class GameStart : public ScreenTest {
 protected:
  // A team of n members not yet on the map.
  void MakeTeam(int n) {
    for (int i = 0; i < n; ++i) team.push_back(new Person(HTEXTURE{0}, i, 11, i, 0));
  }
};

// The facings that look into the map from (x, y): one for each edge the cell lies on.
std::set<int> InwardFacings(const Map& map, int x, int y) {
  std::set<int> out;
  if (y == 0) out.insert(3);
  if (x == map.W - 1) out.insert(4);
  if (y == map.H - 1) out.insert(1);
  if (x == 0) out.insert(2);
  return out;
}

TEST_F(GameStart, MembersStandOnDistinctEdgeCellsFacingInward) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    SetRandomSource(nullptr);
    SeedRandom(seed);
    UseMap(TestMapFile(5, 4, "01234012340123401234"));  // any floor type will do on the edge
    team.clear();
    MakeTeam(4);
    PlaceTeam();
    std::set<std::pair<int, int>> used;
    for (int i = 0; i < 4; ++i) {
      const Person& p = *team[i];
      EXPECT_TRUE(used.insert({p.x, p.y}).second) << "member " << i << " shares a cell";
      EXPECT_EQ(InwardFacings(*gameMap, p.x, p.y).count(p.direction), 1u) << i << " faces " << p.direction;
      ASSERT_EQ(p.cell, gameMap->CellIndex(p.x, p.y));
      EXPECT_EQ(p.secondCell, p.cell);
      EXPECT_EQ(gameMap->cells[p.cell].memberHere, i);
      EXPECT_EQ(gameMap->cells[p.cell].memberBound, i);
      EXPECT_TRUE(p.alive);
    }
  }
}

TEST_F(GameStart, ZombiesStartOnFreeFloorAtLeastFourCellsFromEveryMember) {
  // Floor 0 and rough floor in a checkerboard: zombies may use only the former.
  std::string floor;
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 14; ++x) floor += (x + y) % 2 == 0 ? '0' : '1';
  }
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    SetRandomSource(nullptr);
    SeedRandom(seed);
    UseMap(TestMapFile(14, 14, floor));
    team.clear();
    zombies.clear();
    MakeTeam(3);
    PlaceTeam();
    PlaceFirstZombies();
    EXPECT_EQ(gameMap->zombieCount, 6);  // trunc(3 x 2)
    ASSERT_EQ(zombies.size(), 3u);
    std::set<int> cells;
    for (int k = 0; k < 3; ++k) {
      const Person& z = *zombies[k];
      ASSERT_EQ(z.cell, gameMap->CellIndex(z.x, z.y));
      EXPECT_EQ(gameMap->cells[z.cell].floor, 0);
      EXPECT_EQ(gameMap->cells[z.cell].zombieHere, k);
      EXPECT_EQ(gameMap->cells[z.cell].zombieBound, k);
      EXPECT_EQ(z.secondCell, z.cell);
      EXPECT_TRUE(cells.insert(z.cell).second);
      for (const Person* m : team) {
        EXPECT_FALSE(std::abs(z.x - m->x) < 4 && std::abs(z.y - m->y) < 4) << "zombie " << k << " too close";
      }
    }
  }
}

TEST_F(GameStart, TheZombieCountIsTheTruncatedProductAndHalfOfItComesFirst) {
  struct Case {
    int team;
    const char* proportion;
    int count;
  };
  for (const Case c : {Case{3, "1.5", 4}, Case{2, "0.9", 1}, Case{4, "2.6", 10}, Case{2, "-3", 0}}) {
    SCOPED_TRACE(c.proportion);
    SetSetting("ZOMBIE_PROPORTION", c.proportion);
    UseMap(TestMapFile(30, 30, std::string(900, '0')));
    team.clear();
    zombies.clear();
    MakeTeam(c.team);
    PlaceTeam();
    PlaceFirstZombies();
    EXPECT_EQ(gameMap->zombieCount, c.count);
    EXPECT_EQ(static_cast<int>(zombies.size()), c.count / 2);
  }
}

TEST_F(GameStart, MapsWithoutRoomDoNotHoldUpTheStart) {
  // One cell: the first member takes it, the second has no place and stays out; no zombie fits.
  UseMap(TestMapFile(1, 1, "0"));
  MakeTeam(2);
  SetSetting("ZOMBIE_PROPORTION", "4");
  PlaceTeam();
  PlaceFirstZombies();
  EXPECT_EQ(team[0]->cell, 0);
  EXPECT_TRUE(team[0]->alive);
  EXPECT_EQ(team[1]->cell, -1);
  EXPECT_FALSE(team[1]->alive);
  EXPECT_EQ(gameMap->cells[0].memberHere, 0);
  EXPECT_EQ(gameMap->zombieCount, 8);
  EXPECT_TRUE(zombies.empty());

  // Every cell is within three of a member: the zombies are given up, the team is placed.
  UseMap(TestMapFile(4, 4, std::string(16, '0')));
  team.clear();
  MakeTeam(2);
  PlaceTeam();
  PlaceFirstZombies();
  EXPECT_TRUE(team[0]->alive && team[1]->alive);
  EXPECT_NE(team[0]->cell, team[1]->cell);
  EXPECT_TRUE(zombies.empty());

  // No free floor at all on a roomy map, but the edge still takes the team.
  UseMap(TestMapFile(12, 12, std::string(144, '3')));
  team.clear();
  MakeTeam(4);
  PlaceTeam();
  PlaceFirstZombies();
  for (const Person* p : team) EXPECT_TRUE(p->alive);
  EXPECT_TRUE(zombies.empty());

  // A map that failed to load has no cells: nobody is placed and nothing is indexed.
  UseMap("0 0 32 32 0 0\n");
  team.clear();
  MakeTeam(2);
  PlaceTeam();
  PlaceFirstZombies();
  for (const Person* p : team) EXPECT_EQ(p->cell, -1);
  EXPECT_TRUE(zombies.empty());
}

TEST_F(GameStart, ThresholdGrowsWithTheCubeOfTheRollButNeverBelowTheSecondDraw) {
  UseMap(TestMapFile(10, 2, std::string(20, '0'), 10));
  MakeTeam(3);
  // RandomFloat(0, 1) = r / 1000 mod 1, RandomInt(4, 6) = 4 + r mod 3.
  Feed({500, 2, 0});  // L = floor(0.125 x 2 x 10) + 3 = 5; n = 6 > 5, so a fresh draw: 4
  EXPECT_EQ(ChooseSearchThreshold(), 4);
  Feed({900, 1});  // L = floor(0.729 x 2 x 10) + 3 = 17; n = 5 <= 17
  EXPECT_EQ(ChooseSearchThreshold(), 17);
  Feed({0, 0});  // L = 3 + 0; n = 4 > 3, fresh draw
  Feed({2});
  EXPECT_EQ(ChooseSearchThreshold(), 6);
}

}  // namespace
