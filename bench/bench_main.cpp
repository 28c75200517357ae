// Entry point of the benchmark programs: runs from the folder that holds Data/ and Sound/.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The console table (no colours), remembering whether any benchmark stopped with an error.
class CheckingReporter : public benchmark::ConsoleReporter {
 public:
  CheckingReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) failed = failed || run.error_occurred;
    ConsoleReporter::ReportRuns(runs);
  }
  bool failed = false;
};

}  // namespace

int main(int argc, char** argv) {
  // DH_DATA names another data folder; by default the source tree's shipped data.
  const char* data = std::getenv("DH_DATA") != nullptr ? std::getenv("DH_DATA") : DH_SOURCE_DIR;
  if (chdir(data) != 0) {
    std::fprintf(stderr, "cannot enter the data folder %s\n", data);
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  CheckingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  // A benchmark that could not run (the game did not start, the program failed) fails the program.
  return reporter.failed ? 1 : 0;
}
