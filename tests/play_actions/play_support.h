// What the play tests share: every item in play, a figure's queued action types, playing the queues out.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/game_frame.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "game/item.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"

// Every item carried by the team (bags and slots) or lying on the map, sorted; duplicates stay visible.
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

// True when no item is held in two places at once.
inline bool NoDuplicates(std::vector<const Item*> items) {
  return std::adjacent_find(items.begin(), items.end()) == items.end();
}

// The queued action types of a figure, front first.
inline std::vector<int> Types(const Person* p) {
  std::vector<int> types;
  for (const person_action_struct& a : p->actions) types.push_back(a.type);
  return types;
}

// Plays every queue to its end, as phase 1 does.
inline void PlayOut() {
  for (int i = 0; i < 1000 && screenState == PHASE_TEAM_ACTING; ++i) PlayActions(0.05f);
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
