// The game screen in a real SDL window, batching on and off in the same run.
//
// Reported: frame time, SDL draw calls a frame, batches and quads a frame, and operator new calls a frame.
// The renderer is SDL's choice or SDL_RENDER_DRIVER's (software, opengl).
#include <benchmark/benchmark.h>

#include "alloc_count.h"
#include "app/shell.h"
#include "engine/sdl/sdl_batching.h"
#include "game_session.h"

namespace {

bool WindowGame() {
  static const bool running = [] {
    hgeRunOptions options;
    options.backend = hgeBackend::Sdl;
    options.scale = 1;
    options.seeded = true;
    options.seed = 20240611;
    return StartFullGame(options);
  }();
  return running;
}

void BM_WindowGameScreenFrame(benchmark::State& state) {
  if (!WindowGame()) return state.SkipWithError("the game did not start in a window");
  SdlSetBatching(state.range(0) != 0);
  RunGameFrames(1);
  const uint64_t callsBefore = SdlGeometryCalls();
  const uint64_t allocationsBefore = AllocationCount();
  for (auto _ : state) RunGameFrames(1);
  const double allocations = static_cast<double>(AllocationCount() - allocationsBefore);
  const double frames = static_cast<double>(state.iterations());
  state.counters["sdl_calls_per_frame"] = static_cast<double>(SdlGeometryCalls() - callsBefore) / frames;
  state.counters["allocs_per_frame"] = allocations / frames;
  state.counters["batches"] = hge->Gfx_GetDrawCalls();
  state.counters["quads"] = static_cast<double>(hge->Gfx_GetRecordedQuads().size());
  state.SetLabel(SdlRendererName());
  SdlSetBatching(true);
}
// CPU time counts every thread of the program (the OpenGL renderer may draw on its own threads).
BENCHMARK(BM_WindowGameScreenFrame)
    ->ArgName("batching")
    ->Arg(1)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
