// Entry point of the benchmark programs: runs from the folder that holds Data/ and Sound/.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  // DH_DATA names another data folder; by default the source tree's shipped data.
  const char* data = std::getenv("DH_DATA") != nullptr ? std::getenv("DH_DATA") : DH_SOURCE_DIR;
  if (chdir(data) != 0) {
    std::fprintf(stderr, "cannot enter the data folder %s\n", data);
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
