// The command line: headless runs, seeds, scripted input, screenshots, dumps and the data folder.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/hge.h"

// What the command line asks for.
struct CommandLine {
  hgeRunOptions options;
  std::vector<std::pair<int, std::string>> dumps;  // (frame, JSON file)
  std::string dataDir;                             // "" for the default search
  std::string mapFile;                             // --map FILE: new games start on it ("" for the first town)
  bool help = false;
  bool version = false;
  int botGames = 0;      // --bot N: games the bot plays, each in a fresh process
  bool botGame = false;  // --bot-game: play one bot game in this process (what --bot runs per game)
  bool botSaves = false; // --bot-saves: the bot's games save and reload at every player turn
  int botTeam = 0;       // --bot-team N: the bot's teams have N members (0: two to four, drawn per game)
  std::string saveDir;   // --save-dir DIR: where the save lives ("" for the default)
  std::string configDir; // --config-dir DIR: where the options file lives ("" for the default)
  std::string error;     // non-empty when the command line is wrong
};

// Parses argv; relative file paths are made absolute against `cwd`.
CommandLine ParseCommandLine(int argc, const char* const* argv, const std::string& cwd);
// The --help text.
const char* UsageText();
