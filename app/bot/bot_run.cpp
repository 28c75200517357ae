// One bot game in this process: the bot's input and the invariant checks after every frame.
#include "app/bot/bot_run.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "app/bot/bot_player.h"
#include "app/bot/invariants.h"
#include "app/dump.h"
#include "app/save_paths.h"
#include "app/save_reader.h"
#include "app/save_writer.h"
#include "app/screens.h"
#include "app/session.h"
#include "app/shell.h"
#include "game/game_stats.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// Violations printed per game; later ones are only counted.
constexpr long long kPrintedViolations = 20;
// Wall-clock seconds after which a game is taken to hang inside a frame and is stopped (a game takes
// seconds, under the sanitizers a minute at most).
constexpr unsigned kHangSeconds = 900;

// With saves, the game is saved and quit (to go on in a fresh process) at every this many saved turns.
constexpr int kTurnsPerProcess = 4;

struct BotGame {
  unsigned seed = 0;
  std::unique_ptr<BotPlayer> player;
  InvariantChecker checker;
  long long violations = 0;
  int frames = 0;
  bool saves = false;       // --bot-saves: every saved turn is reloaded and compared
  int savesSeen = 0;        // saves the game had written by the last frame
  int turnsSaved = 0;       // saved turns of this process
  bool quitting = false;    // Escape is on its way
  Screen lastScreen = Screen::None;
};

BotGame* game = nullptr;

void Report(const std::string& violation) {
  if (++game->violations <= kPrintedViolations) {
    std::fprintf(stderr, "bot: violation in the game of seed %u, %s\n", game->seed, violation.c_str());
  }
}

// The saved file as JSON (null when it cannot be read).
nlohmann::json SavedFile() {
  std::string text, reason;
  if (!ReadSaveFile(SaveFilePath(), &text, &reason)) return nullptr;
  return nlohmann::json::parse(text, nullptr, false);
}

// What a dump and a save hold, apart from the frame number.
nlohmann::json State(int frame) {
  nlohmann::json state = DumpState(frame);
  state.erase("frame");
  return state;
}

// The turn just saved goes through the real file: the file must hold the game, and the game loaded from it
// must dump and save exactly as before.
void ReloadSavedTurn(int frame) {
  const nlohmann::json dumpBefore = State(frame);
  const nlohmann::json saveBefore = SaveGameToJson();
  if (SavedFile() != saveBefore) Report("frame " + std::to_string(frame) + ": the save file does not hold the game");
  if (!ContinueSavedGame()) {
    // Read it once more for the reason the game wrote to its log.
    std::string text, reason = "the file is gone";
    LoadedGame check;
    const Map board(BoardMapFile());
    if (ReadSaveFile(BadSaveFilePath(), &text, &reason)) ReadSave(text, board, &check, &reason);
    Report("frame " + std::to_string(frame) + ": the save just written was refused: " + reason);
    return;
  }
  game->checker.ForgetItems();
  if (State(frame) != dumpBefore) Report("frame " + std::to_string(frame) + ": the reloaded game dumps differently");
  if (SaveGameToJson() != saveBefore) {
    Report("frame " + std::to_string(frame) + ": the reloaded game saves differently");
  }
}

void CheckSaves(int frame) {
  // A game continued in this fresh process holds exactly what the file holds.
  if (game->lastScreen == Screen::Menu && currentScreen == Screen::Game) {
    game->checker.ForgetItems();
    if (SavedFile() != SaveGameToJson()) {
      Report("frame " + std::to_string(frame) + ": the continued game differs from its save");
    }
  }
  game->lastScreen = currentScreen;
  const int written = SavesWritten();
  if (written == game->savesSeen || currentScreen != Screen::Game || game->quitting) return;
  game->savesSeen = written;
  ReloadSavedTurn(frame);
  game->savesSeen = SavesWritten();
  if (++game->turnsSaved % kTurnsPerProcess == 0) {
    game->quitting = true;
    game->player->Quit();
  }
}

void AfterBotFrame(int frame) {
  WriteDumps(frame);
  game->frames = frame;
  for (const std::string& violation : game->checker.Check(frame)) Report(violation);
  if (game->saves) CheckSaves(frame);
  game->player->Step();
}

// "won" when someone got away, "lost" when nobody is left, "saved" when the game was saved and quit to go
// on in a fresh process, "capped" when the frames ran out first.
const char* Outcome() {
  if (game->quitting && currentScreen == Screen::Game) return "saved";
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
  state.player = std::make_unique<BotPlayer>(options.seed, cl.botTeam);
  state.saves = cl.botSaves;
  game = &state;
  alarm(kHangSeconds);
  RunGame(options, AfterBotFrame);
  alarm(0);
  std::printf("bot game: seed %u, %s, %d frames, %lld checks, %lld violations, %d turns, %d searches\n",
              state.seed, Outcome(), state.frames, state.checker.Checks(), state.violations, gameStats.turns,
              gameMap != nullptr ? static_cast<int>(gameMap->searchesMade) : 0);
  game = nullptr;
  std::fflush(stdout);
  if (state.violations > 0) {
    std::fprintf(stderr, "bot: replay that game with: duskhollow --headless --seed %u --bot 1\n", state.seed);
  }
  return state.violations > 0 ? BOT_EXIT_VIOLATIONS : 0;
}
