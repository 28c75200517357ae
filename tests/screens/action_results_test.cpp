// What a finished action means: searches, steps of the drawing cell, the fall, blows, zombie death,
// push-back.
#include <gtest/gtest.h>

#include "app/game_frame.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screen_fixture.h"
#include "ui/hud_list.h"
#include "ui/smart_gui.h"

namespace {

using Consequences = ScreenTest;

std::vector<int> TypesIn(int cell) {
  std::vector<int> types;
  for (const Item* item : gameMap->cells[cell].items) types.push_back(item->type);
  return types;
}

TEST_F(Consequences, TheSearchThatReachesTheThresholdAlsoFindsTheEscapeKey) {
  Person* p = AddMember(3, 3);
  gameMap->searchThreshold = 2;
  gameMap->searchesMade = 1;  // below the threshold: the usual find only
  const size_t sounds = fake.playedEffects.size();
  Feed({11});  // RandomInt(2, 51) = 2 + 11 mod 50 = 13
  ApplyMemberResult(0, 4);
  EXPECT_EQ(p->actionPoints, 1);
  EXPECT_EQ(TypesIn(p->cell), (std::vector<int>{13}));
  EXPECT_FALSE(gameMap->escapeKeyFound);
  EXPECT_EQ(fake.playedEffects.size(), sounds + 1);

  gameMap->cells[p->cell].items.clear();
  gameMap->searchesMade = 2;
  Feed({12});
  ApplyMemberResult(0, 4);
  EXPECT_EQ(TypesIn(p->cell), (std::vector<int>{0, 14}));  // the key comes first, then the find
  EXPECT_TRUE(gameMap->escapeKeyFound);

  gameMap->cells[p->cell].items.clear();
  gameMap->searchesMade = 5;  // the key turns up only once
  Feed({13});
  ApplyMemberResult(0, 4);
  EXPECT_EQ(TypesIn(p->cell), (std::vector<int>{15}));
}

TEST_F(Consequences, ADetectiveFindsTwoThingsAndTheKeyBesides) {
  Person* p = AddMember(3, 3);
  p->skills = {7};
  gameMap->searchThreshold = 0;
  Feed({0, 49});
  ApplyMemberResult(0, 4);
  EXPECT_EQ(TypesIn(p->cell), (std::vector<int>{0, 2, 51}));
}

TEST_F(Consequences, AStepsFirstHalfMovesOnlyTheDrawingCell) {
  struct Case {
    int result, dx, dy;
  };
  for (const Case c : {Case{5, 0, -1},
                       {15, 0, -1},
                       {7, 1, 0},
                       {17, 1, 0},
                       {9, 0, 1},
                       {19, 0, 1},
                       {11, -1, 0},
                       {21, -1, 0}}) {
    SCOPED_TRACE(c.result);
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    team.clear();
    zombies.clear();
    Person* m = AddMember(4, 4);
    Person* z = AddZombie(6, 2);
    const int memberCell = m->cell;
    const int zombieCell = z->cell;
    ApplyMemberResult(0, c.result);
    EXPECT_FALSE(ApplyZombieResult(0, c.result));
    EXPECT_EQ(m->x, 4 + c.dx);
    EXPECT_EQ(m->y, 4 + c.dy);
    EXPECT_EQ(m->secondCell, gameMap->CellIndex(m->x, m->y));
    EXPECT_EQ(m->cell, memberCell);  // the occupied cell moved when the step was ordered
    EXPECT_EQ(gameMap->cells[memberCell].memberBound, -1);
    EXPECT_EQ(gameMap->cells[m->secondCell].memberBound, 0);
    EXPECT_EQ(gameMap->cells[memberCell].memberHere, 0);
    EXPECT_EQ(z->secondCell, gameMap->CellIndex(6 + c.dx, 2 + c.dy));
    EXPECT_EQ(gameMap->cells[zombieCell].zombieBound, -1);
    EXPECT_EQ(gameMap->cells[z->secondCell].zombieBound, 0);
    EXPECT_EQ(gameMap->cells[zombieCell].zombieHere, 0);
  }
}

TEST_F(Consequences, TheFallLeavesTheBagAndKeysOnTheGroundAndTheBodyOutOfTheWay) {
  AddMember(1, 1);
  Person* p = AddMember(5, 5);
  Item* knife = new Item(13);
  Item* other = new Item(14);
  Item* keys = new Item(0);
  Item* armour = new Item(3);
  p->bag = {knife, other};
  p->RecountBag();
  p->keys = keys;
  p->armour = armour;
  p->active = other;
  selectedMember = 1;
  BuildHudList();
  ApplyHudEnabling();
  dragState = DRAG_ITEM;
  draggedItem = knife;
  dragSource = 1;
  gameMap->pathsStale = false;

  ApplyMemberResult(1, 26);
  EXPECT_EQ(gameMap->cells[p->cell].items, (std::vector<Item*>{knife, other, keys}));
  // Each item is in one place only: the body carries none of what lies on the ground.
  EXPECT_TRUE(p->bag.empty());
  EXPECT_EQ(p->bagLoad, 0);
  EXPECT_EQ(p->keys, nullptr);
  EXPECT_EQ(p->armour, armour);  // the other slots stay with the body
  EXPECT_EQ(p->active, p->hands);
  EXPECT_EQ(gameMap->cells[p->cell].memberHere, -1);
  EXPECT_EQ(gameMap->cells[p->cell].memberBound, 1);  // still drawn there, lying
  EXPECT_FALSE(p->alive);
  EXPECT_EQ(selectedMember, -1);
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_EQ(draggedItem, nullptr);
  EXPECT_TRUE(gameMap->pathsStale);
  EXPECT_EQ(hudGui->HitTest(700, 20 + 110), -1);  // the dead member's photo is off
  EXPECT_EQ(hudGui->HitTest(700, 20), HUD_PHOTO_FIRST);
}

TEST_F(Consequences, ArmourTakesHalfTheBlowsAndALastBlowQueuesOneFall) {
  Person* p = AddMember(2, 2);
  ApplyMemberResult(0, 27);
  EXPECT_EQ(p->life, 3);
  EXPECT_TRUE(p->actions.empty());

  p->armour = new Item(3);
  Feed({1});  // RandomInt(0, 1) = 1: absorbed
  ApplyMemberResult(0, 27);
  EXPECT_EQ(p->life, 3);
  EXPECT_EQ(message, W("Броня спасла от урона"));
  Feed({0});
  ApplyMemberResult(0, 27);
  EXPECT_EQ(p->life, 2);

  p->armour = nullptr;
  p->life = 1;
  p->actions = {{0, 0, 0}};
  ApplyMemberResult(0, 27);
  EXPECT_EQ(p->life, 0);
  ASSERT_EQ(p->actions.size(), 2u);
  EXPECT_EQ(p->actions.back().type, 26);  // appended behind what was queued

  p->alive = 0;  // a blow that arrives when the member is already dead queues nothing
  ApplyMemberResult(0, 27);
  EXPECT_EQ(p->actions.size(), 2u);
}

TEST_F(Consequences, ADeadZombieLeavesTheListAndTheCellsFollowTheNewIndices) {
  AddZombie(1, 1);
  Person* b = AddZombie(3, 3);
  Person* c = AddZombie(5, 5);
  gameMap->pathsStale = false;
  EXPECT_TRUE(ApplyZombieResult(1, 32));
  EXPECT_EQ(zombies.size(), 2u);
  EXPECT_EQ(zombies[1], c);
  EXPECT_EQ(gameMap->cells[b->cell].zombieHere, -1);
  EXPECT_EQ(gameMap->cells[b->cell].zombieBound, -1);
  EXPECT_EQ(gameMap->cells[c->cell].zombieHere, 1);
  EXPECT_EQ(gameMap->cells[c->cell].zombieBound, 1);
  EXPECT_TRUE(gameMap->pathsStale);
}

TEST_F(Consequences, TheZombieAfterARemovedOneStillPlaysItsFrame) {
  Person* dying = AddZombie(1, 1);
  Person* next = AddZombie(3, 3);
  Person* last = AddZombie(5, 5);
  dying->actions = {{32, 0, 0}};
  next->actions = {{1, 10.0f, 0}};  // a long wait
  last->actions = {{1, 10.0f, 0}};
  screenState = 3;
  PlayActions(0.1f);  // the dying action ends in this frame
  ASSERT_EQ(zombies.size(), 2u);
  EXPECT_FLOAT_EQ(next->actionTime, 0.1f);
  EXPECT_FLOAT_EQ(last->actionTime, 0.1f);
  EXPECT_EQ(screenState, 3);
}

TEST_F(Consequences, APushedZombieIsDrawnOneCellBehindItsFacingButStillOccupiesItsCell) {
  struct Case {
    int facing, x, y;
  };
  for (const Case c : {Case{1, 4, 5}, {2, 3, 4}, {3, 4, 3}, {4, 5, 4}}) {
    SCOPED_TRACE(c.facing);
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    zombies.clear();
    Person* z = AddZombie(4, 4);
    z->direction = static_cast<int16_t>(c.facing);
    const int cell = z->cell;
    gameMap->pathsStale = false;
    EXPECT_FALSE(ApplyZombieResult(0, 33));
    EXPECT_EQ(z->x, c.x);
    EXPECT_EQ(z->y, c.y);
    EXPECT_EQ(z->secondCell, gameMap->CellIndex(c.x, c.y));
    EXPECT_EQ(z->cell, cell);
    EXPECT_EQ(gameMap->cells[cell].zombieBound, -1);
    EXPECT_EQ(gameMap->cells[z->secondCell].zombieBound, 0);
    EXPECT_EQ(gameMap->cells[cell].zombieHere, 0);
    EXPECT_TRUE(gameMap->pathsStale);
  }
}

TEST_F(Consequences, WhenEveryQueueIsEmptyTheTeamsPhaseReturnsToInputAndTheZombiesToPlanning) {
  Person* p = AddMember(2, 2);
  p->actions = {{0, 0, 0}};
  screenState = 1;
  PlayActions(0.01f);  // the closing action ends: still busy this frame
  EXPECT_EQ(screenState, 1);
  PlayActions(0.01f);
  EXPECT_EQ(screenState, 0);
  screenState = 3;
  PlayActions(0.01f);
  EXPECT_EQ(screenState, 2);
}

}  // namespace
