// The bot's random numbers: each draw takes one 32-bit word of the Mersenne Twister.
#include "app/bot/bot_random.h"

int BotRandom::Between(int lo, int hi) {
  if (hi <= lo) return lo;
  // The word scaled to the range's size by a 32-bit fixed-point product (no division, no rejection).
  const uint64_t size = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
  const uint64_t offset = (static_cast<uint64_t>(engine()) * size) >> 32;
  return static_cast<int>(static_cast<int64_t>(lo) + static_cast<int64_t>(offset));
}

double BotRandom::Unit() {
  return static_cast<double>(engine()) * (1.0 / 4294967296.0);
}

float BotRandom::Uniform(float lo, float hi) {
  if (hi <= lo) return lo;
  const float value = lo + static_cast<float>(Unit() * (static_cast<double>(hi) - lo));
  return value < hi ? value : hi;
}
