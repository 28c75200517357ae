// Start-up of the built program to its first frame and to its first menu frame, as whole processes.
//
// The time runs from launching the program until the dump of frame 1 appears, which the program writes
// once that frame has been drawn; the run then shuts down in order. Reported beside it: the program's CPU
// time by then (from /proc, in clock ticks), the time to its exit and its CPU time in all. For the menu,
// Space held from frame 1 skips the logo.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kDump = "/tmp/dh_bench_first_frame.json";
constexpr const char* kScript = "/tmp/dh_bench_space.txt";

bool Exists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// CPU seconds (user and system, all threads) process `pid` has used so far, in clock ticks; 0 if unknown.
double CpuSoFar(pid_t pid) {
  FILE* file = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
  if (file == nullptr) return 0.0;
  char text[1024] = {};
  const size_t n = std::fread(text, 1, sizeof(text) - 1, file);
  std::fclose(file);
  text[n] = '\0';
  // Fields 14 and 15 (utime, stime) follow the command name, which ends with the last ')'.
  const char* rest = std::strrchr(text, ')');
  unsigned long user = 0, system = 0;
  if (rest == nullptr ||
      std::sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system) != 2) {
    return 0.0;
  }
  return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// One run of the program with `args` (output thrown away): the seconds until `kDump` appeared and the CPU
// seconds used by then, the seconds until it exited and its CPU seconds in all (user and system); false
// when it failed or wrote no dump.
bool RunProgram(std::vector<std::string> args, double* firstFrame, double* firstCpu, double* exit,
                double* cpu) {
  std::remove(kDump);
  args.insert(args.begin(), DH_BINARY);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, DH_BINARY, &files, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  if (spawned != 0) return false;
  int status = 0;
  rusage usage{};
  pid_t ended = 0;
  while (!Exists(kDump) && (ended = wait4(pid, &status, WNOHANG, &usage)) == 0) usleep(1000);
  *firstFrame = std::chrono::duration<double>(Clock::now() - start).count();
  *firstCpu = ended == 0 ? CpuSoFar(pid) : 0.0;
  if (ended == 0) ended = wait4(pid, &status, 0, &usage);
  *exit = std::chrono::duration<double>(Clock::now() - start).count();
  *cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  return ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && Exists(kDump);
}

// Frame 1 of the program, headless or in a window; with `menu`, Space is held from frame 1 so that the
// frame shows the menu.
void StartUp(benchmark::State& state, bool headless, bool menu) {
  if (FILE* file = std::fopen(kScript, "w")) {
    std::fputs("1 down SPACE\n", file);
    std::fclose(file);
  }
  std::vector<std::string> args = {"--seed", "1", "--frames", "1", "--dump", std::string("1:") + kDump};
  if (headless) args.push_back("--headless");
  if (menu) args.insert(args.end(), {"--input", kScript});
  double firstCpus = 0.0, exits = 0.0, cpus = 0.0;
  for (auto _ : state) {
    double firstFrame = 0.0, firstCpu = 0.0, exit = 0.0, cpu = 0.0;
    if (!RunProgram(args, &firstFrame, &firstCpu, &exit, &cpu)) {
      return state.SkipWithError("the program failed");
    }
    state.SetIterationTime(firstFrame);
    firstCpus += firstCpu;
    exits += exit;
    cpus += cpu;
  }
  const auto perRun = benchmark::Counter::kAvgIterations;
  state.counters["cpu_to_frame_ms"] = benchmark::Counter(firstCpus * 1e3, perRun);
  state.counters["to_exit_ms"] = benchmark::Counter(exits * 1e3, perRun);
  state.counters["cpu_to_exit_ms"] = benchmark::Counter(cpus * 1e3, perRun);
}

void BM_StartUpToFirstFrameHeadless(benchmark::State& state) {
  StartUp(state, true, false);
}
BENCHMARK(BM_StartUpToFirstFrameHeadless)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_StartUpToFirstMenuFrameHeadless(benchmark::State& state) {
  StartUp(state, true, true);
}
BENCHMARK(BM_StartUpToFirstMenuFrameHeadless)->Unit(benchmark::kMillisecond)->UseManualTime();

// In a window only where there is a display (or SDL is told to use its dummy driver).
[[maybe_unused]] const bool kWindowed = [] {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("SDL_VIDEODRIVER") == nullptr) return false;
  benchmark::RegisterBenchmark("BM_StartUpToFirstFrameWindow",
                               [](benchmark::State& state) { StartUp(state, false, false); })
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime();
  benchmark::RegisterBenchmark("BM_StartUpToFirstMenuFrameWindow",
                               [](benchmark::State& state) { StartUp(state, false, true); })
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime();
  return true;
}();

}  // namespace
