// The map view: keys and mouse bands within the limits, the glide, centring, the offset and the cursor cell.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace {

class ViewTest : public MapTest {
 protected:
  // A 40 x 30 board of 32-pixel cells: scroll limits 0..480 across and 0..360 down.
  ViewTest() { Load(MapFile(40, 30, std::string(1200, '('))); }

  void Hold(int key) { fake.held = {key}; }
};

TEST_F(ViewTest, EveryScrollKeyMovesTheViewUntilItsLimit) {
  struct KeyCase {
    int key;
    float* axis;
    float limit;
  };
  const KeyCase cases[] = {{HGEK_D, &map->scrollX, 480.0f}, {HGEK_RIGHT, &map->scrollX, 480.0f},
                           {HGEK_A, &map->scrollX, 0.0f},   {HGEK_LEFT, &map->scrollX, 0.0f},
                           {HGEK_S, &map->scrollY, 360.0f}, {HGEK_DOWN, &map->scrollY, 360.0f},
                           {HGEK_W, &map->scrollY, 0.0f},   {HGEK_UP, &map->scrollY, 0.0f}};
  for (const KeyCase& c : cases) {
    *c.axis = 200.0f;
    Hold(c.key);
    map->UpdateView(0.5f);
    EXPECT_FLOAT_EQ(*c.axis, c.limit > 0 ? 250.0f : 150.0f) << c.key;
    EXPECT_TRUE(map->scrolled);
    for (int i = 0; i < 20; ++i) map->UpdateView(0.5f);
    EXPECT_FLOAT_EQ(*c.axis, c.limit) << c.key;
    EXPECT_FALSE(map->scrolled) << c.key;  // at the limit nothing applies any more
  }
  fake.held.clear();
  map->UpdateView(0.5f);
  EXPECT_FALSE(map->scrolled);
}

TEST_F(ViewTest, MouseBandsStartJustPastTheirEdges) {
  SCROLLING_ZONE = 20.0f;
  Load(MapFile(40, 30, std::string(1200, '(')));
  map->scrollX = map->scrollY = 100.0f;
  const struct {
    float x, y, expectX, expectY;
  } cases[] = {
      {20.0f, 300.0f, 100.0f, 100.0f},  {19.5f, 300.0f, 90.0f, 100.0f},   {780.0f, 300.0f, 100.0f, 100.0f},
      {780.5f, 300.0f, 110.0f, 100.0f}, {400.0f, 20.0f, 100.0f, 100.0f},  {400.0f, 19.0f, 100.0f, 90.0f},
      {400.0f, 580.0f, 100.0f, 100.0f}, {400.0f, 581.0f, 100.0f, 110.0f}, {0.0f, 599.0f, 90.0f, 110.0f},
  };
  for (const auto& c : cases) {
    map->scrollX = map->scrollY = 100.0f;
    mouseX = c.x;
    mouseY = c.y;
    map->UpdateView(0.1f);
    EXPECT_FLOAT_EQ(map->scrollX, c.expectX) << c.x << "," << c.y;
    EXPECT_FLOAT_EQ(map->scrollY, c.expectY) << c.x << "," << c.y;
    EXPECT_EQ(map->scrolled, c.expectX != 100.0f || c.expectY != 100.0f);
  }
}

TEST_F(ViewTest, LeftAndRightTogetherCancelExceptAtTheLowLimit) {
  fake.held = {HGEK_LEFT, HGEK_RIGHT};
  map->scrollX = 200.0f;
  map->UpdateView(0.5f);
  EXPECT_FLOAT_EQ(map->scrollX, 200.0f);
  EXPECT_TRUE(map->scrolled);
  map->scrollX = 0.0f;  // left cannot apply, right moves it off the limit
  map->UpdateView(0.5f);
  EXPECT_FLOAT_EQ(map->scrollX, 50.0f);
  map->scrollX = 480.0f;  // left applies first and right brings it back to the limit
  map->UpdateView(0.5f);
  EXPECT_FLOAT_EQ(map->scrollX, 480.0f);
}

TEST_F(ViewTest, GlideMovesTheLongerAxisAtScrollingSpeedAndSnapsWhenOneAxisArrives) {
  map->GlideTo(300.0f, 100.0f);
  EXPECT_TRUE(map->autoScroll);
  EXPECT_FLOAT_EQ(map->glideVX, 100.0f);
  EXPECT_NEAR(map->glideVY, 100.0f / 3.0f, 1e-4);
  map->UpdateView(1.0f);
  EXPECT_FLOAT_EQ(map->scrollX, 100.0f);
  EXPECT_TRUE(map->autoScroll);
  map->UpdateView(1.0f);
  map->UpdateView(1.5f);
  EXPECT_FALSE(map->autoScroll);
  EXPECT_FLOAT_EQ(map->scrollX, 300.0f);
  EXPECT_FLOAT_EQ(map->scrollY, 100.0f);

  // Backwards, with y set back after the start: x arrives first and y is snapped to its target.
  map->GlideTo(0.0f, 95.0f);
  EXPECT_FLOAT_EQ(map->glideVY, -100.0f * 5.0f / 300.0f);
  map->scrollY = 200.0f;
  map->UpdateView(3.2f);
  EXPECT_FALSE(map->autoScroll);
  EXPECT_FLOAT_EQ(map->scrollX, 0.0f);
  EXPECT_FLOAT_EQ(map->scrollY, 95.0f);

  map->GlideTo(0.0f, 95.0f);  // already there
  EXPECT_FALSE(map->autoScroll);
}

TEST_F(ViewTest, GlideWithoutSpeedWaitsUntilTheHandScrolls) {
  SCROLLING_SPEED = 0.0f;
  map->GlideTo(200.0f, 200.0f);
  for (int i = 0; i < 100; ++i) map->UpdateView(0.5f);
  EXPECT_TRUE(map->autoScroll);
  EXPECT_FLOAT_EQ(map->scrollX, 0.0f);
  Hold(HGEK_D);
  map->UpdateView(0.5f);
  EXPECT_FALSE(map->autoScroll);
}

TEST_F(ViewTest, CentringOnTheSelectedMemberIsClampedToTheLimits) {
  Person* p = AddMember(20, 15);
  selectedMember = 0;
  map->CenterOnMember();
  EXPECT_FLOAT_EQ(map->glideX, 240.0f);
  EXPECT_FLOAT_EQ(map->glideY, 180.0f);
  p->x = 39;
  p->y = 29;
  map->CenterOnMember();
  EXPECT_FLOAT_EQ(map->glideX, 480.0f);
  EXPECT_FLOAT_EQ(map->glideY, 360.0f);
  p->x = p->y = 0;
  map->CenterOnMember();
  EXPECT_FALSE(map->autoScroll);  // the view already shows the corner
  selectedMember = -1;
  map->glideX = 7.0f;
  map->CenterOnMember();
  EXPECT_FLOAT_EQ(map->glideX, 7.0f);
}

TEST_F(ViewTest, OffsetIsTheScrollRoundedDownAndTheCursorCellFollowsIt) {
  BORDER_LEFT = 50.0f;
  Load(MapFile(40, 30, std::string(1200, '(')));
  map->scrollX = 100.6f;
  map->scrollY = 31.9f;
  mouseX = 10.5f;
  mouseY = 20.0f;
  map->UpdateView(0.0f);
  EXPECT_FLOAT_EQ(map->viewX, 100.0f);
  EXPECT_FLOAT_EQ(map->viewY, 31.0f);
  EXPECT_TRUE(map->cursorOnMap);
  EXPECT_EQ(map->cursorX, 3);  // 110.5 / 32
  EXPECT_EQ(map->cursorY, 1);  // 51 / 32
  EXPECT_EQ(map->cursorCell, 43);

  map->scrollX = -20.5f;
  map->scrollY = 0.0f;
  mouseX = 10.0f;
  map->UpdateView(0.0f);
  EXPECT_FLOAT_EQ(map->viewX, -21.0f);
  EXPECT_FALSE(map->cursorOnMap);
  EXPECT_EQ(map->cursorX, 0);  // still computed off the map: -11 truncates to column 0

  map->scrollX = 480.0f;
  mouseX = 799.0f;  // map x 1279: the last pixel column
  map->UpdateView(0.0f);
  EXPECT_TRUE(map->cursorOnMap);
  EXPECT_EQ(map->cursorX, 39);
  map->scrollX = 481.0f;
  map->UpdateView(0.0f);
  EXPECT_FALSE(map->cursorOnMap);
  EXPECT_EQ(map->cursorX, 40);
}

TEST_F(ViewTest, ZeroCellSizeGivesNoCursorCell) {
  Load("2 2 0 0 0 0 0 0 (((( (((( (((( '''' ''''");
  mouseX = 0.0f;
  map->UpdateView(0.1f);
  EXPECT_FALSE(map->cursorOnMap);
  EXPECT_EQ(map->cursorCell, -1);
  map->Draw();
}

}  // namespace
