// Fuzzes the map reader: any map file must load, and the loaded board must stay safe to search,
// scroll over and draw, without a crash, a hang or an access out of range.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "config/settings.h"
#include "engine/hge.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "support/fake_engine.h"

namespace {

// A living member standing in `cell`, armed with bare hands.
Person* PlaceMember(Map& map, int cell, Item* hands) {
  Person* p = new Person(HTEXTURE{1});
  p->isZombie = 0;
  p->alive = 1;
  p->actionPoints = 4;
  p->active = hands;
  p->cell = p->secondCell = static_cast<int16_t>(cell);
  p->x = cell % map.W;
  p->y = cell / map.W;
  map.cells[cell].memberHere = map.cells[cell].memberBound = static_cast<int16_t>(team.size());
  team.push_back(p);
  return p;
}

// Searches, marks, scrolls and draws the board as a game would.
void Exercise(Map& map) {
  Item hands(1);
  if (!map.cells.empty()) {
    PlaceMember(map, 0, &hands);
    if (map.cells.size() > 1) PlaceMember(map, static_cast<int>(map.cells.size()) - 1, &hands);
    Person* z = new Person(HTEXTURE{2});
    const int middle = static_cast<int>(map.cells.size()) / 2;
    z->cell = z->secondCell = static_cast<int16_t>(middle);
    if (map.cells[middle].memberHere < 0) map.cells[middle].zombieHere = map.cells[middle].zombieBound = 0;
    zombies.push_back(z);
  }
  selectedMember = team.empty() ? -1 : 0;
  for (int phase : {0, 2}) {
    map.pathsStale = true;
    for (int frame = 0; frame < 4 && (map.pathsStale || map.searchMember >= 0); ++frame) {
      map.DrivePathSearch(phase);
    }
  }
  const float points[3][2] = {{0.0f, 0.0f}, {400.0f, 300.0f}, {799.0f, 599.0f}};
  for (const auto& p : points) {
    mouseX = p[0];
    mouseY = p[1];
    map.UpdateView(0.25f);
    map.MarkPath();
    map.Draw(false);
  }
  map.CenterOnMember();
  map.UpdateView(0.5f);
  map.MarkTargets();
  if (!map.cells.empty()) {
    const int last = static_cast<int>(map.cells.size()) - 1;
    for (int d = 0; d <= 5; ++d) map.StepKind(0, last, d);
    map.LineOfFire(0, 0, map.W - 1, map.H - 1);
    map.RemoveZombie(0);
    map.RemoveMember(0);
  }
  for (Person* p : team) delete p;
  for (Person* p : zombies) delete p;
  team.clear();
  zombies.clear();
  selectedMember = -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/dh_fuzz_map_" + std::to_string(getpid()) + ".dhm";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  FakeEngine engine;
  engine.anyImageSide = 16;  // the board's pictures need not exist
  hgeInstall(&engine);
  hge = &engine;
  // Settings the loader and the searches read; a bounded search finishes within a few frames.
  BORDER_LEFT = BORDER_RIGHT = BORDER_UP = BORDER_DOWN = 20.0f;
  SCROLLING_ZONE = 10.0f;
  SCROLLING_SPEED = 300.0f;
  PATH_FINDING_CICLES = 2.0e6f;
  LOGO = -1;
  {
    Map map(path);
    Exercise(map);
  }
  hge = nullptr;
  return 0;
}
