// Runs of the built program for the session tests: scripts cut from the recorded win, and dumps.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One line of an input script.
struct ScriptLine {
  int frame;
  std::string event;  // what follows the frame number
};

// The recorded game of seed 1 (tests/data/win_seed1.txt) without its comments.
std::vector<ScriptLine> RecordedGame();
// Writes `lines` as an input script to `path`.
void WriteScript(const std::string& path, const std::vector<ScriptLine>& lines);
// Runs the program headless on `data` with `arguments`, started in folder `cwd` (or the tests' folder);
// its exit status.
int RunProgram(const std::string& data, const std::string& arguments, const std::string& cwd = "");
// Reads a dump.
nlohmann::json ReadDump(const std::string& path);
// The bytes of a file (empty when it cannot be read).
std::string ReadFile(const std::string& path);
// A fresh folder for this test's files under the tests' scratch folder.
std::string ScratchFolder(const std::string& name);
