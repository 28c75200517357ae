// The pointer between the map and the display: the items pop-up.

#include "play_actions/map_clicks.h"

namespace {

// A plain click on the member's own cell opens the list of its items and leaves it open; a click on an
// entry picks that item, a click anywhere else or the right button closes the list and does nothing more.
TEST_F(MapClicks, AClickOpensTheItemsListUntilAPickAClickElsewhereOrTheRightButton) {
  Start(std::string(80, '0'), {{2, 2}});
  Person* s = team[0];
  Item* pan = new Item(ITEM_FRYING_PAN);
  Item* knife = new Item(ITEM_KITCHEN_KNIFE);
  gameMap->cells[Cell(2, 2)].items = {pan, knife};
  const auto open = [&] {
    At(2, 2);
    Press();
    EXPECT_EQ(dragState, DRAG_POPUP);
  };
  open();
  At(5, 5);
  Press();
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_EQ(s->cell, Cell(2, 2));  // the click closed the list, and walked nowhere
  EXPECT_EQ(s->actionPoints, 4);

  open();
  fake.Press(HGEK_RBUTTON);
  Frame();
  fake.Lift(HGEK_RBUTTON);
  Frame();
  EXPECT_EQ(dragState, DRAG_NONE);

  open();
  fake.SetMouse(popupX + 5.0f, popupY + INTER_ITEM_SMALL_H + 5.0f);
  Frame();
  Press();
  EXPECT_EQ(dragState, DRAG_ITEM);
  EXPECT_EQ(std::make_pair(draggedItem, dragSource), std::make_pair(knife, int{SRC_GROUND}));
  EXPECT_EQ(gameMap->cells[Cell(2, 2)].items, (std::vector<Item*>{pan, knife}));  // until it is put somewhere
}

// The list lies wholly on the map, on the screen and above the panel, so its last entry can be picked as
// well: for a member in the map's bottom row and for one standing just above the panel (top at 470).
TEST_F(MapClicks, EveryEntryOfTheItemsListCanBePickedNearTheMapsEdgeAndThePanel) {
  for (const int rows : {8, 20}) {
    SCOPED_TRACE(rows);
    const int y = rows == 8 ? 7 : 14;  // rows 8: the map ends at 256; rows 20: row 14 ends at 480
    Start(std::string(10 * rows, '0'), {{2, y}});
    std::vector<Item*>& ground = gameMap->cells[Cell(2, y)].items;
    ground = {new Item(ITEM_FRYING_PAN), new Item(ITEM_AXE), new Item(ITEM_HAMMER)};
    fake.SetMouse(32 * 2 + 16, std::min(32 * y + 16, 466));
    Frame();
    Press();
    ASSERT_EQ(dragState, DRAG_POPUP);
    const float bottom = std::min(600.0f - INTER_INV_H, static_cast<float>(gameMap->pixelH));
    for (const SmartGuiRect* r : popupGui->Rects()) {
      if (r->id < 0) continue;
      EXPECT_TRUE(r->left >= 0 && r->top >= 0 && r->right <= 320 && r->bottom <= bottom) << r->id;
    }
    fake.SetMouse(popupX + 5.0f, popupY + 2 * INTER_ITEM_SMALL_H + 5.0f);
    Frame();
    Press();
    EXPECT_EQ(dragState, DRAG_ITEM);
    EXPECT_EQ(draggedItem, ground[2]);
    FreePlay();
  }
}

}  // namespace
