// The zombie reach overlay's computation: on the shipped map with the game's zombies, and on the largest
// map the format allows with a zombie on every fourth open cell (far more than any map's zombie count).
#include <benchmark/benchmark.h>

#include <vector>

#include "game/person.h"
#include "game/world.h"
#include "headless_game.h"
#include "large_map.h"
#include "map/map.h"
#include "map/zombie_reach.h"

namespace {

// Times ZombieReach over `list` on `map` and reports the zombies and the cells found.
void Reach(benchmark::State& state, const Map& map, const std::vector<Person*>& list) {
  size_t cells = 0;
  for (auto _ : state) {
    const std::vector<int> reach = ZombieReach(map, list);
    cells = reach.size();
    benchmark::DoNotOptimize(reach.data());
  }
  state.counters["zombies"] = static_cast<double>(list.size());
  state.counters["cells"] = static_cast<double>(cells);
}

void BM_ZombieReachShippedMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  Reach(state, *gameMap, zombies);
}
BENCHMARK(BM_ZombieReachShippedMap)->Unit(benchmark::kMicrosecond);

// A frame of the player's phase in which no figure moved: the reach is only checked, not worked out.
void BM_ZombieReachUnchangedFrame(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  UpdateZombieReach();
  for (auto _ : state) {
    UpdateZombieReach();
    benchmark::DoNotOptimize(zombieReachCells.data());
  }
}
BENCHMARK(BM_ZombieReachUnchangedFrame)->Unit(benchmark::kMicrosecond);

void BM_ZombieReachLargestMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  Map& map = LargeMap();
  std::vector<Person*> crowd;
  int open = 0;
  for (int c = 0; c < static_cast<int>(map.cells.size()); ++c) {
    if (map.cells[c].floor != FLOOR_OPEN || open++ % 4 != 0) continue;
    auto* z = new Person(zombieTexture);
    z->x = c % map.W;
    z->y = c / map.W;
    z->cell = z->secondCell = static_cast<int16_t>(c);
    map.cells[c].zombieHere = static_cast<int16_t>(crowd.size());
    crowd.push_back(z);
  }
  Reach(state, map, crowd);
  for (Person* z : crowd) {
    map.cells[z->cell].zombieHere = -1;
    delete z;
  }
}
BENCHMARK(BM_ZombieReachLargestMap)->Unit(benchmark::kMillisecond);

}  // namespace
