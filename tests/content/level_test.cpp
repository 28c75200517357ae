// Checks of the shipped level Data/map1.dhm, loaded by the game's own map loader on the fake engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "app/shell.h"
#include "config/settings.h"
#include "engine/sprite.h"
#include "game/cell_size.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "support/fake_engine.h"

namespace {

constexpr int kGymnast = 6;  // the skill that crosses high barriers

class ShippedLevel : public ::testing::Test {
 protected:
  ShippedLevel() {
    hgeInstall(&fake);
    hge = &fake;
    BORDER_LEFT = BORDER_RIGHT = BORDER_UP = BORDER_DOWN = 0.0f;
    SCROLLING_ZONE = 0.0f;
    team.clear();
    map = std::make_unique<Map>("Data/map1.dhm");
  }

  ~ShippedLevel() override {
    for (Person* p : team) delete p;
    team.clear();
    map.reset();
    hge = nullptr;
  }

  bool OnEdge(int x, int y) const { return x == 0 || y == 0 || x == map->W - 1 || y == map->H - 1; }

  // Least action points to reach each cell from any enterable edge cell (-1: never), for `member`.
  std::vector<int> CostFromEdge(int member) const {
    std::vector<int> cost(map->cells.size(), -1);
    std::deque<int> queue;
    for (int y = 0; y < map->H; ++y) {
      for (int x = 0; x < map->W; ++x) {
        const int c = map->CellIndex(x, y);
        if (OnEdge(x, y) && map->cells[c].floor <= 2) {
          cost[c] = 0;
          queue.push_back(c);
        }
      }
    }
    const int dx[5] = {0, 0, 1, 0, -1}, dy[5] = {0, -1, 0, 1, 0};
    while (!queue.empty()) {
      const int c = queue.front();
      queue.pop_front();
      const int x = c % map->W, y = c / map->W;
      for (int d = 1; d <= 4; ++d) {
        const int step = map->MemberStepCost(member, x, y, d, false, false, false);
        if (step < 0) continue;
        const int n = map->CellIndex(x + dx[d], y + dy[d]);
        if (cost[n] < 0 || cost[n] > cost[c] + step) {
          cost[n] = cost[c] + step;
          queue.push_back(n);
        }
      }
    }
    return cost;
  }

  // Whether some cell reached in `cost` lies next to search spot `spot` and may step into it.
  bool Searchable(const find_point_struct& spot, const std::vector<int>& cost, int member) const {
    const int dx[5] = {0, 0, 1, 0, -1}, dy[5] = {0, -1, 0, 1, 0};
    for (int d = 1; d <= 4; ++d) {
      const int nx = spot.x - dx[d], ny = spot.y - dy[d];
      if (!map->Inside(nx, ny) || cost[map->CellIndex(nx, ny)] < 0) continue;
      if (map->MemberStepCost(member, nx, ny, d, false, true, false) >= 0) return true;
    }
    return false;
  }

  FakeEngine fake;
  std::unique_ptr<Map> map;
};

TEST_F(ShippedLevel, LoadsWithoutAMessageAndIsLargerThanTheScreen) {
  EXPECT_TRUE(fake.errorBoxes.empty()) << fake.errorBoxes.front();
  EXPECT_TRUE(fake.failedTextures.empty()) << fake.failedTextures.front();
  EXPECT_GE(map->W, 40);
  EXPECT_GE(map->H, 30);
  EXPECT_GT(map->pixelW, 800);
  EXPECT_GT(map->pixelH, 600);
  ASSERT_EQ(map->cells.size(), static_cast<size_t>(map->W * map->H));
  // A figure frame (58 wide) drawn 11 pixels left of its cell stands on the cell's middle.
  EXPECT_EQ(map->CW, 2 * (58 / 2 - 11));
  EXPECT_EQ(mapCellW, static_cast<float>(map->CW));
  EXPECT_EQ(mapCellH, static_cast<float>(map->CH));
}

TEST_F(ShippedLevel, SearchSpotListNamesTheFloorFourCellsInRowMajorOrder) {
  std::vector<int> floorFour;
  for (int c = 0; c < static_cast<int>(map->cells.size()); ++c) {
    if (map->cells[c].floor == 4) floorFour.push_back(c);
  }
  ASSERT_EQ(map->searchSpots.size(), floorFour.size());
  for (size_t k = 0; k < floorFour.size(); ++k) {
    EXPECT_EQ(map->searchSpots[k].cell, floorFour[k]) << "spot " << k;
    EXPECT_EQ(map->searchSpots[k].cell, map->searchSpots[k].y * map->W + map->searchSpots[k].x);
  }
  EXPECT_GE(floorFour.size(), 15u);
  EXPECT_LE(floorFour.size(), 30u);
}

TEST_F(ShippedLevel, EverySpriteIndexExistsAndEverySpriteIsDrawn) {
  const int count = static_cast<int>(map->sprites.size());
  std::vector<int> drawnBy(map->sprites.size(), 0);
  for (const map_cell_struct& cell : map->cells) {
    EXPECT_GE(cell.decoration, -1);
    EXPECT_LT(cell.decoration, count);
    EXPECT_GE(cell.hide, -1);
    EXPECT_LT(cell.hide, count);
    if (cell.decoration >= 0 && cell.decoration < count) ++drawnBy[cell.decoration];
  }
  for (int s = 0; s < count; ++s) EXPECT_GE(drawnBy[s], 1) << "sprite " << s << " is never drawn";
  for (const map_cell_struct& cell : map->cells) {
    if (cell.hide >= 0 && cell.hide < count) {
      EXPECT_EQ(drawnBy[cell.hide], 1) << "hiding sprite " << cell.hide;
    }
  }
  // The ground comes first: cell 0 draws a sprite covering the whole map from its corner.
  const int ground = map->cells[0].decoration;
  ASSERT_GE(ground, 0);
  EXPECT_EQ(map->sprites[ground].x, 0.0f);
  EXPECT_EQ(map->sprites[ground].y, 0.0f);
  EXPECT_GE(map->sprites[ground].sprite->GetWidth(), static_cast<float>(map->pixelW));
  EXPECT_GE(map->sprites[ground].sprite->GetHeight(), static_cast<float>(map->pixelH));
  for (const map_sprites_struct& s : map->sprites) {
    float tx, ty, w, h;
    s.sprite->GetTextureRect(&tx, &ty, &w, &h);
    const HTEXTURE tex = s.sprite->GetTexture();
    EXPECT_LE(tx + w, static_cast<float>(fake.Texture_GetWidth(tex, true)));
    EXPECT_LE(ty + h, static_cast<float>(fake.Texture_GetHeight(tex, true)));
    EXPECT_LE(fake.Texture_GetWidth(tex, true), 2048);
    EXPECT_LE(fake.Texture_GetHeight(tex, true), 2048);
  }
}

TEST_F(ShippedLevel, HoldsEveryKindOfGroundAndBarrier) {
  int floors[5] = {0, 0, 0, 0, 0};
  bool low = false, wall = false, high = false;
  for (const map_cell_struct& cell : map->cells) {
    if (cell.floor >= 0 && cell.floor <= 4) ++floors[cell.floor];
    for (int b : {cell.rightBarrier, cell.topBarrier}) {
      low = low || b == 1 || b == 4;
      wall = wall || b == 2;
      high = high || b == 5 || b == 6;
    }
  }
  for (int f = 0; f < 5; ++f) EXPECT_GT(floors[f], 0) << "floor type " << f;
  EXPECT_TRUE(low && wall && high);
}

TEST_F(ShippedLevel, BorderIsOpenGroundToStartAndEnterOn) {
  int edge = 0, open = 0;
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x) {
      if (!OnEdge(x, y)) continue;
      const int floor = map->cells[map->CellIndex(x, y)].floor;
      ++edge;
      open += floor == 0;
      // Members may start on any edge cell: none of them may be a cell nobody can stand on.
      EXPECT_LE(floor, 2) << x << "," << y;
    }
  }
  EXPECT_GE(open * 10, edge * 9);
}

TEST_F(ShippedLevel, EscapeCellIsBesideTheCarAndReachableButFar) {
  ASSERT_TRUE(map->Inside(map->escapeX, map->escapeY));
  const int escape = map->CellIndex(map->escapeX, map->escapeY);
  EXPECT_EQ(map->cells[escape].floor, 0);
  bool besideBlocked = false;
  for (int d = 1; d <= 4; ++d) {
    const int nx = map->escapeX + (d == 2) - (d == 4), ny = map->escapeY + (d == 3) - (d == 1);
    besideBlocked = besideBlocked || (map->Inside(nx, ny) && map->cells[map->CellIndex(nx, ny)].floor == 3);
  }
  EXPECT_TRUE(besideBlocked);
  const std::vector<int> cost = CostFromEdge(-1);
  EXPECT_GT(cost[escape], 0) << "an ordinary member cannot reach the escape cell from the edge";
  // Most of the edge is a long walk away (in cells, ignoring walls).
  int edge = 0, far = 0;
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x) {
      if (!OnEdge(x, y)) continue;
      ++edge;
      far += std::abs(x - map->escapeX) + std::abs(y - map->escapeY) >= 12;
    }
  }
  EXPECT_GE(far * 10, edge * 9);
}

TEST_F(ShippedLevel, EverySearchSpotCanBeSearched) {
  Person* gymnast = new Person(HTEXTURE{900});
  gymnast->isZombie = 0;
  gymnast->alive = 1;
  gymnast->skills = {kGymnast};
  team.push_back(gymnast);
  const std::vector<int> anybody = CostFromEdge(-1);
  const std::vector<int> climber = CostFromEdge(0);
  size_t ordinary = 0;
  for (const find_point_struct& spot : map->searchSpots) {
    EXPECT_TRUE(Searchable(spot, climber, 0)) << "spot " << spot.x << "," << spot.y;
    ordinary += Searchable(spot, anybody, -1);
  }
  // A few spots behind high walls are a gymnast's business; most are anybody's.
  EXPECT_GE(ordinary * 10, map->searchSpots.size() * 8);
}

TEST_F(ShippedLevel, LowBarriersNeverLeadIntoBlockedCells) {
  // A low barrier costs 3 whatever lies behind it, so one beside a blocked cell would let a member in.
  for (int y = 0; y < map->H; ++y) {
    for (int x = 0; x < map->W; ++x) {
      const map_cell_struct& cell = map->cells[map->CellIndex(x, y)];
      if ((cell.rightBarrier == 1 || cell.rightBarrier == 4) && x + 1 < map->W) {
        EXPECT_LE(cell.floor, 2) << x << "," << y;
        EXPECT_LE(map->cells[map->CellIndex(x + 1, y)].floor, 2) << x + 1 << "," << y;
      }
      if ((cell.topBarrier == 1 || cell.topBarrier == 4) && y > 0) {
        EXPECT_LE(cell.floor, 2) << x << "," << y;
        EXPECT_LE(map->cells[map->CellIndex(x, y - 1)].floor, 2) << x << "," << y - 1;
      }
    }
  }
}

}  // namespace
