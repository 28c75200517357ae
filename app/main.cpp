// Entry point: reads the command line, finds the data folder and runs the game.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/bot/bot_run.h"
#include "app/cli.h"
#include "app/dump.h"
#include "app/options_file.h"
#include "app/save_paths.h"
#include "app/shell.h"
#include "engine/language.h"

namespace {

bool HasData(const std::string& dir) {
  return access((dir + "/Data").c_str(), F_OK) == 0;
}

// The folder the running program lives in ("" when it cannot be told).
std::string ProgramDir() {
  char exe[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
  if (n <= 0) return "";
  exe[n] = '\0';
  const std::string path(exe);
  return path.substr(0, path.rfind('/'));
}

// The folder holding Data/ and Sound/: the working directory, else the installed data next to the binary.
std::string FindDataDir(const std::string& cwd) {
  if (HasData(cwd)) return cwd;
  const std::string dir = ProgramDir();
  if (dir.empty()) return cwd;
  for (const std::string& candidate : {dir + "/../share/duskhollow", dir, dir + "/.."}) {
    if (HasData(candidate)) return candidate;
  }
  return cwd;
}

// The compiled catalogues: locale/ beside the program in the build tree, else the installed share/locale.
std::string FindLocaleDir() {
  const std::string dir = ProgramDir();
  for (const std::string& candidate : {dir + "/locale", dir + "/../share/locale"}) {
    if (access((candidate + "/en/LC_MESSAGES/duskhollow.mo").c_str(), R_OK) == 0) return candidate;
  }
  return dir + "/../share/locale";
}

}  // namespace

int main(int argc, char** argv) {
  char buffer[PATH_MAX];
  const std::string cwd = getcwd(buffer, sizeof(buffer)) != nullptr ? buffer : ".";
  CommandLine cl = ParseCommandLine(argc, argv, cwd);
  if (!cl.error.empty()) {
    std::fprintf(stderr, "duskhollow: %s\n%s", cl.error.c_str(), UsageText());
    return 2;
  }
  if (cl.help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (cl.version) {
    std::printf("Duskhollow %s\n", DH_VERSION);
    return 0;
  }
  SetLocaleDir(FindLocaleDir());
  const std::string dataDir = cl.dataDir.empty() ? FindDataDir(cwd) : cl.dataDir;
  if (chdir(dataDir.c_str()) != 0) {
    std::fprintf(stderr, "duskhollow: cannot enter the data folder %s\n", dataDir.c_str());
    return 2;
  }
  if (!cl.mapFile.empty()) {
    if (access(cl.mapFile.c_str(), R_OK) != 0) {
      std::fprintf(stderr, "duskhollow: cannot read the map file %s\n", cl.mapFile.c_str());
      return 2;
    }
    SetGameMapFile(cl.mapFile);
  }
  cl.options.windowIcon = "Data/icon.png";
  // A headless run touches no player's files unless it is told where its save goes.
  const bool headless = cl.options.backend == hgeBackend::Headless;
  SetSaveDir(!cl.saveDir.empty() ? cl.saveDir : headless ? "" : DefaultSaveDir());
  SetConfigDir(!cl.configDir.empty() ? cl.configDir : headless ? "" : DefaultConfigDir());
  // The locale's language until the player chooses another on the options screen.
  PlayerOptions defaults;
  defaults.language = LanguageFromEnvironment() == Language::English ? LANGUAGE_ENGLISH : LANGUAGE_RUSSIAN;
  optionsNote = LoadOptionsFile(defaults);
  ApplyLanguageOption();
  // The window's flags on the command line hold for this run; the file keeps the player's own choice.
  if (cl.options.fullscreen) activeOptions.fullscreen = 1;
  if (cl.options.scale > 0) activeOptions.scale = cl.options.scale;
  cl.options.fullscreen = activeOptions.fullscreen != 0;
  cl.options.scale = activeOptions.scale;
  for (const auto& [frame, path] : cl.dumps) AddDump(frame, path);
  // A run without --seed takes the clock's, so that its log and any recording can replay it.
  if (!cl.options.seeded) {
    cl.options.seeded = true;
    cl.options.seed = static_cast<unsigned>(std::time(nullptr));
  }
  if (cl.botGame) return RunBotGame(cl);
  if (cl.botGames > 0) return RunBotGames(cl, dataDir);
  return RunGame(cl.options);
}
