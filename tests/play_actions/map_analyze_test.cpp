// Clicks on the map through whole game frames: moves, searches, put-downs, the pop-up list and fading.

#include "play_actions/map_clicks.h"

namespace {

// A move charges the cheapest path and stops where the points run out, paying all of them.
TEST_F(MapClicks, AMoveChargesTheCheapestPathAndStopsWhereThePointsRunOut) {
  std::string floor(80, '0');
  floor[2 * 10 + 2] = floor[2 * 10 + 3] = '1';  // rough ground on the straight way
  Start(floor, {{1, 2}});
  Person* s = team[0];
  s->SetDirection(DIR_DOWN);
  s->actionPoints = 6;
  Settle();

  // A press in the very frame the pointer enters a cell counts.
  fake.SetMouse(32 * 4 + 16, 32 * 2 + 16);
  Press();
  EXPECT_EQ(s->actionPoints, 1);  // five round the rough cells, not seven through them
  EXPECT_EQ(s->cell, Cell(4, 2));
  EXPECT_EQ(gameMap->cells[Cell(4, 2)].memberHere, 0);
  EXPECT_EQ(gameMap->cells[Cell(1, 2)].memberHere, -1);
  Settle();
  EXPECT_EQ(s->secondCell, s->cell);

  // Three points on a way of five: the walk ends on the last cell costing three, and all three are paid.
  s->actionPoints = 3;
  gameMap->pathsStale = true;
  Settle();
  std::vector<int> costs;
  for (const map_cell_struct& c : gameMap->cells) costs.push_back(c.paths[0].cost);
  At(1, 2);
  fake.Press(HGEK_LBUTTON);
  Frame();
  EXPECT_EQ(Types(s),
            (std::vector<int>{PA_TURN_RIGHT, PA_TURN_RIGHT, PA_STEP_UP, PA_STEP_UP_END, PA_STEP_LEFT,
                              PA_STEP_LEFT_END, PA_STEP_LEFT, PA_STEP_LEFT_END, PA_FACE}));
  EXPECT_EQ(costs[s->cell], 3);
  EXPECT_EQ(s->actionPoints, 0);
}

// Presses count in whichever frame they fall: while the view glides or scrolls under the pointer, and
// before the member's routes are complete.
TEST_F(MapClicks, APressCountsWhileTheViewMovesAndBeforeTheRoutesAreDone) {
  SetSetting("SCROLLING_SPEED", "500");
  SetSetting("BORDER_LEFT", "200");
  Start(std::string(80, '0'), {{1, 1}});
  Person* s = team[0];
  s->actionPoints = 10;
  fake.SetMouse(32 * 4 + 1, 32 * 1 + 16);  // one pixel into cell (4, 1)
  Frame();
  gameMap->GlideTo(-100.0f, 0.0f);  // the map slides right: 5 pixels this frame, onto cell (3, 1)
  Press();
  EXPECT_EQ(s->cell, Cell(3, 1));
  EXPECT_EQ(s->actionPoints, 8);
  Settle();
  ASSERT_EQ(gameMap->view.scrollX, -100.0f);

  // The Left arrow held scrolls the view by hand; the pointer is over cell (0, 1) then.
  fake.held.insert(HGEK_LEFT);
  Press();
  fake.held.erase(HGEK_LEFT);
  EXPECT_TRUE(gameMap->view.scrollX < -100.0f);
  EXPECT_EQ(s->cell, Cell(0, 1));
  EXPECT_EQ(s->actionPoints, 5);
  Settle();

  // Routes made stale just before the press are found for it at once.
  gameMap->view.scrollX = 0.0f;
  gameMap->pathsStale = true;
  At(0, 4);
  fake.Press(HGEK_LBUTTON);
  gameMap->pathsStale = true;
  SetSetting("PATH_FINDING_CICLES", "1");  // one step a frame: far from done
  Frame();
  Release();
  EXPECT_EQ(s->cell, Cell(0, 4));
  EXPECT_EQ(s->actionPoints, 2);
}

// A search needs a neighbour with three points, and each spot is searched once.
TEST_F(MapClicks, ASearchNeedsANeighbourWithThreePointsAndEachSpotIsSearchedOnce) {
  std::string floor(80, '0');
  floor[0] = '4';
  Start(floor, {{1, 1}, {1, 0}}, 1);
  At(0, 0);
  Press();
  EXPECT_EQ(message, Phrases()[PHRASE_COME_CLOSER]);  // diagonal
  SelectMember(1);
  Person* s = team[1];
  s->actionPoints = 2;
  At(0, 0);
  Press();
  EXPECT_EQ(message, Phrases()[PHRASE_NEEDS_THREE_POINTS]);
  s->actionPoints = 4;
  Press();
  EXPECT_EQ(gameMap->searchesMade, 1);
  Settle();
  message.clear();
  s->actionPoints = 4;
  At(0, 0);
  Press();  // searched already: nothing at all
  EXPECT_EQ(message, "");
  EXPECT_EQ(s->actionPoints, 4);
  EXPECT_EQ(gameMap->searchesMade, 1);
}

// Dragged items go to the member's own cell or to the member clicked on; the pop-up picks the row the
// button is released on, and a ground item let go over the map stays where it lies.
TEST_F(MapClicks, DraggedItemsGoToTheMembersOwnCellOrToTheMemberClickedOn) {
  Start(std::string(80, '0'), {{2, 2}, {3, 2}});
  Person* s = team[0];
  Item* knife = Wield(s, ITEM_KITCHEN_KNIFE);
  Item* pan = new Item(ITEM_FRYING_PAN);
  const int own = Cell(2, 2);
  gameMap->cells[own].items.push_back(pan);
  const auto before = ItemsInPlay();
  At(6, 5);
  dragState = DRAG_ITEM;
  dragSource = SRC_BAG;
  draggedItem = knife;
  Press();
  EXPECT_EQ(gameMap->cells[own].items, (std::vector<Item*>{pan, knife}));
  EXPECT_EQ(s->actionPoints, 3);
  EXPECT_EQ(s->active, s->hands);
  EXPECT_EQ(message, Phrases()[PHRASE_PUT_ON_GROUND]);
  EXPECT_EQ(dragState, DRAG_NONE);

  At(2, 2);
  fake.Press(HGEK_LBUTTON);
  Frame();
  ASSERT_EQ(dragState, DRAG_POPUP);
  fake.SetMouse(popupX + 5.0f, popupY + INTER_ITEM_SMALL_H + 5.0f);
  Frame();
  Release();
  ASSERT_EQ(dragState, DRAG_ITEM);
  EXPECT_EQ(std::make_pair(draggedItem, dragSource), std::make_pair(knife, int{SRC_GROUND}));
  At(3, 2);
  Press();
  EXPECT_EQ(team[1]->bag, std::vector<Item*>{knife});
  EXPECT_EQ(ItemsInPlay(), before);

  s->actionPoints = 4;
  dragState = DRAG_ITEM;
  dragSource = SRC_GROUND;
  draggedItem = pan;
  At(6, 5);
  Press();
  EXPECT_EQ(gameMap->cells[own].items, std::vector<Item*>{pan});
  EXPECT_EQ(s->actionPoints, 4);
  dragState = DRAG_APPLY;
  Press();
  EXPECT_EQ(message, Phrases()[PHRASE_NOBODY_TO_HEAL]);
}

// Healing mode ends with the apply, whether it healed, was refused or found nobody: the next click walks.
TEST_F(MapClicks, AnApplyEndsTheHealingModeSoTheNextClickWalks) {
  Start(std::string(80, '0'), {{2, 2}, {6, 6}});
  Person* s = team[0];
  Wield(s, ITEM_FIRST_AID_KIT);
  s->life = 2;
  s->actionPoints = 6;
  struct Case {
    int points;  // the member's points before the apply
    std::pair<int, int> target;
    int phrase;
  };
  const Case cases[] = {{6, {2, 2}, PHRASE_HEALED_A_LITTLE},    // healed, the kit stays
                        {6, {4, 4}, PHRASE_NOBODY_TO_HEAL},     // an empty cell
                        {6, {6, 6}, PHRASE_COME_CLOSER},        // a member too far away
                        {0, {2, 2}, PHRASE_NO_ACTION_POINTS}};  // no points to pay
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phrase);
    s->actionPoints = c.points;
    dragState = DRAG_APPLY;
    if (c.phrase == PHRASE_HEALED_A_LITTLE) Feed({200});
    At(c.target.first, c.target.second);
    Press();
    EXPECT_EQ(message, Phrases()[c.phrase]);
    EXPECT_EQ(dragState, DRAG_NONE);
    EXPECT_EQ(s->actionPoints, c.points - (c.phrase == PHRASE_HEALED_A_LITTLE ? 1 : 0));
    Settle();
  }
  EXPECT_EQ(s->life, 3);
  s->actionPoints = 6;
  message.clear();
  At(4, 2);
  Press();
  EXPECT_EQ(s->cell, Cell(4, 2));
  EXPECT_EQ(s->actionPoints, 4);
  EXPECT_EQ(message, "");
}

// A hiding sprite fades under the cursor, is counted once, and comes back to fully opaque.
TEST_F(MapClicks, AHidingSpriteFadesUnderTheCursorAndComesBackToFullyOpaque) {
  SetSetting("MIN_TRANSPARENCY", "100");
  SetSetting("TRANSPARENCY_SPEED", "700");  // 7 alpha units a frame
  Start(std::string(80, '0'), {{0, 7}});
  gameMap->sprites.push_back({new hgeSprite(0, 0, 0, 32, 32), 255.0f, 0.0f, 0.0f});
  gameMap->cells[Cell(5, 5)].hide = 0;
  gameMap->cells[Cell(6, 5)].hide = 7;  // names no sprite
  map_sprites_struct& roof = gameMap->sprites[0];
  fake.delta = 0.0f;  // frames that fade nothing do not count the sprite again and again
  for (int i = 0; i < 3; ++i) At(5, 5);
  EXPECT_EQ(gameMap->fadedSprites, 0);
  fake.delta = 0.01f;
  for (int i = 0; i < 40; ++i) At(5, 5);
  EXPECT_GE(roof.alpha, 93.0f);  // at most one step below the floor
  EXPECT_LE(roof.alpha, 100.0f);
  EXPECT_EQ(gameMap->fadedSprites, 1);
  fake.delta = 0.013f;  // 9.1 units a frame: the last step overshoots 255
  for (int i = 0; i < 40; ++i) At(6, 5);
  EXPECT_EQ(roof.alpha, 255.0f);
  EXPECT_EQ(gameMap->fadedSprites, 0);
  EXPECT_EQ(roof.sprite->GetColor(), 0xFFFFFFFFu);
}

// A member who cannot pay even the first step is told so, and nothing moves, turns or is charged.
TEST_F(MapClicks, AMemberWhoCannotPayTheFirstStepIsToldAndNothingChanges) {
  std::string floor(80, '0');
  floor[1] = floor[10] = '1';  // rough on both ways out of the corner: three points each
  Start(floor, {{0, 0}});
  Person* s = team[0];
  s->SetDirection(DIR_UP);
  s->actionPoints = 2;
  gameMap->pathsStale = true;
  Settle();
  At(4, 0);
  Press();
  EXPECT_EQ(message, Phrases()[PHRASE_NO_ACTION_POINTS]);
  EXPECT_EQ(s->actionPoints, 2);
  EXPECT_TRUE(s->actions.empty());
  EXPECT_EQ(s->direction, DIR_UP);
  EXPECT_EQ(s->cell, Cell(0, 0));
  EXPECT_EQ(screenState, PHASE_INPUT);

  // With the three points the same click walks as far as they pay for.
  s->actionPoints = 3;
  Press();
  EXPECT_EQ(s->cell, Cell(1, 0));
  EXPECT_EQ(s->actionPoints, 0);
}

// A broken path table is reported once and moves nobody.
TEST_F(MapClicks, AMoveAlongABrokenPathTableIsReportedOnceAndChangesNothing) {
  Start(std::string(80, '0'), {{1, 1}});
  Person* s = team[0];
  gameMap->cells[Cell(5, 5)].paths[0] = {3, DIR_NONE};  // reached, yet no direction leads back
  At(5, 5);
  Press();
  EXPECT_EQ(fake.errorBoxes, std::vector<std::string>{W("Неизвестно направление Map::Analyze")});
  EXPECT_EQ(s->actionPoints, 4);
  EXPECT_TRUE(s->actions.empty());
  EXPECT_EQ(screenState, PHASE_INPUT);
}

}  // namespace
