// Complete member and zombie path searches on the shipped map and on the largest map the format allows.
//
// Each search is driven frame by frame at the shipped PATH_FINDING_CICLES, as the game frame drives it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "config/settings.h"
#include "game/person.h"
#include "game/world.h"
#include "headless_game.h"
#include "large_map.h"
#include "map/map.h"

namespace {

// Phases of the game frame that drive each search.
constexpr int kMemberPhase = 0;
constexpr int kZombiePhase = 2;

// While alive, the team can be put on any cells of `map` (members not put take no part); afterwards every
// member stands, lives and is selected as before on the game map.
class TeamPlacement {
 public:
  explicit TeamPlacement(Map& map) : map(map), selected(selectedMember) {
    for (Person* p : team) {
      saved.push_back({p->x, p->y, p->cell, p->secondCell, p->alive});
      if (gameMap->ValidCell(p->cell)) gameMap->cells[p->cell].memberHere = -1;
      p->cell = p->secondCell = -1;
      p->alive = 0;
    }
    selectedMember = 0;
  }
  ~TeamPlacement() {
    for (size_t i = 0; i < saved.size(); ++i) {
      Person* p = team[i];
      Leave(p);
      p->x = saved[i].x;
      p->y = saved[i].y;
      p->cell = saved[i].cell;
      p->secondCell = saved[i].secondCell;
      p->alive = saved[i].alive;
      if (gameMap->ValidCell(p->cell)) gameMap->cells[p->cell].memberHere = static_cast<int16_t>(i);
    }
    selectedMember = selected;
    // The member search marks attack targets from the map it ran on: mark them again on the game map.
    gameMap->pathsStale = true;
    while (gameMap->pathsStale || gameMap->searchMember >= 0) gameMap->DrivePathSearch(kMemberPhase);
  }

  // Member i stands, alive, on `cell` of the map.
  void Put(int i, int cell) {
    Person* p = team[i];
    Leave(p);
    p->x = cell % map.W;
    p->y = cell / map.W;
    p->cell = p->secondCell = static_cast<int16_t>(cell);
    p->alive = 1;
    map.cells[cell].memberHere = static_cast<int16_t>(i);
  }

 private:
  struct Saved {
    int x, y;
    int16_t cell, secondCell;
    uint8_t alive;
  };
  void Leave(Person* p) {
    if (map.ValidCell(p->cell) && p->alive) map.cells[p->cell].memberHere = -1;
  }
  Map& map;
  int selected;
  std::vector<Saved> saved;
};

// Puts the four members on open cells near the middles of the large map's edges, as the start puts the
// team on edge cells.
void PutTeamOnLargeMap(TeamPlacement* placement, const Map& map) {
  const int mid = LARGE_MAP_SIDE / 2, last = LARGE_MAP_SIDE - 1;
  const int edges[4][4] = {{mid, 0, 1, 0}, {last, mid, 0, 1}, {mid, last, 1, 0}, {0, mid, 0, 1}};
  for (int i = 0; i < 4; ++i) {
    int x = edges[i][0], y = edges[i][1];
    while (map.Inside(x, y) && map.cells[map.CellIndex(x, y)].floor != FLOOR_OPEN) {
      x += edges[i][2];
      y += edges[i][3];
    }
    if (map.Inside(x, y)) placement->Put(i, map.CellIndex(x, y));
  }
}

// Frames a whole search takes at `cycles` steps a frame; *firstFrames gets the frames until the selected
// member's own table is complete (the member search shows paths from then on).
int FramesToFinish(Map& map, int phase, float cycles, int* firstFrames) {
  const float shipped = PATH_FINDING_CICLES;
  PATH_FINDING_CICLES = cycles;
  map.pathsStale = true;
  int frames = 0;
  *firstFrames = 0;
  while (map.pathsStale || map.searchMember >= 0) {
    map.DrivePathSearch(phase);
    ++frames;
    if (*firstFrames == 0 && phase == kMemberPhase && map.pathDone[selectedMember]) *firstFrames = frames;
  }
  PATH_FINDING_CICLES = shipped;
  return frames;
}

void Search(benchmark::State& state, Map& map, int phase) {
  int firstFrames = 0;
  const int steps = FramesToFinish(map, phase, 1.0f, &firstFrames);
  const int frames = FramesToFinish(map, phase, PATH_FINDING_CICLES, &firstFrames);
  for (auto _ : state) {
    map.pathsStale = true;
    while (map.pathsStale || map.searchMember >= 0) map.DrivePathSearch(phase);
    benchmark::DoNotOptimize(map.cells.data());
  }
  state.counters["cells"] = static_cast<double>(map.cells.size());
  state.counters["steps"] = steps;
  state.counters["frames"] = frames;
  if (phase == kMemberPhase) state.counters["frames_to_first_path"] = firstFrames;
  state.counters["cycles_per_frame"] = PATH_FINDING_CICLES;
}

void BM_MemberSearchShippedMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  Search(state, *gameMap, kMemberPhase);
}
BENCHMARK(BM_MemberSearchShippedMap)->Unit(benchmark::kMicrosecond);

void BM_ZombieSearchShippedMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  Search(state, *gameMap, kZombiePhase);
}
BENCHMARK(BM_ZombieSearchShippedMap)->Unit(benchmark::kMicrosecond);

// How the frames of the member search spread over start cells on the shipped map (zombies where the game
// put them): one member alone from every open cell, and four members on random distinct open cells.
void BM_MemberSearchShippedMapStarts(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  constexpr int kTeams = 1000;
  Map& map = *gameMap;
  TeamPlacement placement(map);
  std::vector<int> open;
  for (int c = 0; c < static_cast<int>(map.cells.size()); ++c) {
    if (map.cells[c].floor <= FLOOR_RAISED && map.cells[c].zombieHere < 0) open.push_back(c);
  }
  int first = 0, oneWorst = 0, fourWorst = 0, fourFirstWorst = 0, fourInTwo = 0;
  for (auto _ : state) {
    for (int c : open) {
      placement.Put(0, c);
      oneWorst = std::max(oneWorst, FramesToFinish(map, kMemberPhase, 1.0f, &first));
    }
    std::mt19937 random(1);
    std::uniform_int_distribution<size_t> pick(0, open.size() - 1);
    for (int t = 0; t < kTeams; ++t) {
      std::vector<int> cells;
      while (cells.size() < 4) {
        const int c = open[pick(random)];
        if (std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
      }
      for (int i = 0; i < 4; ++i) placement.Put(i, cells[i]);
      fourWorst = std::max(fourWorst, FramesToFinish(map, kMemberPhase, 1.0f, &first));
      fourInTwo += FramesToFinish(map, kMemberPhase, PATH_FINDING_CICLES, &first) <= 2;
      fourFirstWorst = std::max(fourFirstWorst, first);
    }
  }
  state.counters["open_cells"] = static_cast<double>(open.size());
  state.counters["one_member_worst_steps"] = oneWorst;
  state.counters["four_members_worst_steps"] = fourWorst;
  state.counters["four_members_in_2_frames_pct"] = 100.0 * fourInTwo / kTeams / state.iterations();
  state.counters["four_members_first_path_worst_frames"] = fourFirstWorst;
}
BENCHMARK(BM_MemberSearchShippedMapStarts)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MemberSearchLargestMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  TeamPlacement placement(LargeMap());
  PutTeamOnLargeMap(&placement, LargeMap());
  Search(state, LargeMap(), kMemberPhase);
}
BENCHMARK(BM_MemberSearchLargestMap)->Unit(benchmark::kMillisecond);

void BM_ZombieSearchLargestMap(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  TeamPlacement placement(LargeMap());
  PutTeamOnLargeMap(&placement, LargeMap());
  Search(state, LargeMap(), kZombiePhase);
}
BENCHMARK(BM_ZombieSearchLargestMap)->Unit(benchmark::kMillisecond);

}  // namespace
