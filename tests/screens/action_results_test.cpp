// What a finished action means: searches, steps of the drawing cell, push-back, the fall, blows, and the
// death of a zombie.

#include "screen_fixture.h"

namespace {

using Consequences = ScreenTest;

// A finished search costs three points; the one that reaches the threshold also finds
// the escape key, first and only once; a detective finds two things.
TEST_F(Consequences, TheSearchThatReachesTheThresholdAlsoFindsTheEscapeKeyOnce) {
  Person* p = AddMember(3, 3);
  std::vector<Item*>& ground = gameMap->cells[p->cell].items;
  gameMap->searchThreshold = 2;
  struct Case {
    int made;
    bool detective;
    std::vector<int> draws, found;  // RandomInt(2, 51) = 2 + draw mod 50
  };
  for (const Case& c : {Case{1, false, {11}, {ITEM_KITCHEN_KNIFE}},
                        {2, false, {12}, {ITEM_CAR_KEYS, ITEM_COMMANDO_KNIFE}},
                        {5, false, {13}, {ITEM_FRYING_PAN}},
                        {5, true, {0, 49}, {ITEM_CAR_KEYS, ITEM_HOLSTER, ITEM_MACHINE_GUN}}}) {
    SCOPED_TRACE(c.made);
    gameMap->searchesMade = c.made;
    gameMap->escapeKeyFound = gameMap->escapeKeyFound && !c.detective;  // found again for the detective
    if (c.detective) p->skills = {SKILL_DETECTIVE};
    for (int d : c.draws) Feed({d});
    p->actionPoints = 4;
    ApplyMemberResult(0, PA_SEARCH);
    EXPECT_EQ(p->actionPoints, 1);
    std::vector<int> types;
    for (const Item* item : ground) types.push_back(item->type);
    EXPECT_EQ(types, c.found);
    EXPECT_EQ(gameMap->escapeKeyFound, c.made >= 2);
    for (Item* item : ground) delete item;
    ground.clear();
  }
}

// A finished search says what it found: the car keys first, then the finds in the order they were made.
TEST_F(Consequences, AFinishedSearchSaysWhatItFound) {
  Person* p = AddMember(3, 3);
  gameMap->searchThreshold = 5;
  gameMap->searchesMade = 1;
  Feed({11});  // RandomInt(2, 51) = 2 + draw mod 50
  ApplyMemberResult(0, PA_SEARCH);
  EXPECT_EQ(message, W("Найдено: ") + ItemName(ITEM_KITCHEN_KNIFE));
  gameMap->searchesMade = 5;
  p->skills = {SKILL_DETECTIVE};
  Feed({0, 49});
  ApplyMemberResult(0, PA_SEARCH);
  EXPECT_EQ(message, W("Найдено: ") + ItemName(ITEM_CAR_KEYS) + ", " + ItemName(ITEM_HOLSTER) + ", " +
                         ItemName(ITEM_MACHINE_GUN));
  for (Item* item : gameMap->cells[p->cell].items) delete item;
  gameMap->cells[p->cell].items.clear();
}

// A step's first half (plain or climbing) and a push-back move only the drawing cell: the occupied cell
// moved when the step was ordered, and a pushed zombie still stands where it was. A figure leaving its
// drawing cell forgets it only while the cell still names it: a zombie stepping in behind stays drawn.
TEST_F(Consequences, StepsAndPushBacksMoveOnlyTheDrawingCellWhichIsHandedOver) {
  struct Case {
    bool zombie;
    int result, facing, dx, dy;
  };
  for (const Case c : {Case{false, PA_STEP_UP, DIR_NONE, 0, -1},
                       {false, PA_STEP_LEFT, DIR_NONE, -1, 0},
                       {true, PA_CLIMB_RIGHT, DIR_NONE, 1, 0},
                       {true, PA_PUSHED, DIR_UP, 0, 1},
                       {true, PA_PUSHED, DIR_LEFT, 1, 0}}) {
    SCOPED_TRACE(testing::Message() << c.result << " " << c.facing);
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    team.clear();
    zombies.clear();
    Person* p = c.zombie ? AddZombie(4, 4) : AddMember(4, 4);
    p->direction = static_cast<int16_t>(c.facing);
    const int cell = p->cell;
    gameMap->pathsStale = false;
    if (c.zombie) {
      EXPECT_FALSE(ApplyZombieResult(0, c.result));
    } else {
      ApplyMemberResult(0, c.result);
    }
    const map_cell_struct& from = gameMap->cells[cell];
    EXPECT_EQ(std::make_pair(p->x, p->y), std::make_pair(4 + c.dx, 4 + c.dy));
    ASSERT_EQ(p->secondCell, gameMap->CellIndex(p->x, p->y));
    EXPECT_EQ(p->cell, cell);
    EXPECT_EQ(c.zombie ? from.zombieHere : from.memberHere, 0);
    EXPECT_EQ(c.zombie ? from.zombieBound : from.memberBound, -1);
    const map_cell_struct& to = gameMap->cells[p->secondCell];
    EXPECT_EQ(c.zombie ? to.zombieBound : to.memberBound, 0);
    EXPECT_EQ(gameMap->pathsStale, c.result == PA_PUSHED);
  }

  zombies.clear();
  AddZombie(2, 2);  // climbs up
  AddZombie(2, 3);  // walks up behind it, and its first half ends first
  ApplyZombieResult(1, PA_STEP_UP);
  ApplyZombieResult(0, PA_CLIMB_UP);
  for (const auto& [y, bound] : {std::pair{1, 0}, {2, 1}, {3, -1}}) {
    EXPECT_EQ(gameMap->cells[gameMap->CellIndex(2, y)].zombieBound, bound) << y;
  }
}

// The fall leaves the bag and keys on the ground, no longer on the body too, and the body out of the way.
TEST_F(Consequences, TheFallLeavesTheBagAndKeysOnTheGroundAndTheBodyOutOfTheWay) {
  AddMember(1, 1);
  Person* p = AddMember(5, 5);
  const std::vector<Item*> dropped = {new Item(ITEM_KITCHEN_KNIFE), new Item(ITEM_COMMANDO_KNIFE),
                                      new Item(ITEM_CAR_KEYS)};
  p->bag = {dropped[0], dropped[1]};
  p->RecountBag();
  p->keys = dropped[2];
  p->armour = new Item(ITEM_HOCKEY_ARMOUR);
  p->active = dropped[1];
  selectedMember = 1;
  dragState = DRAG_ITEM;
  draggedItem = dropped[0];
  gameMap->pathsStale = false;
  ApplyMemberResult(1, PA_FALL);
  EXPECT_EQ(gameMap->cells[p->cell].items, dropped);
  EXPECT_TRUE(p->bag.empty() && p->bagLoad == 0 && p->keys == nullptr);
  EXPECT_NE(p->armour, nullptr);  // the other slots stay with the body
  EXPECT_EQ(p->active, p->hands);
  EXPECT_EQ(gameMap->cells[p->cell].memberHere, -1);
  EXPECT_EQ(gameMap->cells[p->cell].memberBound, 1);  // still drawn there, lying
  EXPECT_FALSE(p->alive);
  EXPECT_EQ(selectedMember, -1);
  EXPECT_EQ(dragState, DRAG_NONE);
  EXPECT_TRUE(gameMap->pathsStale);
}

// A death deselects only the member who died: the player keeps commanding a living selected member.
TEST_F(Consequences, ADeathDeselectsOnlyTheDeadSelectedMember) {
  AddMember(1, 1);
  AddMember(5, 5);
  AddMember(7, 7);
  selectedMember = 0;
  ApplyMemberResult(1, PA_FALL);
  EXPECT_EQ(selectedMember, 0);
  selectedMember = 2;
  ApplyMemberResult(2, PA_FALL);
  EXPECT_EQ(selectedMember, -1);
  ApplyMemberResult(0, PA_FALL);  // nobody selected: nobody to keep
  EXPECT_EQ(selectedMember, -1);
}

// A death that leaves fewer searches than the car keys wait for lowers their threshold to what the living
// can still reach (four members on 33 spots wait for 82; two are left with 66); one within reach stays.
TEST_F(Consequences, ADeathKeepsTheCarKeysWithinTheSearchesLeft) {
  UseMap(TestMapFile(10, 8, std::string(80, '0'), 33));
  for (int k = 0; k < 4; ++k) AddMember(k, 6);
  gameMap->searchesMade = 0;
  gameMap->searchThreshold = 82;
  ApplyMemberResult(3, PA_FALL);
  EXPECT_EQ(gameMap->searchThreshold, 82) << "99 searches are still possible";
  ApplyMemberResult(2, PA_FALL);
  EXPECT_EQ(gameMap->searchThreshold, 66);
  team[0]->searchable[4] = false;  // one search made and one spot used
  gameMap->searchesMade = 1;
  gameMap->searchThreshold = 50;
  ApplyMemberResult(1, PA_FALL);
  EXPECT_EQ(gameMap->searchThreshold, 33);
}

// Armour takes half the blows; a last blow queues one fall behind the queue, none for the dead.
TEST_F(Consequences, ArmourTakesHalfTheBlowsAndALastBlowQueuesOneFall) {
  Person* p = AddMember(2, 2);
  ApplyMemberResult(0, PA_WOUND);
  EXPECT_EQ(p->life, 3);
  EXPECT_TRUE(p->actions.empty());
  p->armour = new Item(ITEM_HOCKEY_ARMOUR);
  Feed({1});  // RandomInt(0, 1) = 1: absorbed
  ApplyMemberResult(0, PA_WOUND);
  EXPECT_EQ(p->life, 3);
  EXPECT_EQ(message, W("Броня спасла от урона"));
  Feed({0});
  ApplyMemberResult(0, PA_WOUND);
  EXPECT_EQ(p->life, 2);
  delete p->armour;
  p->armour = nullptr;
  p->life = 1;
  p->actions = {{PA_FACE, 0, 0}};
  ApplyMemberResult(0, PA_WOUND);
  EXPECT_EQ(p->life, 0);
  ASSERT_EQ(p->actions.size(), 2u);
  EXPECT_EQ(p->actions.back().type, PA_FALL);
  p->alive = 0;
  ApplyMemberResult(0, PA_WOUND);
  EXPECT_EQ(p->actions.size(), 2u);
}

// A dead zombie leaves the list, the cells follow the new indices, and the zombie after it still plays its
// frame. The dead one is held, not deleted: reading it afterwards is clean under the address sanitizer.
TEST_F(Consequences, ADeadZombieLeavesTheListAndTheNextOneStillPlaysItsFrame) {
  Person* dying = AddZombie(1, 1);
  Person* next = AddZombie(3, 3);
  Person* last = AddZombie(5, 5);
  dying->actions = {{PA_ZOMBIE_DIE, 0, 0}};
  next->actions = last->actions = {{PA_WAIT, 10.0f, 0}};  // a long wait
  gameMap->pathsStale = false;
  screenState = 3;
  PlayActions(0.61f);  // the dying action ends in this frame
  ASSERT_EQ(zombies, (std::vector<Person*>{next, last}));
  EXPECT_FLOAT_EQ(next->actionTime, 0.61f);
  EXPECT_FLOAT_EQ(last->actionTime, 0.61f);
  EXPECT_EQ(screenState, 3);
  EXPECT_EQ(gameMap->cells[dying->cell].zombieHere, -1);
  EXPECT_EQ(gameMap->cells[dying->cell].zombieBound, -1);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(gameMap->cells[zombies[k]->cell].zombieHere, k);
    EXPECT_EQ(gameMap->cells[zombies[k]->cell].zombieBound, k);
  }
  EXPECT_TRUE(gameMap->pathsStale);
}

}  // namespace
