// The engine's own random generator: deterministic for a seed, independent of the game's generator.
#pragma once

#include <cstdint>

class EngineRandom {
 public:
  // Starts the sequence of `seed`.
  void Seed(uint32_t seed);
  // A number in [min, max], both bounds included (the bounds may come in either order).
  int Int(int min, int max);
  // A number in [min, max).
  float Float(float min, float max);
  // The whole state, and putting it back.
  uint64_t State() const { return state; }
  void SetState(uint64_t saved) { state = saved; }

 private:
  uint32_t Next();

  uint64_t state = 0;
};
