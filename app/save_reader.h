// Reading a saved game: the whole file is checked and built aside, and only a sound save replaces the
// running game.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/game_stats.h"
#include "game/random.h"
#include "map/map.h"

class Item;
class Person;

// A save read and checked against the freshly loaded map, not yet in play.
struct LoadedGame {
  LoadedGame();
  ~LoadedGame();
  LoadedGame(const LoadedGame&) = delete;
  LoadedGame& operator=(const LoadedGame&) = delete;

  std::vector<std::unique_ptr<Person>> team, zombies;
  std::vector<std::unique_ptr<Item>> items;  // every item the save names, wherever it lies
  std::vector<std::vector<Item*>> ground;    // the items lying in each cell
  std::vector<map_cell_struct> cells;        // the changing part of every cell (items aside)
  std::vector<float> spriteAlpha;
  std::vector<path_point_struct> searchQueue;
  std::array<bool, MAP_MAX_MEMBERS> pathDone{};
  map_view_struct view;
  random_state_struct random;
  uint64_t engineRandom = 0;
  game_stats_struct stats;
  std::string message;  // Windows-1251
  float timer = 0.0f, messageFlash = 0.0f;
  int phase = 0, selectedMember = -1;
  int searchThreshold = 0, searchesMade = 0, zombieCount = 0, searchMember = -1, fadedSprites = 0;
  bool escapeKeyFound = false, pathsStale = false, marksStale = false, searchRunning = false;
};

// The town a save's text names in its "town" field ("" for a save without one, which is of the first town,
// and for a text that is no JSON object); false with `reason` when the field is not a short text.
bool SaveTown(const std::string& text, std::string* town, std::string* reason);
// Reads a save's text for `map` (the map the game is played on, freshly loaded). False with `reason`
// (English, for the log) when the text is cut short, not JSON, of another format version, or names an
// item, cell, member or zombie that cannot exist; the running game and the generators are left as they were.
bool ReadSave(const std::string& text, const Map& map, LoadedGame* out, std::string* reason);
// Puts a read save into play on `map` (freshly loaded): figures, items, cells, view, message, phase and both
// generators. The team and zombie lists are replaced; whoever kept their figures has taken them already.
void InstallLoadedGame(LoadedGame& game, Map& map);
