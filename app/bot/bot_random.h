// The bot's random numbers: the Mersenne Twister's sequence (fixed by the C++ standard, the same everywhere)
// mapped to ranges by our own arithmetic, so that a bot game of a seed is the same on every platform.
#pragma once

#include <cstdint>
#include <random>

class BotRandom {
 public:
  // Starts the sequence of `seed`.
  explicit BotRandom(uint32_t seed) : engine(seed) {}
  // A whole number in [lo, hi]; lo when hi < lo.
  int Between(int lo, int hi);
  // A number in [0, 1), a multiple of 2^-32.
  double Unit();
  // A number in [lo, hi]; lo when hi <= lo.
  float Uniform(float lo, float hi);

 private:
  std::mt19937 engine;
};
