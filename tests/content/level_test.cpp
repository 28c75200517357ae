// Checks of every shipped town (Data/map*.dhm) through the game's own loader and rules on the fake engine:
// it loads cleanly, the escape and the search spots can be reached, the shipped path-search budget suffices.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "config/settings.h"
#include "content/content_support.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/towns.h"
#include "support/fake_engine.h"

namespace {

const int kDx[5] = {0, 0, 1, 0, -1}, kDy[5] = {0, -1, 0, 1, 0};  // directions 1..4: up, right, down, left

// The shipped towns' map files ("Data/map1.dhm", ...), in the order of their numbers.
std::vector<std::string> ShippedTowns() {
  std::vector<std::pair<int, std::string>> found;
  const std::regex name("map([0-9]+)\\.dhm");
  for (const auto& e : std::filesystem::directory_iterator(std::string(DH_SOURCE_DIR) + "/Data")) {
    std::smatch m;
    const std::string file = e.path().filename().string();
    if (std::regex_match(file, m, name)) found.emplace_back(std::stoi(m[1]), "Data/" + file);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> out;
  for (const auto& f : found) out.push_back(f.second);
  return out;
}

TEST(ShippedTowns, AreNumberedFromOneWithoutGaps) {
  const std::vector<std::string> towns = ShippedTowns();
  ASSERT_GE(towns.size(), 2u);
  for (size_t i = 0; i < towns.size(); ++i) EXPECT_EQ(towns[i], "Data/map" + std::to_string(i + 1) + ".dhm");
  // The team screen offers exactly the shipped towns, in the order of their numbers.
  ASSERT_EQ(Towns().size(), towns.size());
  for (size_t i = 0; i < towns.size(); ++i) EXPECT_EQ(Towns()[i].mapFile, towns[i]);
}

class ShippedLevel : public ::testing::TestWithParam<std::string> {
 protected:
  ShippedLevel() {
    hgeInstall(&fake);
    hge = &fake;
    BORDER_LEFT = BORDER_RIGHT = BORDER_UP = BORDER_DOWN = SCROLLING_ZONE = 0.0f;
    team.clear();
    map = std::make_unique<Map>(GetParam().c_str());
  }
  ~ShippedLevel() override {
    for (Person* p : team) delete p;
    team.clear();
    selectedMember = -1;
    map.reset();
    hge = nullptr;
  }

  bool OnEdge(int x, int y) const { return x == 0 || y == 0 || x == map->W - 1 || y == map->H - 1; }
  const map_cell_struct& At(int x, int y) const { return map->cells[map->CellIndex(x, y)]; }

  // Runs the game's member search for `member` from every enterable edge cell and marks the cells some search
  // reached; with `budget` > 0, each search must end within two frames at that budget and reach the escape.
  std::vector<bool> ReachedFromEdge(Person* member, float budget) {
    std::vector<bool> reached(map->cells.size(), false);
    int starts = 0;
    for (int y = 0; y < map->H; ++y) {
      for (int x = 0; x < map->W; ++x) {
        if (!OnEdge(x, y) || At(x, y).floor > FLOOR_RAISED) continue;
        ++starts;
        member->cell = member->secondCell = static_cast<int16_t>(map->CellIndex(x, y));
        map->pathsStale = true;
        PATH_FINDING_CICLES = budget > 0 ? budget : 1e9f;
        map->DrivePathSearch(0);
        map->DrivePathSearch(0);
        EXPECT_EQ(map->searchMember, -1) << "a search from " << x << "," << y << " needs a third frame";
        int count = 0;
        for (size_t c = 0; c < reached.size(); ++c) {
          const bool r = map->cells[c].paths[0].cost < map->W * map->H;
          count += r;
          reached[c] = reached[c] || r;
        }
        EXPECT_GT(count, map->W * map->H / 2) << "a search from " << x << "," << y << " stopped short";
        if (budget > 0) {
          EXPECT_LT(map->cells[map->CellIndex(map->escapeX, map->escapeY)].paths[0].cost, map->W * map->H)
              << "the escape cannot be reached from " << x << "," << y;
        }
      }
    }
    EXPECT_GT(starts, 100);
    return reached;
  }

  // Whether team member `who` (-1: one without skills) in a reached cell next to `spot` may step in to
  // search.
  bool Searchable(const find_point_struct& spot, const std::vector<bool>& reached, int who) const {
    for (int d = DIR_UP; d <= DIR_LEFT; ++d) {
      const int nx = spot.x - kDx[d], ny = spot.y - kDy[d];
      if (map->Inside(nx, ny) && reached[map->CellIndex(nx, ny)] &&
          map->MemberStepCost(who, nx, ny, d, false, true, false) >= 0) {
        return true;
      }
    }
    return false;
  }

  FakeEngine fake;
  std::unique_ptr<Map> map;
};

// The generator's level check proves the file's own structure (sizes, sprite rectangles, low barriers);
// these tests read the level through the game's loader and step costs.
TEST_P(ShippedLevel, LoadsCleanlyAndDrawsEverySpriteOverAGroundCoveringTheMap) {
  EXPECT_TRUE(fake.errorBoxes.empty()) << fake.errorBoxes.front();
  EXPECT_TRUE(fake.failedTextures.empty()) << fake.failedTextures.front();
  EXPECT_TRUE(map->pixelW > 800 && map->pixelH > 600) << "the map must scroll";
  ASSERT_EQ(map->cells.size(), static_cast<size_t>(map->W * map->H));
  // The file's spot list names the spot cells in row-major order: the members' searchable flags follow it.
  std::vector<int> spotCells, spots;
  for (size_t c = 0; c < map->cells.size(); ++c) {
    if (map->cells[c].floor == FLOOR_SEARCH_SPOT) spotCells.push_back(static_cast<int>(c));
  }
  for (const find_point_struct& p : map->searchSpots)
    spots.push_back(p.y * map->W + p.x == p.cell ? p.cell : -1);
  EXPECT_EQ(spots, spotCells);
  EXPECT_GE(spots.size(), 15u);
  EXPECT_LE(spots.size(), 30u);
  EXPECT_TRUE(map->W >= 40 && map->H >= 30) << map->W << " x " << map->H;
  const int count = static_cast<int>(map->sprites.size());
  std::vector<int> drawnBy(map->sprites.size(), 0);
  for (const map_cell_struct& cell : map->cells) {
    ASSERT_TRUE(cell.decoration >= -1 && cell.decoration < count && cell.hide >= -1 && cell.hide < count);
    if (cell.decoration >= 0) ++drawnBy[cell.decoration];
  }
  for (int s = 0; s < count; ++s) EXPECT_GE(drawnBy[s], 1) << "sprite " << s << " is never drawn";
  for (const map_cell_struct& cell : map->cells) {
    EXPECT_TRUE(cell.hide < 0 || drawnBy[cell.hide] == 1) << "hiding sprite " << cell.hide;
  }
  // Members start on any edge cell: none may be a cell nobody can stand on.
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x)
      EXPECT_TRUE(!OnEdge(x, y) || At(x, y).floor <= FLOOR_RAISED) << x << "," << y;
  }
  // The ground comes first: cell 0 draws a sprite covering the whole map from its corner.
  const int ground = map->cells[0].decoration;
  ASSERT_GE(ground, 0);
  EXPECT_TRUE(map->sprites[ground].x == 0.0f && map->sprites[ground].y == 0.0f);
  EXPECT_GE(map->sprites[ground].sprite->GetWidth(), static_cast<float>(map->pixelW));
  EXPECT_GE(map->sprites[ground].sprite->GetHeight(), static_cast<float>(map->pixelH));
}

// The shipped PATH_FINDING_CICLES ends a member's search from any edge cell within two frames; an ordinary
// member reaches the escape and most search spots, a gymnast every one.
TEST_P(ShippedLevel, SearchesEndInTimeAndReachTheEscapeAndEverySearchSpot) {
  const float budget = static_cast<float>(content::ReadIni("Data/dh.ini").Number("PATH_FINDING_CICLES"));
  ASSERT_GT(budget, 0.0f);
  ASSERT_TRUE(map->Inside(map->escapeX, map->escapeY));
  Person* member = new Person(HTEXTURE{900});
  member->isZombie = 0;
  member->alive = 1;
  team.push_back(member);
  selectedMember = 0;
  const std::vector<bool> anybody = ReachedFromEdge(member, budget);
  EXPECT_TRUE(anybody[map->CellIndex(map->escapeX, map->escapeY)]) << "nobody can reach the escape cell";
  member->skills = {SKILL_GYMNAST};  // crosses high barriers
  const std::vector<bool> climber = ReachedFromEdge(member, 0);
  size_t ordinary = 0;
  for (const find_point_struct& spot : map->searchSpots) {
    EXPECT_TRUE(Searchable(spot, climber, 0)) << "spot " << spot.x << "," << spot.y;
    ordinary += Searchable(spot, anybody, -1);
  }
  // A few spots behind high walls are a gymnast's business; most are anybody's.
  EXPECT_GE(ordinary * 10, map->searchSpots.size() * 8);
}

// The walk to the car is the game: no edge cell, where members start and zombies enter, lies within 12 cells
// of the escape. Each town has every kind of barrier; the first town has no railing (the kind a gymnast
// vaults without climbing), which came with the later towns.
TEST_P(ShippedLevel, KeepsTheEscapeFarFromTheEdgeAndHasEveryKindOfBarrier) {
  ASSERT_TRUE(map->Inside(map->escapeX, map->escapeY));
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x) {
      if (OnEdge(x, y)) {
        EXPECT_GE(std::max(std::abs(x - map->escapeX), std::abs(y - map->escapeY)), 12) << x << "," << y;
      }
    }
  }
  std::set<int> kinds;
  for (const map_cell_struct& cell : map->cells) {
    kinds.insert(cell.rightBarrier);
    kinds.insert(cell.topBarrier);
  }
  std::set<int> wanted = {BARRIER_NONE,   BARRIER_LOW,       BARRIER_WALL, BARRIER_NONE_2,
                          BARRIER_LOW_2, BARRIER_HIGH_FLAT, BARRIER_HIGH};
  if (GetParam() == "Data/map1.dhm") wanted.erase(BARRIER_HIGH_FLAT);
  EXPECT_EQ(kinds, wanted);
}

INSTANTIATE_TEST_SUITE_P(Towns, ShippedLevel, ::testing::ValuesIn(ShippedTowns()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return std::filesystem::path(info.param).stem().string();
                         });

}  // namespace
