// The start of a game: placing the team on the map's edge and the first zombies on free floor.
#include "app/game_start.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/options.h"
#include "app/selection.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/resources.h"

namespace {

// Random draws tried for one figure before the free cells are looked up one by one; a normal map
// needs a handful, and a map that has no room must not hold up the start.
constexpr int kPlacementAttempts = 1000;

struct Spot {
  int x, y;
};

// The facing that looks into the map from edge cell (x, y).
int InwardFacing(const Map& map, int x, int y) {
  if (y == 0) return DIR_DOWN;
  if (x == map.W - 1) return DIR_LEFT;
  if (y == map.H - 1) return DIR_UP;
  return DIR_RIGHT;
}

// Whether a team member other than those after `upTo` already stands at (x, y).
bool MemberAt(int upTo, int x, int y) {
  for (int k = 0; k < upTo; ++k) {
    const Person* p = team[k];
    if (p->cell >= 0 && p->x == x && p->y == y) return true;
  }
  return false;
}

// Puts a figure at (x, y), cell and drawing cell both; `here` and `bound` are the map's records for it.
void Put(Person* p, int index, int x, int y, int16_t map_cell_struct::*here,
         int16_t map_cell_struct::*bound) {
  const int cell = gameMap->CellIndex(x, y);
  p->x = x;
  p->y = y;
  p->cell = p->secondCell = static_cast<int16_t>(cell);
  gameMap->cells[cell].*here = static_cast<int16_t>(index);
  gameMap->cells[cell].*bound = static_cast<int16_t>(index);
}

// A random one of the cells that pass `fits`, or false when none does.
template <typename Fits>
bool PickFreeCell(Fits fits, Spot* spot) {
  std::vector<Spot> free;
  for (int y = 0; y < gameMap->H; ++y) {
    for (int x = 0; x < gameMap->W; ++x) {
      if (fits(x, y)) free.push_back({x, y});
    }
  }
  if (free.empty()) return false;
  *spot = free[RandomInt(0, static_cast<int>(free.size()) - 1)];
  return true;
}

// A random edge cell in the manner of the start: a side, then a place along it, with the inward facing.
Spot DrawEdgeCell(int* facing) {
  const int W = gameMap->W;
  const int H = gameMap->H;
  switch (RandomInt(0, 3)) {
    case 0:
      *facing = DIR_DOWN;
      return {RandomInt(0, W - 1), 0};
    case 1:
      *facing = DIR_LEFT;
      return {W - 1, RandomInt(0, H - 1)};
    case 2:
      *facing = DIR_UP;
      return {RandomInt(0, W - 1), H - 1};
    default:
      *facing = DIR_RIGHT;
      return {0, RandomInt(0, H - 1)};
  }
}

bool PlaceMember(int i) {
  Person* p = team[i];
  const Map& map = *gameMap;
  for (int attempt = 0; attempt < kPlacementAttempts; ++attempt) {
    int facing = DIR_NONE;
    const Spot s = DrawEdgeCell(&facing);
    p->SetDirection(facing);
    if (!map.Inside(s.x, s.y) || MemberAt(i, s.x, s.y)) continue;
    Put(p, i, s.x, s.y, &map_cell_struct::memberHere, &map_cell_struct::memberBound);
    return true;
  }
  Spot s{};
  const bool found = PickFreeCell(
      [&map, i](int x, int y) {
        const bool edge = x == 0 || y == 0 || x == map.W - 1 || y == map.H - 1;
        return edge && !MemberAt(i, x, y);
      },
      &s);
  if (!found) return false;
  p->SetDirection(InwardFacing(map, s.x, s.y));
  Put(p, i, s.x, s.y, &map_cell_struct::memberHere, &map_cell_struct::memberBound);
  return true;
}

// Free floor, at least four cells from every member on one axis, and no earlier zombie there.
bool ZombieMayStart(int k, int x, int y) {
  if (!gameMap->Inside(x, y) || gameMap->cells[gameMap->CellIndex(x, y)].floor != FLOOR_OPEN) return false;
  for (const Person* p : team) {
    if (p->cell >= 0 && std::abs(x - p->x) < 4 && std::abs(y - p->y) < 4) return false;
  }
  for (int j = 0; j < k; ++j) {
    if (zombies[j]->x == x && zombies[j]->y == y) return false;
  }
  return true;
}

bool PlaceZombie(int k) {
  for (int attempt = 0; attempt < kPlacementAttempts; ++attempt) {
    const int x = RandomInt(0, gameMap->W - 1);
    const int y = RandomInt(0, gameMap->H - 1);
    if (!ZombieMayStart(k, x, y)) continue;
    Put(zombies[k], k, x, y, &map_cell_struct::zombieHere, &map_cell_struct::zombieBound);
    return true;
  }
  Spot s{};
  if (!PickFreeCell([k](int x, int y) { return ZombieMayStart(k, x, y); }, &s)) return false;
  Put(zombies[k], k, s.x, s.y, &map_cell_struct::zombieHere, &map_cell_struct::zombieBound);
  return true;
}

}  // namespace

void PlaceTeam() {
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    if (PlaceMember(i)) continue;
    // No edge cell is left for this member: it stays off the map and takes no part.
    team[i]->cell = team[i]->secondCell = -1;
    team[i]->alive = 0;
  }
}

void PlaceFirstZombies() {
  // The map never holds more zombies than cells, and the count stays a sane integer whatever the setting.
  // The difficulty scales the zombies per member; at the normal one (factor 1) the count is the setting's.
  const float proportion = ZOMBIE_PROPORTION * DifficultyFactor(activeOptions.difficulty);
  const double wanted = std::trunc(static_cast<double>(team.size()) * proportion);
  gameMap->zombieCount = static_cast<int32_t>(std::clamp(wanted, 0.0, static_cast<double>(MAP_MAX_CELLS)));
  const int made = gameMap->zombieCount / 2;
  const size_t first = zombies.size();
  for (int k = 0; k < made; ++k) zombies.push_back(new Person(zombieTexture));
  for (size_t k = first; k < zombies.size(); ++k) {
    if (PlaceZombie(static_cast<int>(k))) continue;
    // Later zombies face the same refusals and more: none of them finds a cell either.
    for (size_t j = k; j < zombies.size(); ++j) delete zombies[j];
    zombies.resize(k);
  }
}

int ChooseSearchThreshold() {
  const double r = RandomFloat(0.0f, 1.0f);
  const int n = RandomInt(4, 6);
  const int size = static_cast<int>(team.size());
  const int spots = static_cast<int>(gameMap->searchSpots.size());
  const int limit = static_cast<int>(std::floor(r * r * r * (size - 1) * spots)) + size;
  return n <= limit ? limit : RandomInt(4, 6);
}

void StartGame() {
  outcome = OUTCOME_NONE;
  selectedMember = -1;
  PlaySound(SND_CLICK);
  PlaceTeam();
  PlaceFirstZombies();
  StartGameScreen();
  gameMap->searchesMade = 0;
  gameMap->searchThreshold = ChooseSearchThreshold();
  gameMap->KeepKeysReachable();
  SelectMember(0);
  SelectMember(0);
  // The new game replaces any earlier save from its first turn on.
  SaveGame();
}
