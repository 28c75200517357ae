// The JSON dump of the game state, written after chosen frames for tests and bug reports.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

// The state of the running game as JSON (texts in UTF-8).
nlohmann::json DumpState(int frame);
// Asks for the state after `frame` to be written to `path`.
void AddDump(int frame, const std::string& path);
// The engine's after-frame hook: writes the dumps asked for this frame.
void WriteDumps(int frame);
