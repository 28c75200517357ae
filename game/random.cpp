// The game's random numbers over the runtime library's generator.
#include "game/random.h"

#include <cmath>
#include <cstdlib>

namespace {

RandomSource source = nullptr;

int64_t NextNumber() {
  const int r = source != nullptr ? source() : std::rand();
  return r < 0 ? -static_cast<int64_t>(r) : r;
}

}  // namespace

void SeedRandom(unsigned seed) {
  std::srand(seed);
  std::rand();
}

int32_t RandomInt(int32_t lo, int32_t hi) {
  const int64_t span = static_cast<int64_t>(hi) - lo + 1;
  // An empty range would divide by zero; it has only one sensible answer.
  if (span <= 0) return lo;
  return static_cast<int32_t>(lo + NextNumber() % span);
}

float RandomFloat(float lo, float hi) {
  const float span = hi - lo;
  // fmod by zero gives no number at all.
  if (span == 0.0f) return lo;
  return static_cast<float>(lo + std::fmod(NextNumber() / 1000.0, span));
}

void SetRandomSource(RandomSource newSource) {
  source = newSource;
}
