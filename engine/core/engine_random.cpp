// The engine's random generator (SplitMix64).
#include "engine/core/engine_random.h"

void EngineRandom::Seed(uint32_t seed) {
  state = seed;
}

uint32_t EngineRandom::Next() {
  state += 0x9E3779B97F4A7C15ULL;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

int EngineRandom::Int(int min, int max) {
  if (min > max) {
    const int t = min;
    min = max;
    max = t;
  }
  const uint64_t range = static_cast<uint64_t>(static_cast<int64_t>(max) - min) + 1;  // 1 .. 2^32
  return static_cast<int>(static_cast<int64_t>(min) + static_cast<int64_t>(Next() % range));
}

float EngineRandom::Float(float min, float max) {
  const float unit = static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);  // [0, 1)
  return min + unit * (max - min);
}
