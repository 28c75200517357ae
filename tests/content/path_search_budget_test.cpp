// Checks that the shipped PATH_FINDING_CICLES lets a member's path search on the shipped map end within two
// frames.
#include <gtest/gtest.h>

#include <memory>

#include "app/shell.h"
#include "config/settings.h"
#include "content/content_support.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "support/fake_engine.h"

namespace {

class PathSearchBudget : public ::testing::Test {
 protected:
  PathSearchBudget() {
    hgeInstall(&fake);
    hge = &fake;
    BORDER_LEFT = BORDER_RIGHT = BORDER_UP = BORDER_DOWN = SCROLLING_ZONE = 0.0f;
    team.clear();
    map = std::make_unique<Map>("Data/map1.dhm");
    member = new Person(HTEXTURE{900});
    member->isZombie = 0;
    member->alive = 1;
    team.push_back(member);
    selectedMember = 0;
  }

  ~PathSearchBudget() override {
    delete member;
    team.clear();
    selectedMember = -1;
    map.reset();
    hge = nullptr;
  }

  FakeEngine fake;
  std::unique_ptr<Map> map;
  Person* member = nullptr;
};

TEST_F(PathSearchBudget, AMemberSearchFromAnyEdgeCellEndsWithinTwoFrames) {
  const content::IniFile ini = content::ReadIni("Data/dh.ini");
  const float budget = static_cast<float>(ini.Number("PATH_FINDING_CICLES"));
  ASSERT_GT(budget, 0.0f);
  ASSERT_TRUE(fake.errorBoxes.empty());
  int starts = 0;
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x) {
      const bool edge = x == 0 || y == 0 || x == map->W - 1 || y == map->H - 1;
      if (!edge || map->cells[map->CellIndex(x, y)].floor > 2) continue;
      ++starts;
      member->cell = member->secondCell = static_cast<int16_t>(map->CellIndex(x, y));
      map->pathsStale = true;
      PATH_FINDING_CICLES = budget;
      map->DrivePathSearch(0);
      map->DrivePathSearch(0);
      EXPECT_EQ(map->searchMember, -1) << "a search from " << x << "," << y << " needs a third frame";
      // The search did reach the map: the far side of it has a finite cost.
      int reached = 0;
      for (const map_cell_struct& c : map->cells) reached += c.paths[0].cost < map->W * map->H;
      EXPECT_GT(reached, map->W * map->H / 2) << x << "," << y;
    }
  }
  EXPECT_GT(starts, 100);
}

}  // namespace
