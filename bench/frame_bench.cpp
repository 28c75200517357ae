// One idle game-screen frame on the headless backend, and the allocations it makes.
//
// The frame is update and draw submission (nothing rasterised) with a team of four and the full zombie
// count on the shipped map, in the player's phase with the mouse resting over the map.
#include <benchmark/benchmark.h>

#include "alloc_count.h"
#include "app/shell.h"
#include "game_session.h"
#include "headless_game.h"
#include "map/map.h"

namespace {

void BM_GameScreenFrame(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  RunGameFrames(1);  // buffers grown by earlier benchmarks are settled
  const uint64_t allocationsBefore = AllocationCount();
  for (auto _ : state) RunGameFrames(1);
  const double allocations = static_cast<double>(AllocationCount() - allocationsBefore);
  state.counters["allocs_per_frame"] = allocations / static_cast<double>(state.iterations());
  state.counters["quads"] = static_cast<double>(hge->Gfx_GetRecordedQuads().size());
  state.counters["draw_calls"] = hge->Gfx_GetDrawCalls();
  if (screenState != 0 || gameMap->searchMember >= 0) state.SkipWithError("the frames were not idle");
}
BENCHMARK(BM_GameScreenFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
