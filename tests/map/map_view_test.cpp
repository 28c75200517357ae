// The map view: scrolling within the limits, the glide, centring, the offset and the cursor cell.
#include <gtest/gtest.h>

#include <array>

#include "map_fixture.h"

namespace {

// Limits are the map's pixel size less the screen, widened by the borders; a map smaller than the screen
// has 0 as its highest offsets. Keys stop at the limit; a mouse band starts just past its edge.
TEST_F(MapTest, ScrollingStopsAtTheLimitsAndMouseBandsStartPastTheirEdge) {
  BORDER_LEFT = 10.0f;
  BORDER_RIGHT = 20.0f;
  BORDER_UP = 30.0f;
  BORDER_DOWN = 40.0f;
  Load(MapFile(10, 5));
  EXPECT_EQ((std::vector<float>{map->view.scrollMinX, map->view.scrollMaxX, map->view.scrollMinY,
                                map->view.scrollMaxY}),
            (std::vector<float>{-10, 0, -30, 0}));
  SCROLLING_ZONE = 20.0f;
  Load(MapFile(40, 30));  // limits -10..500 across and -30..400 down
  fake.held = {HGEK_D, HGEK_UP};
  map->UpdateView(0.5f);
  EXPECT_FLOAT_EQ(map->view.scrollX, 50.0f);  // at scrolling speed
  for (int i = 0; i < 20; ++i) map->UpdateView(0.5f);
  EXPECT_EQ((std::vector<float>{map->view.scrollX, map->view.scrollY}), (std::vector<float>{500, -30}));
  EXPECT_FALSE(map->view.scrolled);  // at the limit nothing applies any more
  fake.held.clear();
  for (auto [x, y, expectX, expectY] :
       std::vector<std::array<float, 4>>{{20, 300, 100, 100}, {0, 599, 90, 110}}) {
    map->view.scrollX = map->view.scrollY = 100.0f;
    mouseX = x;
    mouseY = y;
    map->UpdateView(0.1f);
    EXPECT_EQ((std::vector<float>{map->view.scrollX, map->view.scrollY}),
              (std::vector<float>{expectX, expectY}))
        << x;
  }
}

// The longer axis moves at scrolling speed; when one axis arrives the other is snapped to its target.
// Centring is clamped to the limits; without speed the glide waits until the hand scrolls.
TEST_F(MapTest, GlideArrivesOnBothAxesAtOnceAndCentringIsClampedToTheLimits) {
  Load(MapFile(40, 30));
  map->GlideTo(300.0f, 100.0f);
  map->UpdateView(1.0f);
  EXPECT_NEAR(map->view.scrollY, 100.0f / 3.0f, 1e-4);
  map->UpdateView(2.5f);
  EXPECT_FALSE(map->view.autoScroll);
  EXPECT_EQ((std::vector<float>{map->view.scrollX, map->view.scrollY}), (std::vector<float>{300, 100}));

  AddMember(39, 29);
  selectedMember = 0;
  map->CenterOnMember();
  EXPECT_EQ((std::vector<float>{map->view.glideX, map->view.glideY}), (std::vector<float>{480, 360}));

  SCROLLING_SPEED = 0.0f;
  map->GlideTo(200.0f, 200.0f);
  for (int i = 0; i < 100; ++i) map->UpdateView(0.5f);
  EXPECT_TRUE(map->view.autoScroll);
  fake.held = {HGEK_D};
  map->UpdateView(0.5f);
  EXPECT_FALSE(map->view.autoScroll);
}

// The view offset is the scroll rounded down; the cursor cell is computed off the map too (-11 truncates to
// column 0), and cells of no size give no cursor cell.
TEST_F(MapTest, OffsetIsTheScrollRoundedDownAndTheCursorCellFollowsIt) {
  BORDER_LEFT = 50.0f;
  Load(MapFile(40, 30));
  mouseY = 20.0f;
  const struct {
    float scrollX, scrollY, mouseX, viewX, viewY;
    bool onMap;
    int cursorX, cursorY;
  } cases[] = {
      {100.6f, 31.9f, 10.5f, 100, 31, true, 3, 1},  // map point (110.5, 51)
      {-20.5f, 0, 10, -21, 0, false, 0, 0},
      {481, 0, 799, 481, 0, false, 40, 0},  // map x 1280: one past the last pixel column
  };
  for (const auto& c : cases) {
    map->view.scrollX = c.scrollX;
    map->view.scrollY = c.scrollY;
    mouseX = c.mouseX;
    map->UpdateView(0.0f);
    EXPECT_EQ((std::vector<float>{map->view.offsetX, map->view.offsetY}),
              (std::vector<float>{c.viewX, c.viewY}))
        << c.scrollX;
    EXPECT_EQ(map->view.cursorOnMap, c.onMap) << c.scrollX;
    EXPECT_EQ(map->view.cursorCell, c.cursorY * 40 + c.cursorX) << c.scrollX;
  }

  Load("2 2 0 0 0 0 0 0 (((( (((( ((((  ");
  mouseX = 0.0f;
  map->UpdateView(0.1f);
  EXPECT_FALSE(map->view.cursorOnMap);
  EXPECT_EQ(map->view.cursorCell, -1);
  map->Draw(false);
}

}  // namespace
