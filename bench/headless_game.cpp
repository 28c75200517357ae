// The headless game shared by the benchmarks: started once and kept until the program ends.
#include "headless_game.h"

#include "game_session.h"

bool HeadlessGame() {
  static const bool running = [] {
    hgeRunOptions options;
    options.backend = hgeBackend::Headless;
    options.seeded = true;
    options.seed = 20240611;
    return StartFullGame(options);
  }();
  return running;
}
