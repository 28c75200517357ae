// The zombie reach: a bounded search per zombie over (cell, points left) with the zombie step rules.
#include "map/zombie_reach.h"

#include <algorithm>
#include <utility>

#include "game/ids.h"
#include "game/world.h"

std::vector<int> zombieReachCells;
bool zombieReachShown = false;

namespace {

// Where the figures stood when zombieReachCells was worked out; empty when it must be worked out anew.
std::vector<int> lastPlaces;

// One place a zombie can stand in during its turn, with the points it still has there.
struct Stand {
  int cell;
  int points;
};

// Whether a member could stand in `cell` for a blow to find: ground a member may enter, no zombie on it.
bool MemberCouldStand(const map_cell_struct& cell) {
  const bool ground = cell.floor == FLOOR_OPEN || cell.floor == FLOOR_ROUGH || cell.floor == FLOOR_RAISED;
  return (ground || cell.memberHere >= 0) && cell.zombieHere < 0;
}

}  // namespace

std::vector<int> ZombieStrikeCells(const Map& map, const std::vector<Person*>& zombies, int j, int points) {
  std::vector<int> out;
  if (j < 0 || j >= static_cast<int>(zombies.size())) return out;
  const Person& z = *zombies[j];
  const int start = map.CellIndex(z.x, z.y);
  if (start < 0) return out;
  // The most points seen on each cell; a cell is explored again only with more points than before.
  std::vector<Stand> best{{start, points}};
  std::vector<Stand> open{{start, points}};
  while (!open.empty()) {
    const Stand s = open.back();
    open.pop_back();
    const int x = s.cell % map.W, y = s.cell / map.W;
    for (int d = DIR_UP; d <= DIR_LEFT; ++d) {
      const int next = map.CellIndex(x + StepDX(d), y + StepDY(d));
      if (next < 0) continue;
      const map_cell_struct& to = map.cells[next];
      // A blow: a member there would put this cell at zombie distance 1, so the zombie strikes it.
      if (s.points >= ZOMBIE_BLOW_COST && MemberCouldStand(to) &&
          map.ZombieStepCost(x + StepDX(d), y + StepDY(d), OppositeDirection(d), false) == 1) {
        out.push_back(next);
      }
      // A step: blocked by members and by the other zombies where they stand; its own cell is free.
      if (to.zombieHere >= 0 && to.zombieHere != j) continue;
      const int cost = map.ZombieStepCost(x, y, d, false);
      if (cost < 0 || cost > s.points) continue;
      const int left = s.points - cost;
      auto seen = std::find_if(best.begin(), best.end(), [next](const Stand& b) { return b.cell == next; });
      if (seen != best.end() && seen->points >= left) continue;
      if (seen != best.end()) {
        seen->points = left;
      } else {
        best.push_back({next, left});
      }
      open.push_back({next, left});
    }
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

std::vector<int> ZombieReach(const Map& map, const std::vector<Person*>& zombies) {
  std::vector<int> out;
  for (int j = 0; j < static_cast<int>(zombies.size()); ++j) {
    const std::vector<int> cells = ZombieStrikeCells(map, zombies, j, ZOMBIE_TURN_POINTS);
    out.insert(out.end(), cells.begin(), cells.end());
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

void UpdateZombieReach() {
  // Where the figures stand decides the reach; while none has moved, the last result holds.
  std::vector<int> places;
  places.reserve(team.size() + zombies.size() + 1);
  for (const Person* p : team) places.push_back(p->alive ? p->cell : -1);
  places.push_back(-2);  // the members' and the zombies' parts stay apart when the counts change
  for (const Person* z : zombies) places.push_back(z->y * 65536 + z->x);
  if (places == lastPlaces) return;
  lastPlaces = std::move(places);
  zombieReachCells = gameMap == nullptr ? std::vector<int>{} : ZombieReach(*gameMap, zombies);
}

void ForgetZombieReach() {
  lastPlaces.clear();
  zombieReachCells.clear();
}
