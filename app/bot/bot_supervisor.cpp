// The bot's supervisor: plays each game in a fresh process of this program and adds up what they report.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/bot/bot_run.h"

namespace {

// What one game reported.
struct GameReport {
  bool ok = false;  // the game ended normally and printed its result line
  char outcome[16] = "";
  long long frames = 0;
  long long checks = 0;
  long long violations = 0;
  int turns = 0;     // player turns begun when the game ended
  int searches = 0;  // search spots searched when the game ended
};

std::string Number(double value) {
  char text[64];
  std::snprintf(text, sizeof(text), "%.9g", value);
  return text;
}

// The command line of one game: headless, its own seed, one bot game, the same data and limits; with saves,
// the game's save folder and the frames it has left.
std::vector<std::string> GameArguments(const CommandLine& cl, const std::string& dataDir, unsigned seed,
                                       const std::string& saveDir, long long framesLeft) {
  std::vector<std::string> args = {"duskhollow",
                                   "--headless",
                                   "--bot-game",
                                   "--seed",
                                   std::to_string(seed),
                                   "--data",
                                   dataDir,
                                   "--dt",
                                   Number(cl.options.fixedDelta)};
  if (!cl.mapFile.empty()) args.insert(args.end(), {"--map", cl.mapFile});
  if (cl.botTeam > 0) args.insert(args.end(), {"--bot-team", std::to_string(cl.botTeam)});
  if (!saveDir.empty()) {
    args.insert(args.end(), {"--bot-saves", "--save-dir", saveDir, "--frames", std::to_string(framesLeft)});
  } else if (cl.options.maxFrames > 0) {
    args.insert(args.end(), {"--frames", std::to_string(cl.options.maxFrames)});
  }
  for (const auto& [frame, file] : cl.options.shots)
    args.insert(args.end(), {"--shot", Number(frame) + ":" + file});
  for (const auto& [frame, file] : cl.dumps) args.insert(args.end(), {"--dump", Number(frame) + ":" + file});
  return args;
}

// Runs one game in a fresh process of this program; its stdout is read here, its stderr passes through.
GameReport PlayOne(const std::vector<std::string>& args, std::string* trouble) {
  GameReport report;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    *trouble = "cannot make a pipe";
    return report;
  }
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof(buffer))) != 0;) {
    if (n > 0) output.append(buffer, static_cast<size_t>(n));
    if (n < 0 && errno != EINTR) break;
  }
  close(pipeEnds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) {
    *trouble = "cannot start or wait for the game";
    return report;
  }
  const size_t line = output.rfind("bot game: ");
  const bool parsed = line != std::string::npos &&
                      std::sscanf(output.c_str() + line,
                                  "bot game: seed %*u, %15[a-z], %lld frames, %lld checks, %lld violations, "
                                  "%d turns, %d searches",
                                  report.outcome, &report.frames, &report.checks, &report.violations,
                                  &report.turns, &report.searches) == 6;
  // Anything else the game printed goes on to the log of the run.
  std::fputs(output.substr(0, line == std::string::npos ? output.size() : line).c_str(), stderr);
  if (WIFSIGNALED(status)) {
    *trouble = std::string("killed by signal ") + std::to_string(WTERMSIG(status)) + " (" +
               strsignal(WTERMSIG(status)) + ")";
  } else if (!parsed || !WIFEXITED(status) ||
             WEXITSTATUS(status) != (report.violations > 0 ? BOT_EXIT_VIOLATIONS : 0)) {
    *trouble = "exited with status " + std::to_string(WEXITSTATUS(status)) +
               (parsed ? " after its result (a finding at exit)" : " without a result");
  } else {
    report.ok = true;
  }
  return report;
}

}  // namespace

unsigned BotGameSeed(unsigned seed, int index) {
  if (index == 0) return seed;
  // Spread the later games' seeds so that neighbouring run seeds do not replay each other's games.
  uint32_t h = seed + static_cast<uint32_t>(index) * 0x9E3779B9u;
  h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
  h = (h ^ (h >> 13)) * 0xC2B2AE35u;
  return h ^ (h >> 16);
}

namespace {

// A game saved and quit at every few turns goes on in a fresh process until it ends or its frames run out;
// the processes' figures are added up. Its save folder is a temporary one, removed afterwards.
GameReport PlayWithSaves(const CommandLine& cl, const std::string& dataDir, unsigned seed, std::string* trouble) {
  char folder[] = "/tmp/duskhollow-bot-XXXXXX";
  GameReport total;
  if (mkdtemp(folder) == nullptr) {
    *trouble = "cannot make a save folder";
    return total;
  }
  const long long cap = cl.options.maxFrames > 0 ? cl.options.maxFrames : BOT_FRAME_CAP;
  for (int processes = 1;; ++processes) {
    const GameReport part = PlayOne(GameArguments(cl, dataDir, seed, folder, cap - total.frames), trouble);
    total.frames += part.frames;
    total.checks += part.checks;
    total.violations += part.violations;
    total.ok = part.ok;
    total.turns = part.turns;
    total.searches = part.searches;
    std::snprintf(total.outcome, sizeof(total.outcome), "%s", part.outcome);
    if (!part.ok || std::strcmp(part.outcome, "saved") != 0) break;
    if (total.frames >= cap) {
      std::snprintf(total.outcome, sizeof(total.outcome), "capped");
      break;
    }
  }
  for (const char* name : {"/save.json", "/save.json.tmp", "/save.json.bad", "/last_town", "/last_town.tmp"}) {
    unlink((folder + std::string(name)).c_str());
  }
  rmdir(folder);
  return total;
}

}  // namespace

namespace {

// A mean for the summary line: one decimal, or "-" when nothing was counted.
std::string Mean(long long sum, int count) {
  if (count == 0) return "-";
  char text[32];
  std::snprintf(text, sizeof(text), "%.1f", static_cast<double>(sum) / count);
  return text;
}

}  // namespace

int RunBotGames(const CommandLine& cl, const std::string& dataDir) {
  long long frames = 0, checks = 0, violations = 0, winTurns = 0, searches = 0;
  int won = 0, lost = 0, played = 0;
  for (int i = 0; i < cl.botGames; ++i) {
    const unsigned seed = BotGameSeed(cl.options.seed, i);
    std::string trouble;
    const GameReport report = cl.botSaves ? PlayWithSaves(cl, dataDir, seed, &trouble)
                                          : PlayOne(GameArguments(cl, dataDir, seed, "", 0), &trouble);
    frames += report.frames;
    checks += report.checks;
    violations += report.violations;
    if (!report.ok) {
      ++violations;
      std::fprintf(stderr,
                   "bot: the game of seed %u %s; replay it with: duskhollow --headless --seed %u --bot 1\n",
                   seed, trouble.c_str(), seed);
      continue;
    }
    const bool win = std::strcmp(report.outcome, "won") == 0;
    won += win;
    lost += std::strcmp(report.outcome, "lost") == 0;
    if (win) winTurns += report.turns;
    searches += report.searches;
    ++played;
  }
  std::printf("bot: %d games, %d won, %d lost, %lld frames, %lld invariant checks, %lld violations, "
              "%s turns to a win, %s searches a game\n",
              cl.botGames, won, lost, frames, checks, violations, Mean(winTurns, won).c_str(),
              Mean(searches, played).c_str());
  return violations == 0 ? 0 : 1;
}
