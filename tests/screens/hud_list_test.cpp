// The clickable rectangles: hit rules, the head-up display's order and enabling, the items pop-up.

#include "screen_fixture.h"

namespace {

using HudList = ScreenTest;

struct Hit {
  float x, y;
  int id;
};

void ExpectHits(SmartGui& gui, std::initializer_list<Hit> hits) {
  for (const Hit& h : hits) EXPECT_EQ(gui.HitTest(h.x, h.y), h.id) << h.x << "," << h.y;
}

// Edges count as inside, a repeated id is refused, disabled rectangles are skipped, unknown ids refused.
TEST(SmartGuiRules, EdgesAreInsideDuplicatesAreRefusedAndDisabledRectanglesAreSkipped) {
  SmartGui gui;
  EXPECT_TRUE(gui.Add(1, 10, 20, 30, 40, true));
  EXPECT_FALSE(gui.Add(1, 0, 0, 800, 600, true));  // the first rectangle stays as it was
  EXPECT_TRUE(gui.Add(2, 0, 0, 100, 100, true));
  ExpectHits(gui, {{10, 20, 1}, {40, 60, 1}, {40.5f, 30, 2}, {150, 150, -1}});
  EXPECT_FALSE(gui.WasHit());
  EXPECT_TRUE(gui.Disable(1));
  ExpectHits(gui, {{20, 30, 2}});
  EXPECT_TRUE(gui.WasHit());
  EXPECT_FALSE(gui.Enable(99));
}

// Cells and slots come before the panel that holds them; photos follow the living members, the inventory a
// living selection, and the end-turn button is always on.
TEST_F(HudList, CellsAndSlotsComeBeforeThePanelAndPhotosAndInventoryFollowTheLiving) {
  for (int x = 1; x <= 3; ++x) AddMember(x, 1);
  BuildHudList();
  selectedMember = 0;
  ApplyHudEnabling();
  for (const SmartGuiRect* r : hudGui->Rects()) {  // the panel lies behind the cells and slots
    EXPECT_TRUE(!r->enabled || r->id == HUD_PANEL || hudGui->HitTest(r->left + 1, r->bottom - 1) == r->id)
        << r->id;
  }
  ExpectHits(*hudGui,
             {{30 + 40.5f, 500, HUD_PANEL}, {700, 20 + 3 * 110, -1}});  // between cells, no fourth member

  team[1]->alive = 0;
  selectedMember = 1;  // a dead selection
  ApplyHudEnabling();
  for (const Hit& h : {Hit{700, 130, -1}, {30, 480, -1}, {750, 580, HUD_END_TURN}}) {
    EXPECT_EQ(hudGui->HitTest(h.x, h.y), h.id) << h.x << "," << h.y;
    EXPECT_EQ(hudGui->WasHit(), h.id != -1);  // off the display the mouse counts as over the map
  }
  team[1]->alive = 1;
  for (int none : {-1, 7}) {  // no selection, or one beyond the team
    selectedMember = none;
    ApplyHudEnabling();
    ExpectHits(*hudGui, {{400, 480, -1}});
  }
}

// The pop-up opens two pixels right of and below the click, but wholly where the map is on the screen and
// above the inventory panel, so every entry can be picked; entries are as wide as their items, and too many
// entries start at the top.
TEST_F(HudList, PopUpStaysOnTheMapAboveThePanelAndEntriesAreAsWideAsTheirItems) {
  const int cell = gameMap->CellIndex(2, 2);
  std::vector<Item*>& items = gameMap->cells[cell].items;
  // Sizes 1, 2, 1.
  items = {new Item(ITEM_KITCHEN_KNIFE), new Item(ITEM_HANDS), new Item(ITEM_KITCHEN_KNIFE)};
  BuildPopupList(cell, 5, 7);
  EXPECT_EQ(std::make_tuple(popupX, popupY, popupCell), std::make_tuple(7, 9, cell));
  ExpectHits(*popupGui, {{7, 9, 0}, {7 + 80, 9 + 40 + 1, 1}, {7 + 41, 9 + 1, -1}});
  const std::vector<Item*> kept = items;
  // The 320 x 256 map ends left of and above the corner: the list keeps to the map's last row and column.
  BuildPopupList(cell, 790, 595);
  EXPECT_EQ(std::make_pair(popupX, popupY), std::make_pair(320 - 80, 256 - 3 * 40));
  // A view scrolled past the map's top-left corner: the list starts where the map does.
  gameMap->view.offsetX = -100.0f;
  gameMap->view.offsetY = -30.0f;
  BuildPopupList(cell, 50, 10);
  EXPECT_EQ(std::make_pair(popupX, popupY), std::make_pair(100, 30));
  items.resize(20, kept[0]);
  BuildPopupList(cell, 50, 10);
  EXPECT_EQ(std::make_pair(popupX, popupY), std::make_pair(100, 30));  // too many: from the top down
  items.clear();
  // A map larger than the screen: the panel's top (470) is the limit, and the screen's right edge.
  UseMap(TestMapFile(40, 30, std::string(1200, '0')));
  std::vector<Item*>& more = gameMap->cells[cell].items;
  more = kept;
  BuildPopupList(cell, 790, 460);
  EXPECT_EQ(std::make_pair(popupX, popupY), std::make_pair(800 - 80, 470 - 3 * 40));
  more.clear();
  for (Item* item : kept) delete item;
}

}  // namespace
