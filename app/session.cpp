// Sessions: saving, continuing and starting afresh.
#include "app/session.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/save_format.h"
#include "app/save_paths.h"
#include "app/save_reader.h"
#include "app/save_writer.h"
#include "app/screens.h"
#include "app/shell.h"
#include "app/town_memory.h"
#include "engine/hge.h"
#include "engine/language.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/towns.h"
#include "ui/resources.h"

namespace {

// Figures and ground items of earlier games of this run. Nothing refers to them any more, but they are
// kept (as every figure of the run is) rather than freed under a pointer someone might still hold.
std::vector<Person*>* const pastFigures = new std::vector<Person*>();
std::vector<Item*>* const pastItems = new std::vector<Item*>();
// The board has been played on since it was loaded.
bool boardUsed = false;
int savesWritten = 0;
// The town the board holds and the file it was read from.
std::string boardTown, boardMapFile;

void Log(const std::string& text) {
  if (hge != nullptr) hge->System_Log("%s", text.c_str());
}

// Makes `board` the game's board in place of one that holds no figures; the old board's items are put aside.
void SwapBoard(Map* board) {
  Map* old = gameMap;
  if (old != nullptr) {
    for (map_cell_struct& cell : old->cells)
      pastItems->insert(pastItems->end(), cell.items.begin(), cell.items.end());
  }
  CancelDrag();
  SetGameMap(board);
  delete old;
}

// Makes `board` (a map just read from the map file) the game's board and puts the old board's figures and
// items aside.
void FreshBoard(Map* board) {
  pastFigures->insert(pastFigures->end(), zombies.begin(), zombies.end());
  pastFigures->insert(pastFigures->end(), team.begin(), team.end());
  zombies.clear();
  team.clear();
  SwapBoard(board);
}

// Refuses a save that cannot be read: the reason goes to the log, the player sees a box, the file is put
// aside; false.
bool RefuseSave(const std::string& path, const std::string& reason) {
  Log("Save refused: " + reason);
  hge->System_ErrorBox(Tr("Сохранение повреждено").c_str());
  std::rename(path.c_str(), BadSaveFilePath().c_str());
  return false;
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

namespace {

// The board of the town of new games, read afresh.
Map* NewGameBoard() {
  boardTown = NewGameTown();
  boardMapFile = GameMapFile();
  return new Map(boardMapFile);
}

}  // namespace

void LoadBoard() {
  SetGameMap(NewGameBoard());
}

void BoardForNewGame() {
  if (GameMapFile() != boardMapFile) SwapBoard(NewGameBoard());
  boardTown = NewGameTown();
  if (MapOverride().empty()) RememberTown(chosenTown);
}

const std::string& BoardTown() {
  return boardTown;
}

const std::string& BoardMapFile() {
  return boardMapFile;
}

void PrepareNewGame() {
  if (boardUsed) FreshBoard(NewGameBoard());
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
  // A game continued at start-up never passed the team screen: its figures need that screen's pictures.
  CreateTeamResources();
  // The save is checked against a freshly read map of its town and only then replaces anything.
  std::string town;
  int townIndex = 0;
  if (!SaveTown(text, &town, &reason)) return RefuseSave(path, reason);
  if (MapOverride().empty()) {
    townIndex = town.empty() ? 0 : FindTown(town);
    if (townIndex < 0) return RefuseSave(path, "the town " + town + " is not known");
    town = Towns()[townIndex].id;
  } else {
    town = MapOverride();
  }
  const std::string mapFile = MapOverride().empty() ? Towns()[townIndex].mapFile : MapOverride();
  Map* fresh = new Map(mapFile);
  LoadedGame game;
  if (!ReadSave(text, *fresh, &game, &reason)) {
    delete fresh;
    return RefuseSave(path, reason);
  }
  FreshBoard(fresh);
  boardTown = town;
  boardMapFile = mapFile;
  if (MapOverride().empty()) chosenTown = townIndex;
  boardUsed = true;
  InstallLoadedGame(game, *gameMap);
  ResumeGameScreen();
  return true;
}
