// Sessions: saving, continuing and starting afresh.
#include "app/session.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/game_stats.h"
#include "app/save_format.h"
#include "app/save_paths.h"
#include "app/save_reader.h"
#include "app/save_writer.h"
#include "app/screens.h"
#include "app/shell.h"
#include "engine/hge.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

game_stats_struct gameStats;

namespace {

// Figures and ground items of earlier games of this run. Nothing refers to them any more, but they are
// kept (as every figure of the run is) rather than freed under a pointer someone might still hold.
std::vector<Person*>* const pastFigures = new std::vector<Person*>();
std::vector<Item*>* const pastItems = new std::vector<Item*>();
// The board has been played on since it was loaded.
bool boardUsed = false;
int savesWritten = 0;

void Log(const std::string& text) {
  if (hge != nullptr) hge->System_Log("%s", text.c_str());
}

// Makes `board` (a map just read from the map file) the game's board and puts the old board's figures and
// items aside.
void FreshBoard(Map* board) {
  pastFigures->insert(pastFigures->end(), zombies.begin(), zombies.end());
  pastFigures->insert(pastFigures->end(), team.begin(), team.end());
  zombies.clear();
  team.clear();
  Map* old = gameMap;
  if (old != nullptr) {
    for (map_cell_struct& cell : old->cells)
      pastItems->insert(pastItems->end(), cell.items.begin(), cell.items.end());
  }
  CancelDrag();
  SetGameMap(board);
  delete old;
}

}  // namespace

void SaveGame() {
  std::string error;
  if (!WriteSave(&error)) {
    Log("Save not written: " + error);
    return;
  }
  ++savesWritten;
}

int SavesWritten() {
  return savesWritten;
}

void DeleteSave() {
  const std::string path = SaveFilePath();
  if (!path.empty()) std::remove(path.c_str());
}

void PrepareNewGame() {
  if (boardUsed) FreshBoard(new Map(GameMapFile()));
  boardUsed = true;
  gameStats = {};
  outcome = OUTCOME_NONE;
}

bool ReadSaveFile(const std::string& path, std::string* text, std::string* reason) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return *reason = "cannot open " + path, false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > SAVE_MAX_BYTES) return *reason = "the file is too large", false;
  in.seekg(0);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

bool ContinueSavedGame() {
  const std::string path = SaveFilePath();
  std::string text, reason;
  if (path.empty() || !ReadSaveFile(path, &text, &reason)) {
    Log("Save not read: " + reason);
    return false;
  }
  // The save is checked against a freshly read map and only then replaces anything.
  Map* fresh = new Map(GameMapFile());
  LoadedGame game;
  if (!ReadSave(text, *fresh, &game, &reason)) {
    delete fresh;
    Log("Save refused: " + reason);
    hge->System_ErrorBox(ToCp1251("Сохранение повреждено").c_str());
    std::rename(path.c_str(), BadSaveFilePath().c_str());
    return false;
  }
  FreshBoard(fresh);
  boardUsed = true;
  InstallLoadedGame(game, *gameMap);
  ResumeGameScreen();
  return true;
}
