// The clickable rectangles: hit rules, the head-up display's order and enabling, the items pop-up.
#include "ui/hud_list.h"

#include <gtest/gtest.h>

#include "game/item.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screen_fixture.h"
#include "ui/smart_gui.h"

namespace {

using HudList = ScreenTest;

TEST(SmartGuiRules, EdgesAreInsideDuplicatesAreRefusedAndDisabledRectanglesAreSkipped) {
  SmartGui gui;
  EXPECT_TRUE(gui.Add(1, 10, 20, 30, 40, true));
  EXPECT_FALSE(gui.Add(1, 0, 0, 800, 600, true));  // the first rectangle stays as it was
  EXPECT_TRUE(gui.Add(2, 0, 0, 100, 100, true));
  ASSERT_EQ(gui.Rects().size(), 2u);
  EXPECT_EQ(gui.Rects()[0]->right, 40);
  EXPECT_EQ(gui.Rects()[0]->bottom, 60);

  for (auto [x, y] : {std::pair{10.0f, 20.0f}, {40.0f, 60.0f}, {10.0f, 60.0f}, {40.0f, 20.0f}}) {
    EXPECT_EQ(gui.HitTest(x, y), 1) << x << "," << y;
    EXPECT_TRUE(gui.WasHit());
  }
  EXPECT_EQ(gui.HitTest(40.5f, 30), 2);  // past rectangle 1, still inside rectangle 2
  EXPECT_TRUE(gui.Disable(1));
  EXPECT_EQ(gui.HitTest(20, 30), 2);
  EXPECT_EQ(gui.HitTest(150, 150), -1);
  EXPECT_FALSE(gui.WasHit());
  EXPECT_TRUE(gui.Enable(1));
  EXPECT_EQ(gui.HitTest(20, 30), 1);
  EXPECT_FALSE(gui.Enable(99));
  EXPECT_FALSE(gui.Disable(99));
}

TEST_F(HudList, CellsAndSlotsComeBeforeThePanelAndTheEndButtonIsAlwaysOn) {
  AddMember(1, 1);
  selectedMember = 0;
  BuildHudList();
  ApplyHudEnabling();
  // Panel top is 600 - 130 = 470; bag cells start at 20 + 10, 44 apart, 40 wide.
  EXPECT_EQ(hudGui->HitTest(30, 480), HUD_BAG_FIRST);
  EXPECT_EQ(hudGui->HitTest(30 + 7 * 44 + 40, 520), HUD_BAG_FIRST + 7);  // right and bottom edges
  EXPECT_EQ(hudGui->HitTest(30 + 40.5f, 500), HUD_PANEL);                // between two cells
  EXPECT_EQ(hudGui->HitTest(400, 480), HUD_ACTIVE_ITEM);
  EXPECT_EQ(hudGui->HitTest(568, 560), HUD_ACTIVE_ITEM);  // 2 x 84 by 2 x 40
  EXPECT_EQ(hudGui->HitTest(30, 530), HUD_ARMOUR);
  EXPECT_EQ(hudGui->HitTest(120, 530), HUD_BACKPACK);
  EXPECT_EQ(hudGui->HitTest(210, 530), HUD_HANDS);
  EXPECT_EQ(hudGui->HitTest(300, 530), HUD_HOLSTER);
  EXPECT_EQ(hudGui->HitTest(350, 530), HUD_KEYS);
  EXPECT_EQ(hudGui->HitTest(700, 20), HUD_PHOTO_FIRST);
  EXPECT_EQ(hudGui->HitTest(760, 110), HUD_PHOTO_FIRST);  // photo and life bar: 60 x (80 + 10)
  EXPECT_EQ(hudGui->HitTest(700, 130), -1);               // photo 2 has no member: disabled
  EXPECT_EQ(hudGui->HitTest(690, 540), HUD_END_TURN);
  EXPECT_EQ(hudGui->HitTest(300, 200), -1);
}

TEST_F(HudList, PhotosFollowTheLivingAndTheInventoryFollowsALivingSelection) {
  AddMember(1, 1);
  AddMember(2, 1);
  AddMember(3, 1);
  BuildHudList();
  selectedMember = 1;
  ApplyHudEnabling();
  EXPECT_EQ(hudGui->HitTest(700, 20 + 2 * 110), HUD_PHOTO_FIRST + 2);
  EXPECT_EQ(hudGui->HitTest(700, 20 + 3 * 110), -1);
  EXPECT_EQ(hudGui->HitTest(30, 480), HUD_BAG_FIRST);

  team[1]->alive = 0;  // the selected member dies
  ApplyHudEnabling();
  EXPECT_EQ(hudGui->HitTest(700, 20 + 110), -1);
  for (auto [x, y] : {std::pair{30.0f, 480.0f}, {400.0f, 480.0f}, {30.0f, 530.0f}, {550.0f, 590.0f}}) {
    EXPECT_EQ(hudGui->HitTest(x, y), -1) << x << "," << y;
    EXPECT_FALSE(hudGui->WasHit());  // the mouse counts as over the map
  }
  EXPECT_EQ(hudGui->HitTest(750, 580), HUD_END_TURN);

  selectedMember = -1;
  team[1]->alive = 1;
  ApplyHudEnabling();
  EXPECT_EQ(hudGui->HitTest(400, 480), -1);
  selectedMember = 7;  // beyond the team
  ApplyHudEnabling();
  EXPECT_EQ(hudGui->HitTest(400, 480), -1);
}

TEST_F(HudList, PopUpStaysOnScreenAndEveryPointHitsSomething) {
  const int cell = gameMap->CellIndex(2, 2);
  std::vector<Item*>& items = gameMap->cells[cell].items;
  items = {new Item(13), new Item(1), new Item(13)};  // sizes 1, 2, 1

  BuildPopupList(cell, 5, 7);  // near the top-left corner: two pixels right and below
  EXPECT_EQ(popupX, 7);
  EXPECT_EQ(popupY, 9);
  EXPECT_EQ(popupCell, cell);
  EXPECT_EQ(popupGui->HitTest(7, 9), 0);
  EXPECT_EQ(popupGui->HitTest(7 + 80, 9 + 40 + 1), 1);  // the two-cell entry is two cells wide
  EXPECT_EQ(popupGui->HitTest(7 + 41, 9 + 1), -1);      // right of a one-cell entry
  EXPECT_TRUE(popupGui->WasHit());
  EXPECT_EQ(popupGui->HitTest(799, 599), -1);
  EXPECT_TRUE(popupGui->WasHit());

  BuildPopupList(cell, 790, 595);  // near the bottom-right corner
  EXPECT_EQ(popupX, 800 - 84);
  EXPECT_EQ(popupY, 600 - 3 * 40);
  EXPECT_EQ(popupGui->HitTest(800 - 84, 600 - 39), 2);  // below the shared edge of entries 1 and 2

  items.assign(20, items[0]);  // more entries than fit: the list starts at the top
  BuildPopupList(cell, 400, 300);
  EXPECT_EQ(popupY, 0);
  EXPECT_EQ(popupX, 402);
}

}  // namespace
