// The start of a game: the team on distinct edge cells facing inward, the first zombies, the threshold.

#include <cstdlib>
#include <set>

#include "app/options.h"
#include "screen_fixture.h"

namespace {

class GameStart : public ScreenTest {
 protected:
  // A new team of n members placed on a map read from `map`, and the first zombies.
  static void Start(const std::string& map, int n) {
    UseMap(map);
    team.clear();
    zombies.clear();
    for (int i = 0; i < n; ++i) team.push_back(new Person(HTEXTURE{0}, i, 11, i, 0));
    PlaceTeam();
    PlaceFirstZombies();
  }
};

// Over many seeds: members on distinct edge cells (any floor) facing into the map, zombies on free plain
// floor at least four cells from every member, each figure registered in its own cell.
TEST_F(GameStart, MembersStandOnDistinctEdgeCellsAndZombiesStartAwayFromThem) {
  std::string board;  // plain and rough floor in a checkerboard: zombies may use only the former
  for (int k = 0; k < 14 * 14; ++k) board += (k % 14 + k / 14) % 2 == 0 ? '0' : '1';
  for (unsigned seed = 1; seed <= 30; ++seed) {
    for (const std::string& map : {TestMapFile(5, 4, "01234012340123401234"), TestMapFile(14, 14, board)}) {
      SCOPED_TRACE(testing::Message() << seed << " " << map.substr(0, 5));
      SetRandomSource(nullptr);
      SeedRandom(seed);
      Start(map, 4);
      std::set<int> cells;
      const int W = gameMap->W, H = gameMap->H;
      for (int i = 0; i < 4; ++i) {
        const Person& p = *team[i];
        const std::set<int> inward = {p.y == 0 ? DIR_DOWN : DIR_NONE, p.x == W - 1 ? DIR_LEFT : DIR_NONE,
                                      p.y == H - 1 ? DIR_UP : DIR_NONE, p.x == 0 ? DIR_RIGHT : DIR_NONE};
        EXPECT_EQ(inward.count(p.direction), 1u)
            << i << " at " << p.x << "," << p.y << " faces " << p.direction;
        ASSERT_EQ(p.cell, gameMap->CellIndex(p.x, p.y));
        EXPECT_EQ(p.secondCell, p.cell);
        EXPECT_EQ(gameMap->cells[p.cell].memberHere, i);
        EXPECT_EQ(gameMap->cells[p.cell].memberBound, i);
        EXPECT_TRUE(cells.insert(p.cell).second) << "member " << i << " shares a cell";
      }
      for (int k = 0; k < static_cast<int>(zombies.size()); ++k) {
        const Person& z = *zombies[k];
        ASSERT_EQ(z.cell, gameMap->CellIndex(z.x, z.y));
        EXPECT_EQ(z.secondCell, z.cell);
        EXPECT_EQ(gameMap->cells[z.cell].floor, FLOOR_OPEN);
        EXPECT_EQ(gameMap->cells[z.cell].zombieHere, k);
        EXPECT_EQ(gameMap->cells[z.cell].zombieBound, k);
        EXPECT_TRUE(cells.insert(z.cell).second) << "zombie " << k << " shares a cell";
        for (const Person* m : team) {
          EXPECT_FALSE(std::abs(z.x - m->x) < 4 && std::abs(z.y - m->y) < 4)
              << "zombie " << k << " too close";
        }
      }
    }
  }
}

// The count is the truncated product of team size and proportion (none when negative); half come first.
TEST_F(GameStart, TheZombieCountIsTheTruncatedProductAndHalfOfItComesFirst) {
  struct Case {
    int team;
    const char* proportion;
    int count;
  };
  for (const Case c : {Case{3, "1.5", 4}, Case{2, "0.9", 1}, Case{4, "2.6", 10}, Case{2, "-3", 0}}) {
    SCOPED_TRACE(c.proportion);
    SetSetting("ZOMBIE_PROPORTION", c.proportion);
    Start(TestMapFile(30, 30, std::string(900, '0')), c.team);
    EXPECT_EQ(gameMap->zombieCount, c.count);
    EXPECT_EQ(static_cast<int>(zombies.size()), c.count / 2);
  }
}

// The difficulty scales the zombies per member by its factor; the normal one keeps the setting's count.
TEST_F(GameStart, TheDifficultyScalesTheZombiesPerMember) {
  struct Case {
    int difficulty;
    int team;
    const char* proportion;
    int count;
  };
  const Case cases[] = {{DIFFICULTY_EASY, 2, "3", 3},   {DIFFICULTY_NORMAL, 2, "3", 6},
                        {DIFFICULTY_HARD, 2, "3", 9},   {DIFFICULTY_EASY, 3, "3", 4},
                        {DIFFICULTY_NORMAL, 3, "1.5", 4}, {DIFFICULTY_HARD, 4, "2.6", 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.difficulty << " " << c.team << " " << c.proportion);
    activeOptions.difficulty = c.difficulty;
    SetSetting("ZOMBIE_PROPORTION", c.proportion);
    Start(TestMapFile(30, 30, std::string(900, '0')), c.team);
    EXPECT_EQ(gameMap->zombieCount, c.count);
    EXPECT_EQ(static_cast<int>(zombies.size()), c.count / 2);
  }
  activeOptions.difficulty = DIFFICULTY_NORMAL;
}

// Maps without room for everybody (or without cells at all) do not hold up the start.
TEST_F(GameStart, MapsWithoutRoomDoNotHoldUpTheStart) {
  SetSetting("ZOMBIE_PROPORTION", "4");
  Start(TestMapFile(1, 1, "0"), 2);  // the first member takes the one cell, the second stays out
  EXPECT_EQ(team[0]->cell, 0);
  EXPECT_TRUE(team[0]->alive);
  EXPECT_EQ(team[1]->cell, -1);
  EXPECT_FALSE(team[1]->alive);
  EXPECT_EQ(gameMap->cells[0].memberHere, 0);
  EXPECT_EQ(gameMap->zombieCount, 8);
  EXPECT_TRUE(zombies.empty());

  Start(TestMapFile(4, 4, std::string(16, '0')), 2);  // every cell within three of a member
  EXPECT_TRUE(team[0]->alive && team[1]->alive);
  EXPECT_NE(team[0]->cell, team[1]->cell);
  EXPECT_TRUE(zombies.empty());

  Start(TestMapFile(12, 12, std::string(144, '3')), 4);  // no free floor, but the edge takes the team
  for (const Person* p : team) EXPECT_TRUE(p->alive);
  EXPECT_TRUE(zombies.empty());

  Start("0 0 32 32 0 0\n", 2);  // a map that failed to load: nobody is placed and nothing is indexed
  for (const Person* p : team) EXPECT_EQ(p->cell, -1);
  EXPECT_TRUE(zombies.empty());
}

// The threshold is floor(roll^3 x members x spots) + 3, unless the second draw is above that.
TEST_F(GameStart, ThresholdGrowsWithTheCubeOfTheRollButNeverBelowTheSecondDraw) {
  UseMap(TestMapFile(10, 2, std::string(20, '0'), 10));
  for (int i = 0; i < 3; ++i) team.push_back(new Person(HTEXTURE{0}, i, 11, i, 0));
  // RandomFloat(0, 1) = r / 1000 mod 1, RandomInt(4, 6) = 4 + r mod 3.
  Feed({500, 2, 0});  // L = floor(0.125 x 2 x 10) + 3 = 5; n = 6 > 5, so a fresh draw: 4
  EXPECT_EQ(ChooseSearchThreshold(), 4);
  Feed({900, 1});  // L = floor(0.729 x 2 x 10) + 3 = 17; n = 5 <= 17
  EXPECT_EQ(ChooseSearchThreshold(), 17);
  Feed({0, 0, 2});  // L = 3 + 0; n = 4 > 3, fresh draw
  EXPECT_EQ(ChooseSearchThreshold(), 6);
}

}  // namespace
