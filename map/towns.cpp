// The shipped towns and the choice of the town for new games.
#include "map/towns.h"

#include "game/random.h"

int chosenTown = 0;

const std::vector<Town>& Towns() {
  static const std::vector<Town> towns = {
      {"duskhollow", "Duskhollow", "Data/map1.dhm"},
      {"village", "Marsh End", "Data/map2.dhm"},
      {"works", "Coldbridge Works", "Data/map3.dhm"},
      {"estate", "Kestrel Park", "Data/map4.dhm"},
  };
  return towns;
}

int FindTown(const std::string& id) {
  const std::vector<Town>& towns = Towns();
  for (size_t i = 0; i < towns.size(); ++i) {
    if (id == towns[i].id) return static_cast<int>(i);
  }
  return -1;
}

void StepTown(int step) {
  const int n = static_cast<int>(Towns().size());
  chosenTown = ((chosenTown + step) % n + n) % n;
}

void ChooseRandomTown() {
  chosenTown = RandomInt(0, static_cast<int>(Towns().size()) - 1);
}
