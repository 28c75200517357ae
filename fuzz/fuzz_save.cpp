// Fuzzes the save reader: any save file must be refused or read, on the map of the town it names, into a
// game that is safe to play on and saves again into a file that reads back, without a crash, a leak or an
// access out of range.
#include <cstdint>
#include <string>

#include "app/save_reader.h"
#include "app/save_writer.h"
#include "engine/hge.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "map/towns.h"
#include "support/fake_engine.h"

namespace {

void FreeFigure(Person* p) {
  for (Item* item : {p->hands, p->armour, p->keys, p->backpack, p->holster}) delete item;
  for (Item* item : p->bag) delete item;
  delete p;
}

// Frees the installed game: figures, their items and the items on the ground.
void FreeGame(Map& map) {
  for (Person* p : team) FreeFigure(p);
  for (Person* z : zombies) FreeFigure(z);
  team.clear();
  zombies.clear();
  for (map_cell_struct& cell : map.cells) {
    for (Item* item : cell.items) delete item;
    cell.items.clear();
  }
}

// Runs the searches and marks of the player's and the zombies' phases as the game frame would.
void Exercise(Map& map) {
  for (int phase : {0, 2}) {
    map.pathsStale = true;
    for (int frame = 0; frame < 200 && (map.pathsStale || map.searchMember >= 0); ++frame)
      map.DrivePathSearch(phase);
  }
  map.MarkTargets();
  map.MarkPath();
  for (int m = 0; m < static_cast<int>(team.size()); ++m) map.PathBack(m, map.view.cursorCell);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FakeEngine* engine = [] {
    auto* e = new FakeEngine();
    e->anyImageSide = 16;  // the board's pictures need not exist
    hgeInstall(e);
    hge = e;
    return e;
  }();
  (void)engine;
  const std::string text(reinterpret_cast<const char*>(data), size);
  // The save is read onto its town's map, as the game reads it; a town no one knows is refused.
  std::string town, reason;
  if (!SaveTown(text, &town, &reason)) return 0;
  const int index = town.empty() ? 0 : FindTown(town);
  if (index < 0) return 0;
  const std::string mapFile = std::string(DH_SOURCE_DIR "/") + Towns()[index].mapFile;
  Map map(mapFile);
  SetGameMap(&map);
  LoadedGame game;
  if (ReadSave(text, map, &game, &reason)) {
    InstallLoadedGame(game, map);
    Exercise(map);
    // What was read saves again into a file that reads back.
    const std::string again = SaveGameToJson().dump();
    FreeGame(map);
    Map fresh(mapFile);
    LoadedGame second;
    if (!ReadSave(again, fresh, &second, &reason)) __builtin_trap();
  }
  SetGameMap(nullptr);
  return 0;
}
