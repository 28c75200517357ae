// The game's random numbers over its own generator.
#include "game/random.h"

#include <cmath>

namespace {

constexpr int kDegree = 31;                   // words of the generator's feedback register
constexpr int kSeparation = 3;                // the second tap lies this many words back
constexpr int kWarmUp = 10 * kDegree;         // numbers thrown away after seeding
constexpr int kRing = kDegree + kSeparation;  // the ring keeps the words the next sums need
static_assert(kRing == static_cast<int>(random_state_struct{}.ring.size()));

random_state_struct generator;
RandomSource source = nullptr;

// The word `distance` places before the next one.
uint32_t Back(int distance) {
  return generator.ring[(generator.next + kRing - distance) % kRing];
}

uint32_t NextWord() {
  const uint32_t word = Back(kDegree) + Back(kSeparation);
  generator.ring[generator.next] = word;
  generator.next = (generator.next + 1) % kRing;
  return word;
}

int64_t NextNumber() {
  const int r = source != nullptr ? source() : NextRaw();
  return r < 0 ? -static_cast<int64_t>(r) : r;
}

}  // namespace

void SeedRandom(unsigned seed) {
  // Words 0 .. 30 come from the minimal standard generator (16807 mod 2^31 - 1) started at the seed, as in
  // glibc's srand; words 31 .. 33 repeat words 0 .. 2; every later word is the sum of the words 31 and 3
  // places before it.
  generator = {};
  int32_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
  generator.ring[0] = static_cast<uint32_t>(word);
  for (int i = 1; i < kDegree; ++i) {
    const int32_t hi = word / 127773;
    const int32_t lo = word % 127773;
    word = 16807 * lo - 2836 * hi;
    if (word < 0) word += 2147483647;
    generator.ring[i] = static_cast<uint32_t>(word);
  }
  for (int i = 0; i < kSeparation; ++i) generator.ring[kDegree + i] = generator.ring[i];
  generator.next = 0;
  for (int i = 0; i < kWarmUp; ++i) NextWord();
  NextRaw();
}

int32_t NextRaw() {
  return static_cast<int32_t>(NextWord() >> 1);
}

random_state_struct RandomState() {
  return generator;
}

void SetRandomState(const random_state_struct& state) {
  generator = state;
  generator.next = ((state.next % kRing) + kRing) % kRing;
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
