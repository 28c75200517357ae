// The pointer between the map and the display: the items pop-up, the view and the map's marks while the
// pointer rests on the display, and drags let go over a dead member's photo.

#include "play_actions/map_clicks.h"

namespace {

// Sprites of their own for the cursor frame and the path tokens while it lives, so that their quads can be
// told from every other picture's.
class OwnMarks {
 public:
  OwnMarks() {
    for (int k = 0; k < 6; ++k) {
      hgeSprite*& slot = k < 2 ? markerTop[k] : pathTokens[k - 2];
      saved[k] = slot;
      own[k] = new hgeSprite(0, 5000.0f + 10 * k, 0, 4, 4);
      slot = own[k];
    }
  }
  ~OwnMarks() {
    for (int k = 0; k < 6; ++k) {
      (k < 2 ? markerTop[k] : pathTokens[k - 2]) = saved[k];
      delete own[k];
    }
  }
  OwnMarks(const OwnMarks&) = delete;
  OwnMarks& operator=(const OwnMarks&) = delete;

  // How many quads of one frame's drawing show the cursor frame and how many the path tokens.
  std::pair<int, int> Count(FakeEngine& fake) const {
    fake.ClearRecords();
    GameRender();
    int cursor = 0, path = 0;
    for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) {
      for (int k = 0; k < 6; ++k) {
        if (q.tex != own[k]->GetTexture() || q.v[0].tx != own[k]->GetQuad().v[0].tx) continue;
        (k < 2 ? cursor : path) += 1;
      }
    }
    return {cursor, path};
  }

 private:
  hgeSprite* saved[6] = {};
  hgeSprite* own[6] = {};
};

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

// With the pointer resting on the panel the view still obeys the keys and glides to a member chosen again
// (the game starts with such a glide), though the screen's edge under the pointer scrolls nothing.
TEST_F(MapClicks, OverThePanelTheViewFollowsTheKeysAndGlides) {
  SetSetting("SCROLLING_SPEED", "500");
  Start(std::string(40 * 30, '0'), {{30, 20}}, 0, 40);  // 1280 x 960 pixels
  fake.SetMouse(300, 599.5f);  // on the panel, in the band along the screen's bottom edge
  Frame();
  EXPECT_EQ(gameMap->view.scrollY, 0.0f);
  fake.Press(HGEK_1);  // the selected member again: glide to it
  Frame();
  fake.Lift(HGEK_1);
  for (int i = 0; i < 200 && gameMap->view.autoScroll; ++i) Frame();
  const map_view_struct& view = gameMap->view;
  EXPECT_EQ(std::make_pair(view.scrollX, view.scrollY), std::make_pair(view.scrollMaxX, 20 * 32 - 300.0f));
  for (int key : {HGEK_LEFT, HGEK_A}) {
    const float before = view.scrollX;
    fake.held.insert(key);
    Frame();
    fake.held.erase(key);
    EXPECT_EQ(view.scrollX, before - 5.0f) << key;
  }
}

// While the pointer rests on the display the map shows no cursor frame and no path tokens, and a roof
// faded under the pointer comes back.
TEST_F(MapClicks, OverThePanelTheMapShowsNoCursorNoPathAndNoFadedRoof) {
  SetSetting("MIN_TRANSPARENCY", "100");
  SetSetting("TRANSPARENCY_SPEED", "700");
  Start(std::string(40 * 30, '0'), {{2, 2}}, 0, 40);
  gameMap->sprites.push_back({new hgeSprite(0, 0, 0, 32, 32), 255.0f, 0.0f, 0.0f});
  gameMap->cells[Cell(5, 5)].hide = 0;
  for (int i = 0; i < 10; ++i) At(5, 5);
  ASSERT_LT(gameMap->sprites[0].alpha, 255.0f);
  const OwnMarks marks;
  const std::pair<int, int> onMap = marks.Count(fake);
  EXPECT_EQ(onMap.first, 2);  // the cursor frame's two looks
  EXPECT_GT(onMap.second, 0);

  fake.SetMouse(300, 540);  // on the panel, over cell (9, 16)
  for (int i = 0; i < 40; ++i) Frame();
  EXPECT_EQ(marks.Count(fake), std::make_pair(0, 0));
  EXPECT_EQ(gameMap->sprites[0].alpha, 255.0f);
}

// A drag let go over a dead member's photo changes nothing and costs nothing: the photo is part of the
// display, not a way to the map beneath it.
TEST_F(MapClicks, ADragLetGoOverADeadMembersPhotoChangesNothing) {
  Start(std::string(80, '0'), {{2, 2}, {3, 2}});
  Person* s = team[0];
  team[1]->alive = 0;
  ApplyHudEnabling();
  Item* knife = Wield(s, ITEM_KITCHEN_KNIFE);
  const auto before = ItemsInPlay();
  const std::string said = message;
  dragState = DRAG_ITEM;
  dragSource = SRC_BAG;
  draggedItem = knife;
  fake.SetMouse(730, 175);  // the second photo
  Frame();
  Press();
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_EQ(s->bag, std::vector<Item*>{knife});
  EXPECT_TRUE(gameMap->cells[s->cell].items.empty());
  EXPECT_EQ(s->actionPoints, 4);
  EXPECT_EQ(message, said);
  EXPECT_EQ(ItemsInPlay(), before);
}

}  // namespace
