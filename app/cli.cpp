// Parsing of the command line.
#include "app/cli.h"

#include <cerrno>
#include <cstdlib>

namespace {

std::string Absolute(const std::string& path, const std::string& cwd) {
  if (path.empty() || path[0] == '/') return path;
  return cwd + "/" + path;
}

bool ParseInt(const std::string& text, long long min, long long max, long long* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < min || value > max) return false;
  *out = value;
  return true;
}

// Splits "F:FILE" into a frame number and a file.
bool ParseFrameFile(const std::string& text, const std::string& cwd, std::pair<int, std::string>* out) {
  const size_t colon = text.find(':');
  long long frame = 0;
  if (colon == std::string::npos || !ParseInt(text.substr(0, colon), 1, 1000000000LL, &frame)) return false;
  const std::string file = text.substr(colon + 1);
  if (file.empty()) return false;
  *out = {static_cast<int>(frame), Absolute(file, cwd)};
  return true;
}

}  // namespace

const char* UsageText() {
  return "Usage: duskhollow [options]\n"
         "  --headless          run without a window or sound, frames back to back\n"
         "  --seed N            seed the random generators with N instead of the clock\n"
         "  --dt S              fixed frame time in seconds when headless (default 0.01)\n"
         "  --frames N          stop after frame N\n"
         "  --input FILE        replay input events from FILE\n"
         "  --record FILE       write this session's input to FILE (real window)\n"
         "  --shot F:FILE.png   write frame F as a PNG (repeatable)\n"
         "  --dump F:FILE.json  write the game state after frame F (repeatable)\n"
         "  --data DIR          folder holding Data/ and Sound/\n"
         "  --map FILE          start new games on this map file (for testing and modding)\n"
         "  --bot N             let the bot play N games (headless), checking the game's invariants\n"
         "  --bot-game          play one bot game in this process (what --bot runs for each game)\n"
         "  --bot-team N        the bot's teams have N members (2 to 4; default: drawn per game)\n"
         "  --bot-saves         the bot's games save and reload at every player turn, checking the state\n"
         "  --save-dir DIR      folder of the saved game (default $XDG_DATA_HOME/duskhollow; headless\n"
         "                      runs save only when it is given)\n"
         "  --config-dir DIR    folder of the options file (default $XDG_CONFIG_HOME/duskhollow;\n"
         "                      headless runs keep options only when it is given)\n"
         "  --scale N           window scale factor (this run only, over the options file)\n"
         "  --fullscreen        start in fullscreen (this run only, over the options file)\n"
         "  --help, --version   this text; the version\n";
}

CommandLine ParseCommandLine(int argc, const char* const* argv, const std::string& cwd) {
  CommandLine cl;
  auto fail = [&cl](const std::string& what) {
    if (cl.error.empty()) cl.error = what;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    const std::string value = hasValue ? argv[i + 1] : "";
    long long number = 0;
    if (arg == "--help" || arg == "-h") {
      cl.help = true;
    } else if (arg == "--version") {
      cl.version = true;
    } else if (arg == "--headless") {
      cl.options.backend = hgeBackend::Headless;
    } else if (arg == "--bot-game") {
      cl.botGame = true;
    } else if (arg == "--bot-saves") {
      cl.botSaves = true;
    } else if (arg == "--fullscreen") {
      cl.options.fullscreen = true;
    } else if (!hasValue && (arg == "--seed" || arg == "--dt" || arg == "--frames" || arg == "--input" ||
                             arg == "--record" || arg == "--shot" || arg == "--dump" || arg == "--data" ||
                             arg == "--scale" || arg == "--bot" || arg == "--save-dir" || arg == "--config-dir" ||
                             arg == "--map" || arg == "--bot-team")) {
      fail(arg + " needs a value");
    } else if (arg == "--seed") {
      ++i;
      if (!ParseInt(value, 0, 4294967295LL, &number)) fail("--seed needs a number from 0 to 4294967295");
      cl.options.seeded = true;
      cl.options.seed = static_cast<unsigned>(number);
    } else if (arg == "--bot") {
      ++i;
      if (!ParseInt(value, 1, 1000000LL, &number)) fail("--bot needs a number of games from 1 to 1000000");
      cl.botGames = static_cast<int>(number);
    } else if (arg == "--bot-team") {
      ++i;
      if (!ParseInt(value, 2, 4, &number)) fail("--bot-team needs a team size from 2 to 4");
      cl.botTeam = static_cast<int>(number);
    } else if (arg == "--dt") {
      ++i;
      char* end = nullptr;
      const double dt = std::strtod(value.c_str(), &end);
      if (value.empty() || *end != '\0' || !(dt > 0.0 && dt <= 1.0))
        fail("--dt needs seconds above 0, at most 1");
      cl.options.fixedDelta = static_cast<float>(dt);
    } else if (arg == "--frames") {
      ++i;
      if (!ParseInt(value, 1, 1000000000LL, &number)) fail("--frames needs a positive number");
      cl.options.maxFrames = static_cast<int>(number);
    } else if (arg == "--input") {
      cl.options.inputScript = Absolute(argv[++i], cwd);
    } else if (arg == "--record") {
      cl.options.recordFile = Absolute(argv[++i], cwd);
    } else if (arg == "--data") {
      cl.dataDir = Absolute(argv[++i], cwd);
    } else if (arg == "--map") {
      cl.mapFile = Absolute(argv[++i], cwd);
      if (cl.mapFile.empty()) fail("--map needs a map file");
    } else if (arg == "--save-dir") {
      cl.saveDir = Absolute(argv[++i], cwd);
      if (cl.saveDir.empty()) fail("--save-dir needs a folder");
    } else if (arg == "--config-dir") {
      cl.configDir = Absolute(argv[++i], cwd);
      if (cl.configDir.empty()) fail("--config-dir needs a folder");
    } else if (arg == "--scale") {
      ++i;
      if (!ParseInt(value, 1, 16, &number)) fail("--scale needs a number from 1 to 16");
      cl.options.scale = static_cast<int>(number);
    } else if (arg == "--shot" || arg == "--dump") {
      ++i;
      std::pair<int, std::string> frameFile;
      if (!ParseFrameFile(value, cwd, &frameFile)) {
        fail(arg + " needs FRAME:FILE");
      } else if (arg == "--shot") {
        cl.options.shots.push_back(frameFile);
      } else {
        cl.dumps.push_back(frameFile);
      }
    } else {
      fail("unknown option " + arg);
    }
  }
  // The bot gives the input itself.
  if ((cl.botGames > 0 || cl.botGame) && !cl.options.inputScript.empty()) fail("--bot plays without --input");
  if (cl.botSaves && cl.botGames == 0 && !cl.botGame) fail("--bot-saves goes with --bot");
  if (cl.botTeam > 0 && cl.botGames == 0 && !cl.botGame) fail("--bot-team goes with --bot");
  return cl;
}
