// One bot game in this process: the bot's input and the invariant checks after every frame.
#include "app/bot/bot_run.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "app/bot/bot_player.h"
#include "app/bot/invariants.h"
#include "app/dump.h"
#include "app/screens.h"
#include "app/shell.h"
#include "game/person.h"
#include "game/world.h"

namespace {

// Violations printed per game; later ones are only counted.
constexpr long long kPrintedViolations = 20;
// Wall-clock seconds after which a game is taken to hang inside a frame and is stopped (a game takes
// seconds, under the sanitizers a minute at most).
constexpr unsigned kHangSeconds = 900;

struct BotGame {
  unsigned seed = 0;
  std::unique_ptr<BotPlayer> player;
  InvariantChecker checker;
  long long violations = 0;
  int frames = 0;
};

BotGame* game = nullptr;

void AfterBotFrame(int frame) {
  WriteDumps(frame);
  game->frames = frame;
  for (const std::string& violation : game->checker.Check(frame)) {
    if (++game->violations <= kPrintedViolations) {
      std::fprintf(stderr, "bot: violation in the game of seed %u, %s\n", game->seed, violation.c_str());
    }
  }
  game->player->Step();
}

// "won" when someone got away, "lost" when nobody is left, "capped" when the frames ran out first.
const char* Outcome() {
  if (currentScreen != Screen::End) return "capped";
  for (const Person* p : team) {
    if (p->alive) return "won";
  }
  return "lost";
}

}  // namespace

int RunBotGame(const CommandLine& cl) {
  hgeRunOptions options = cl.options;
  options.backend = hgeBackend::Headless;
  if (options.maxFrames <= 0) options.maxFrames = BOT_FRAME_CAP;
  BotGame state;
  state.seed = options.seed;
  state.player = std::make_unique<BotPlayer>(options.seed);
  game = &state;
  alarm(kHangSeconds);
  RunGame(options, AfterBotFrame);
  alarm(0);
  game = nullptr;
  std::printf("bot game: seed %u, %s, %d frames, %lld checks, %lld violations\n", state.seed, Outcome(),
              state.frames, state.checker.Checks(), state.violations);
  std::fflush(stdout);
  if (state.violations > 0) {
    std::fprintf(stderr, "bot: replay that game with: duskhollow --headless --seed %u --bot 1\n", state.seed);
  }
  return state.violations > 0 ? BOT_EXIT_VIOLATIONS : 0;
}
