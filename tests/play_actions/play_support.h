// What the play tests of both programs share: items in play, queued action types, clean-up.
#pragma once

#include <algorithm>
#include <set>

#include "screens/screen_fixture.h"

// Every item carried by the team (bags and slots) or lying on the map, sorted; one held twice shows twice.
inline std::vector<const Item*> ItemsInPlay() {
  std::vector<const Item*> all;
  for (const Person* p : team) {
    all.insert(all.end(), p->bag.begin(), p->bag.end());
    for (const Item* slot : {p->armour, p->keys, p->backpack, p->holster}) {
      if (slot != nullptr) all.push_back(slot);
    }
  }
  for (const map_cell_struct& c : gameMap->cells) all.insert(all.end(), c.items.begin(), c.items.end());
  std::sort(all.begin(), all.end());
  return all;
}

inline bool NoDuplicates(const std::vector<const Item*>& sorted) {
  return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

// The queued action types of a figure, front first.
inline std::vector<int> Types(const Person* p) {
  std::vector<int> types;
  for (const person_action_struct& a : p->actions) types.push_back(a.type);
  return types;
}

// Deletes the items of a list the test throws away, and empties it.
inline void Discard(std::vector<Item*>& items) {
  for (Item* item : items) delete item;
  items.clear();
}

// Deletes both figure lists and every item still in play, and empties the cells.
inline void FreePlay() {
  const std::vector<const Item*> held = ItemsInPlay();
  std::set<const Item*> items(held.begin(), held.end());
  for (const Person* p : team) items.insert(p->hands);
  for (map_cell_struct& c : gameMap->cells) c.items.clear();
  items.erase(nullptr);
  for (const Item* item : items) delete item;
  for (Person* p : team) delete p;
  for (Person* z : zombies) delete z;
  team.clear();
  zombies.clear();
  CancelDrag();
}

// A new item of `type` in member p's bag, made the active item with action `action` selected.
inline Item* Wield(Person* p, int type, int action = 0) {
  Item* item = new Item(type);
  item->selectedAction = action;
  p->bag.push_back(item);
  p->RecountBag();
  p->active = item;
  return item;
}

// The play tests' fixture: the screen fixture, and nothing left in play after a test.
class PlayTest : public ScreenTest {
 protected:
  void TearDown() override {
    FreePlay();
    ScreenTest::TearDown();
  }
};
