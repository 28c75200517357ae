// The game's shared random numbers; every outcome of play is drawn through these.
#pragma once

#include <cstdint>

// Seeds the game's generator (the runtime library's rand) and throws one number away.
void SeedRandom(unsigned seed);
// lo + r mod (hi - lo + 1) with r the next number of the generator; lo when the range is empty.
int32_t RandomInt(int32_t lo, int32_t hi);
// lo + fmod(r / 1000.0, hi - lo); for (0, 1) multiples of 0.001 from 0 to 0.999; lo when hi == lo.
float RandomFloat(float lo, float hi);

// Where the raw numbers come from: a function giving non-negative integers.
using RandomSource = int (*)();
// Replaces the runtime library's generator (tests feed chosen numbers); null goes back to rand.
void SetRandomSource(RandomSource source);
