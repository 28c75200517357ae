// The car keys stay within reach: the search threshold never asks for more searches than can still be made.
#include <algorithm>

#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

int Map::SearchesLeft() const {
  int left = 0;
  for (const Person* p : team) {
    if (p == nullptr || !p->alive) continue;
    const size_t spots = std::min(searchSpots.size(), p->searchable.size());
    for (size_t k = 0; k < spots; ++k) left += p->searchable[k] ? 1 : 0;
  }
  return left;
}

void Map::KeepKeysReachable() {
  if (escapeKeyFound) return;
  searchThreshold = std::min(searchThreshold, searchesMade + SearchesLeft());
}
