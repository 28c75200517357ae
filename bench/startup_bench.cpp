// Start-up of the built program to its first frame and to its first menu frame, as whole processes.
//
// Each run is launch, start-up, one frame and the orderly shutdown; for the menu, Space held from frame 1
// skips the logo.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program with `args`, its output thrown away, adding its CPU time (user and system) to *cpu;
// true when it exited with 0.
bool RunProgram(std::vector<std::string> args, double* cpu) {
  args.insert(args.begin(), DH_BINARY);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, DH_BINARY, &files, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  int status = 0;
  rusage usage{};
  if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid) return false;
  *cpu += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
          static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// One frame of the program, headless or in a window; with `menu`, Space is held from frame 1 so that the
// frame shows the menu.
void StartUp(benchmark::State& state, bool headless, bool menu) {
  const std::string script = "/tmp/dh_bench_space.txt";
  if (FILE* file = std::fopen(script.c_str(), "w")) {
    std::fputs("1 down SPACE\n", file);
    std::fclose(file);
  }
  std::vector<std::string> args = {"--seed", "1", "--frames", "1"};
  if (headless) args.push_back("--headless");
  if (menu) args.insert(args.end(), {"--input", script});
  double cpu = 0.0;
  for (auto _ : state) {
    if (!RunProgram(args, &cpu)) return state.SkipWithError("the program failed");
  }
  state.counters["program_cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

void BM_StartUpToFirstFrameHeadless(benchmark::State& state) {
  StartUp(state, true, false);
}
BENCHMARK(BM_StartUpToFirstFrameHeadless)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartUpToFirstMenuFrameHeadless(benchmark::State& state) {
  StartUp(state, true, true);
}
BENCHMARK(BM_StartUpToFirstMenuFrameHeadless)->Unit(benchmark::kMillisecond)->UseRealTime();

// In a window only where there is a display (or SDL is told to use its dummy driver).
[[maybe_unused]] const bool kWindowed = [] {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("SDL_VIDEODRIVER") == nullptr) return false;
  benchmark::RegisterBenchmark("BM_StartUpToFirstFrameWindow",
                               [](benchmark::State& state) { StartUp(state, false, false); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("BM_StartUpToFirstMenuFrameWindow",
                               [](benchmark::State& state) { StartUp(state, false, true); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  return true;
}();

}  // namespace
