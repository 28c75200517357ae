// The game's shared random numbers; every outcome of play is drawn through these.
#pragma once

#include <array>
#include <cstdint>

// The game's generator: the additive feedback generator behind the C library's rand() on glibc, written out
// so that a seed gives the same numbers on every platform and its state can be kept and restored.
struct random_state_struct {
  std::array<uint32_t, 34> ring{};  // the last 34 words of the sequence
  int32_t next = 0;                 // where the next word goes in the ring
};

// Seeds the game's generator and throws one number away.
void SeedRandom(unsigned seed);
// The generator's next raw number, 0 .. 2^31 - 1 (glibc's rand() for the same seed).
int32_t NextRaw();
// The generator's state, and putting a state back (the numbers then go on from there).
random_state_struct RandomState();
void SetRandomState(const random_state_struct& state);
// lo + r mod (hi - lo + 1) with r the next number of the generator; lo when the range is empty.
int32_t RandomInt(int32_t lo, int32_t hi);
// lo + fmod(r / 1000.0, hi - lo); for (0, 1) multiples of 0.001 from 0 to 0.999; lo when hi == lo.
float RandomFloat(float lo, float hi);

// Where the raw numbers come from: a function giving non-negative integers.
using RandomSource = int (*)();
// Replaces the game's generator (tests feed chosen numbers); null goes back to it.
void SetRandomSource(RandomSource source);
