// The application shell: start-up, the run of the program, and the screens' set-ups.
#pragma once

#include <string>

#include "engine/hge.h"
#include "game/world.h"

// The map file new games are played on: the --map file when one was given, else the chosen town's.
std::string GameMapFile();
// Plays new games on the map file at `path` (--map); the team screen's choice then changes nothing.
void SetGameMapFile(const std::string& path);
// The --map file, "" when none was given.
const std::string& MapOverride();
// The town of new games as saves and dumps name it: the chosen town's id, or the --map file.
std::string NewGameTown();

// Creates the engine interface and sets its start-up states.
void ConfigureEngine();
// Seeds both generators with `seed` and loads what the game needs once the engine is up: settings,
// phrases, item pictures, the map and the sounds; starts the clock's ticking.
void LoadGameContent(unsigned seed);
// Runs the whole program with these engine options: start-up, the engine loop, the shutdown; returns 0.
// `afterFrame` runs after every frame (default: the dumps asked for on the command line).
int RunGame(const hgeRunOptions& options, void (*afterFrame)(int frame) = nullptr);

// Screen set-ups; each installs its frame and render callbacks.
void StartLogo();
void StartMenu();
void StartEnd();
// The options screen (from the menu; it returns there).
void StartOptions();
// The team-selection screen.
void StartTeamSelection();
// The game screen (turn phase 0; the head-up display is made on the first entry).
void StartGameScreen();
// The game screen of a continued game, in the phase the save holds.
void ResumeGameScreen();
