// The action rules with chosen draws: refusals, attacks, healing, hand-over, reloading and the car.

#include "play_actions/play_support.h"

namespace {

class ActionRules : public PlayTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (fake.loadedEffects.empty()) LoadSounds();
    fake.playedEffects.clear();
    user = AddMember(4, 4);
    user->SetDirection(DIR_UP);
    SelectMember(0);
    message.clear();
  }

  // A zombie at (x, y) that the user's active item can reach.
  static Person* Target(int x, int y) {
    Person* z = AddZombie(x, y);
    gameMap->MarkTargets();
    EXPECT_TRUE(z->targetable);
    return z;
  }

  std::vector<std::string> Played() const {
    std::vector<std::string> files;
    for (HEFFECT e : fake.playedEffects) files.push_back(fake.loadedEffects.at(e - 1));
    return files;
  }

  static std::string Phrase(int n) { return n < 0 ? std::string() : Phrases()[n]; }

  Person* user = nullptr;
};

// An empty bow, crossbow or nail gun says what it lacks, as an empty firearm does, and changes nothing.
TEST_F(ActionRules, AnEmptyBowCrossbowOrNailGunSaysWhatItLacks) {
  Person* z = Target(4, 3);
  for (const auto& [type, text] :
       {std::pair{ITEM_BOW, "Нет стрел"}, {ITEM_CROSSBOW, "Нет стрел"}, {ITEM_NAIL_GUN, "Нет гвоздей"}}) {
    SCOPED_TRACE(type);
    user->bag.clear();
    Wield(user, type)->loaded = 0;
    gameMap->MarkTargets();
    ASSERT_TRUE(z->targetable);
    message.clear();
    AttackZombie(z->cell);
    EXPECT_EQ(message, W(text));
    EXPECT_EQ(user->actionPoints, 4);
    EXPECT_TRUE(user->actions.empty() && z->actions.empty());
    EXPECT_EQ(screenState, PHASE_INPUT);
  }
}

// Every refusal posts its phrase (or none) and changes nothing: no points, items, queues or phase. Neither
// does any command without a living selected member, or with an action index past the item's list.
TEST_F(ActionRules, EveryRefusalPostsItsPhraseAndChangesNothing) {
  Person* far = AddMember(6, 4);
  Person* dead = AddMember(4, 5);
  dead->alive = 0;
  Person* full = AddMember(3, 4);
  for (int i = 0; i < 4; ++i) full->PutIntoBag(new Item(ITEM_KITCHEN_KNIFE), SRC_ELSEWHERE);
  Item* knife = Wield(user, ITEM_KITCHEN_KNIFE);
  Item* kit = Wield(user, ITEM_FIRST_AID_KIT);
  Item* keys = Wield(user, ITEM_CAR_KEYS);
  Item* revolver = Wield(user, ITEM_REVOLVER);
  revolver->loaded = 0;
  Person* z = Target(4, 3);
  const auto items = ItemsInPlay();
  auto expect = [&](int phrase, int points, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(message, Phrase(phrase));
    EXPECT_EQ(user->actionPoints, points);
    EXPECT_EQ(far->actionPoints + dead->actionPoints + full->actionPoints, 12);
    EXPECT_EQ(ItemsInPlay(), items);
    for (const Person* p : team) EXPECT_TRUE(p->actions.empty());
    EXPECT_TRUE(z->actions.empty());
    EXPECT_EQ(screenState, PHASE_INPUT);
    message.clear();
  };

  AttackZombie(z->cell);
  expect(PHRASE_NO_CARTRIDGES, 4, "empty revolver");
  EXPECT_EQ(Played(), std::vector<std::string>{"Sound/fx/hammer-click.mp3"});
  Reload();
  expect(-1, 4, "reload without ammunition");
  user->active = user->hands;
  dragState = DRAG_APPLY;
  AttackZombie(z->cell);
  expect(-1, 4, "blow while an apply waits");
  CancelDrag();
  user->actionPoints = 0;
  AttackZombie(z->cell);
  expect(PHRASE_NO_ACTION_POINTS, 0, "blow without points");
  user->active = kit;
  ApplyItem(0);
  expect(PHRASE_NO_ACTION_POINTS, 0, "apply without points");
  user->actionPoints = 4;
  ApplyItem(1);
  expect(PHRASE_COME_CLOSER, 4, "apply two cells away");
  ApplyItem(2);
  expect(-1, 4, "apply to the dead");
  dragState = DRAG_ITEM;
  dragSource = SRC_BAG;
  PassItem(0);
  expect(PHRASE_HAND_TO_HAND, 4, "pass to oneself");
  PassItem(3);
  expect(PHRASE_NO_ACTION_POINTS, 4, "pass with nothing dragged");
  draggedItem = knife;
  PassItem(1);
  expect(PHRASE_COME_CLOSER, 4, "pass two cells away");
  PassItem(3);
  expect(PHRASE_NO_ROOM, 4, "pass into a full bag");
  user->active = keys;
  user->skills = {SKILL_CANNOT_DRIVE};
  gameMap->escapeX = gameMap->escapeY = 4;
  StartCar();
  expect(PHRASE_CANNOT_DRIVE, 4, "a member who cannot drive");

  user->skills.clear();
  revolver->loaded = 6;
  for (Item* item : {revolver, kit, keys, user->hands}) {
    for (const int selection : {-1, 2, 7}) {  // nobody, the dead member, past the team
      dead->active = item;
      selectedMember = selection;
      AttackZombie(z->cell);
      ApplyItem(0);
      Reload();
      StartCar();
      PassItem(3);
      expect(-1, 4, "no living selection");
    }
    selectedMember = 0;
    user->active = item;
    item->selectedAction = 9;
    AttackZombie(z->cell);
    ApplyItem(0);
    Reload();
    StartCar();
    expect(-1, 4, "an action past the list");
  }
  EXPECT_EQ(Played().size(), 1u);
}

// A burst stops drawing at the kill but every shot takes its round; the dead zombie leaves list and cell.
TEST_F(ActionRules, ABurstStopsDrawingAtTheKillButEveryShotTakesItsRound) {
  Item* ak = Wield(user, ITEM_AK47, 1);
  ak->loaded = 3;
  Person* z = Target(4, 1);
  Feed({500, 100, 7});  // a miss, a kill; the 7 must be left for later
  AttackZombie(z->cell);
  EXPECT_EQ(RandomInt(0, 999), 7);
  EXPECT_EQ(user->actionPoints, 3);
  EXPECT_EQ(Types(user), (std::vector<int>{PA_FIRE_LONG, PA_FIRE_LONG, PA_FIRE_LONG, PA_FACE}));
  EXPECT_EQ(Types(z), (std::vector<int>{PA_ZOMBIE_WAIT, PA_ZOMBIE_RECOIL, PA_ZOMBIE_DIE, PA_ZOMBIE_FACE}));
  for (int i = 0; i < 1000 && screenState == PHASE_TEAM_ACTING; ++i) PlayActions(0.05f);  // as phase 1 does
  EXPECT_EQ(ak->loaded, 0);
  EXPECT_TRUE(zombies.empty());  // off the list once dead, and held elsewhere: not freed here
  EXPECT_EQ(gameMap->cells[gameMap->CellIndex(4, 1)].zombieHere, -1);
}

// A knock-back moves the zombie's occupied cell at once, unless a wall stops it; it waits for the turns.
TEST_F(ActionRules, AKnockBackPushesTheZombieAwayUnlessSomethingStopsItAfterTheTurns) {
  for (const bool wall : {false, true}) {
    SCOPED_TRACE(wall);
    std::string floor(80, '0');
    if (wall) floor[4 * 10 + 6] = '3';
    FreePlay();
    UseMap(TestMapFile(10, 8, floor));
    user = AddMember(4, 4);
    user->SetDirection(DIR_LEFT);  // its back to the zombie: two turns, 0.4 s for the zombie to wait
    SelectMember(0);
    Person* z = Target(5, 4);
    Feed({100});  // bare hands: past the kill, onto the knock-back
    AttackZombie(z->cell);
    EXPECT_EQ(Types(user), (std::vector<int>{PA_TURN_RIGHT, PA_TURN_RIGHT, PA_STRIKE, PA_FACE}));
    EXPECT_FLOAT_EQ(z->actions[0].p1, 0.4f);
    EXPECT_EQ(z->direction, DIR_LEFT);  // it faces the attacker at once
    const int from = gameMap->CellIndex(5, 4), to = gameMap->CellIndex(6, 4);
    const std::vector<int> reaction =
        wall ? std::vector<int>{PA_ZOMBIE_WAIT, PA_BUMP, PA_ZOMBIE_FACE}
             : std::vector<int>{PA_ZOMBIE_WAIT, PA_PUSHED, PA_PUSHED_END, PA_ZOMBIE_FACE};
    EXPECT_EQ(Types(z), reaction);
    EXPECT_EQ(z->cell, wall ? from : to);
    EXPECT_EQ(gameMap->cells[from].zombieHere, wall ? 0 : -1);
    EXPECT_EQ(gameMap->cells[to].zombieHere, wall ? -1 : 0);
  }
}

// Healing queues one use for every result passed over; used-up items go; adrenaline is capped at 8.
TEST_F(ActionRules, HealingShowsOneUseForEveryResultPassedOverAndAdrenalineIsCapped) {
  struct Case {
    int type, roll;
    bool skilled;
    std::vector<int> uses;
    int phrase;
  };
  const Case cases[] = {
      {ITEM_PAINKILLER, 999, false, {}, PHRASE_NO_PAIN},
      {ITEM_FIRST_AID_KIT, 200, false, {}, PHRASE_HEALED_A_LITTLE},
      {ITEM_FIRST_AID_KIT, 400, false, {PA_USE, PA_FACE}, PHRASE_KIT_USED_UP},
      {ITEM_FIRST_AID_KIT, 600, false, {PA_USE, PA_FACE, PA_USE, PA_FACE}, -1},  // no result at all
      {ITEM_FIRST_AID_KIT, 600, true, {PA_USE, PA_FACE}, PHRASE_KIT_USED_UP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.roll);
    user->actions.clear();
    user->skills = c.skilled ? std::vector<int>{SKILL_HEALING} : std::vector<int>{};
    user->life = 2;
    user->actionPoints = 4;
    user->painkillerTurns = 0;
    screenState = PHASE_INPUT;
    message.clear();
    Wield(user, c.type);
    const size_t carried = user->bag.size();
    dragState = DRAG_APPLY;
    Feed({c.roll});
    ApplyItem(0);
    const bool usedUp = c.phrase == PHRASE_NO_PAIN || c.phrase == PHRASE_KIT_USED_UP;
    EXPECT_EQ(user->actionPoints, 3);
    EXPECT_EQ(Types(user), c.uses);
    EXPECT_EQ(screenState, c.uses.empty() ? PHASE_INPUT : PHASE_TEAM_ACTING);
    EXPECT_EQ(message, Phrase(c.phrase));
    EXPECT_EQ(user->life, c.phrase == PHRASE_HEALED_A_LITTLE || c.phrase == PHRASE_KIT_USED_UP ? 3 : 2);
    EXPECT_EQ(user->painkillerTurns, c.type == ITEM_PAINKILLER ? 5 : 0);
    EXPECT_EQ(user->bag.size(), carried - (usedUp ? 1 : 0));
    EXPECT_EQ(dragState, DRAG_NONE);  // whatever came of it, the next click is an ordinary one
  }

  Person* mate = AddMember(5, 4);
  for (const int before : {3, 6}) {
    mate->actionPoints = before;
    user->actions.clear();
    Wield(user, ITEM_ADRENALINE);
    Feed({0});
    ApplyItem(1);
    EXPECT_EQ(mate->actionPoints, before == 3 ? 7 : 8);
    EXPECT_EQ(Types(user), std::vector<int>{PA_TURN_RIGHT});  // turned to the mate, waiting for phase 1
  }
}

// A hand-over takes the item from every source exactly once; the ground item is found by identity even
// when the cell's list changed after the pick, and a lost backpack throws out what no longer fits.
TEST_F(ActionRules, AHandOverTakesTheItemFromEverySourceExactlyOnce) {
  Person* mate = AddMember(5, 4);
  std::vector<Item*>& ground = gameMap->cells[user->cell].items;
  // The item in each source, and what the user's bag holds beside it (oldest first).
  auto place = [&](int source) -> Item* {
    auto bag = [&](std::initializer_list<int> types, int capacity) {
      for (int type : types) user->bag.push_back(new Item(type));
      user->bagCapacity = static_cast<int16_t>(capacity);
    };
    switch (source) {
      case SRC_BAG:
        return Wield(user, ITEM_KITCHEN_KNIFE);
      case SRC_GROUND: {
        ground = {new Item(ITEM_KITCHEN_KNIFE), new Item(ITEM_FRYING_PAN), new Item(ITEM_HAMMER)};
        Item* g = ground[1];
        ground.insert(ground.begin(), new Item(ITEM_CHAIN));  // the list changes after the pick
        return g;
      }
      case SRC_BACKPACK:
        bag({ITEM_KITCHEN_KNIFE, ITEM_AXE, ITEM_GOLF_CLUB, ITEM_FRYING_PAN}, 7);  // sizes 1, 2, 2, 1
        return user->backpack = new Item(ITEM_BACKPACK);
      case SRC_HOLSTER:
        bag({ITEM_KITCHEN_KNIFE, ITEM_AXE, ITEM_GOLF_CLUB}, 5);
        return user->holster = new Item(ITEM_HOLSTER);
      case SRC_ARMOUR:
        return user->armour = new Item(ITEM_HOCKEY_ARMOUR);
      default:
        return user->keys = new Item(ITEM_CAR_KEYS);
    }
  };
  // What the ground keeps: the other three, or the two oldest items of a bag that lost its backpack.
  const size_t left[] = {0, 0, 3, 2, 1, 0, 0};
  for (int source = SRC_BAG; source <= SRC_KEYS; ++source) {
    SCOPED_TRACE(source);
    Discard(mate->bag);
    mate->RecountBag();
    user->actionPoints = 4;
    Discard(user->bag);
    Discard(ground);
    Item* g = place(source);
    user->RecountBag();
    user->active = source == SRC_GROUND ? user->hands : g;
    const auto before = ItemsInPlay();
    draggedItem = g;
    dragSource = source;
    dragCell = source == SRC_GROUND ? user->cell : -1;
    PassItem(1);
    EXPECT_EQ(message, Phrase(PHRASE_HANDED_OVER));
    EXPECT_EQ(user->actionPoints, 3);
    EXPECT_EQ(mate->bag, std::vector<Item*>{g});
    EXPECT_EQ(user->active, user->hands);
    EXPECT_EQ(ItemsInPlay(), before);
    EXPECT_TRUE(NoDuplicates(ItemsInPlay()));
    EXPECT_EQ(user->bagCapacity, 4);
    EXPECT_LE(user->bagLoad, user->bagCapacity);
    EXPECT_EQ(ground.size(), left[source]);
  }
}

// A reload takes from the first suitable item; a box with one unit left goes, a fuller one stays.
TEST_F(ActionRules, AReloadFillsTheMagazineFromTheFirstSuitableItem) {
  struct Case {
    int weapon, loaded;
    std::vector<int> ammo;
    int boxUnits, expectLoaded;
    std::vector<int> left;
  };
  const int revolver = ITEM_REVOLVER, box = ITEM_AMMO_BOX, cartridges = ITEM_CARTRIDGES, nails = ITEM_NAILS;
  const Case cases[] = {
      {revolver, 0, {box, cartridges}, 1, 6, {revolver, cartridges}},       // a box with one unit goes
      {revolver, 0, {box, cartridges}, 3, 6, {revolver, box, cartridges}},  // a fuller box stays
      {ITEM_NAIL_GUN, 0, {cartridges, nails}, 0, 20, {ITEM_NAIL_GUN, cartridges}},  // nails only
      {revolver, 2, {nails}, 0, 2, {revolver, nails}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.weapon << " " << c.ammo.size() << " " << c.boxUnits);
    Discard(user->bag);
    user->actionPoints = 4;
    Item* weapon = Wield(user, c.weapon, 2);
    weapon->loaded = static_cast<int16_t>(c.loaded);
    for (int type : c.ammo) {
      user->bag.push_back(new Item(type));
      if (type == ITEM_AMMO_BOX) user->bag.back()->loaded = static_cast<int16_t>(c.boxUnits);
    }
    Reload();
    EXPECT_EQ(weapon->loaded, c.expectLoaded);
    std::vector<int> left;
    for (const Item* item : user->bag) left.push_back(item->type);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(user->actionPoints, c.expectLoaded == c.loaded ? 4 : 3);
    EXPECT_TRUE(c.boxUnits != 3 || user->bag[1]->loaded == 2);  // one unit lighter
  }
}

// The car starts only on the escape cell, saying so elsewhere at no cost, and only for a roll above 0.83.
TEST_F(ActionRules, TheCarStartsOnlyOnTheEscapeCellAndAboveTheThreshold) {
  Wield(user, ITEM_CAR_KEYS);
  gameMap->escapeX = 5;
  gameMap->escapeY = 4;
  StartCar();
  EXPECT_EQ(user->actionPoints, 4);
  EXPECT_EQ(message, W("Машина не здесь"));
  EXPECT_TRUE(Played().empty());
  gameMap->escapeX = 4;
  Feed({830});
  StartCar();
  EXPECT_EQ(user->actionPoints, 3);
  EXPECT_EQ(message, Phrase(PHRASE_ENGINE_FAILED));
  EXPECT_EQ(Played(), std::vector<std::string>{"Sound/fx/Drive away fail.mp3"});
  EXPECT_EQ(outcome, OUTCOME_NONE);
  Feed({831});
  StartCar();
  EXPECT_EQ(Played().back(), "Sound/fx/Drive away.mp3");
  EXPECT_EQ(outcome, OUTCOME_WON);
}

}  // namespace
