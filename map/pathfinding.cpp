// Path finding: the member and zombie searches spread over frames, path marks, and attack targets.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "config/settings.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// Team member i, or null when there is none.
Person* Member(int i) {
  return i >= 0 && i < static_cast<int>(team.size()) ? team[i] : nullptr;
}

// Team members that can have a path table.
int TableMembers() {
  return std::min(static_cast<int>(team.size()), MAP_MAX_MEMBERS);
}

// Column and row of `cell`; false when the map has no such cell.
bool CellXY(const Map& map, int cell, int* x, int* y) {
  if (!map.ValidCell(cell)) return false;
  *x = cell % map.W;
  *y = cell / map.W;
  return true;
}

}  // namespace

void Map::PrepareMemberSearch() {
  for (int i = 0; i < TableMembers(); ++i) {
    const Person* p = team[i];
    pathDone[i] = p == nullptr || !p->alive;
    if (pathDone[i]) continue;
    for (map_cell_struct& c : cells) c.paths[i] = {static_cast<int16_t>(cellCount), 0};
    if (ValidCell(p->cell)) cells[p->cell].paths[i].cost = 0;
  }
}

void Map::PrepareZombieSearch() {
  for (map_cell_struct& c : cells) {
    c.zombieDistance = static_cast<int16_t>(cellCount);
    c.zombieDirection = -1;
  }
  for (const Person* p : team) {
    if (p != nullptr && ValidCell(p->cell)) cells[p->cell].zombieDistance = 0;
  }
}

void Map::Enqueue(int x, int y, int direction) {
  if (!Inside(x, y)) return;
  searchQueue.push_back(
      {static_cast<uint16_t>(x), static_cast<uint16_t>(y), static_cast<int16_t>(direction)});
}

void Map::MemberSearchStep() {
  SearchStep(false);
}

void Map::ZombieSearchStep() {
  SearchStep(true);
}

void Map::SearchStep(bool zombieField) {
  const int m = searchMember;
  if (searchQueue.empty()) {
    if (m < 0) return;
    if (zombieField) {
      searchMember = -1;
      marksStale = true;
      return;
    }
    if (m < MAP_MAX_MEMBERS) pathDone[m] = true;
    // Only members that exist have flags worth reading; the highest index goes next.
    int next = -1;
    for (int i = TableMembers() - 1; i >= 0 && next < 0; --i) {
      if (!pathDone[i]) next = i;
    }
    if (next < 0) {
      searchMember = -1;
      marksStale = true;
      MarkTargets();
      return;
    }
    searchMember = next;
    int x, y;
    if (CellXY(*this, team[next]->cell, &x, &y)) Enqueue(x, y, -1);
    return;
  }

  const path_point_struct point = searchQueue.front();
  searchQueue.pop_front();
  if (!Inside(point.x, point.y)) return;
  if (!zombieField && (m < 0 || m >= MAP_MAX_MEMBERS)) return;
  const map_cell_struct& cell = cells[point.y * W + point.x];
  const int cost = zombieField ? cell.zombieDistance : cell.paths[m].cost;
  const int arrived = zombieField ? cell.zombieDirection : cell.paths[m].direction;
  static const int kOrder[4] = {DIR_UP, DIR_DOWN, DIR_LEFT, DIR_RIGHT};
  for (int d : kOrder) {
    // The neighbour the route came from is not looked at again.
    if (arrived == OppositeDirection(d)) continue;
    const int step = zombieField ? ZombieStepCost(point.x, point.y, d, false)
                                 : MemberStepCost(m, point.x, point.y, d, true, false, true);
    if (step < 0) continue;
    const int nx = point.x + StepDX(d);
    const int ny = point.y + StepDY(d);
    map_cell_struct& next = cells[ny * W + nx];
    int16_t& nextCost = zombieField ? next.zombieDistance : next.paths[m].cost;
    int16_t& nextDirection = zombieField ? next.zombieDirection : next.paths[m].direction;
    if (cost + step < nextCost) {
      nextCost = static_cast<int16_t>(cost + step);
      nextDirection = static_cast<int16_t>(d);
      Enqueue(nx, ny, d);
    }
  }
}

void Map::DrivePathSearch(int phase) {
  const bool members = phase == 0 || phase == 1;
  if (!members && phase != 2 && phase != 3) return;
  if (pathsStale && !team.empty()) {
    int x, y;
    if (members) {
      PrepareMemberSearch();
      searchMember = Member(selectedMember) != nullptr ? selectedMember : 0;
      if (CellXY(*this, team[searchMember]->cell, &x, &y)) Enqueue(x, y, -1);
    } else {
      PrepareZombieSearch();
      for (int i = 0; i < static_cast<int>(team.size()); ++i) {
        if (team[i] == nullptr || !team[i]->alive) continue;
        searchMember = i;
        if (CellXY(*this, team[i]->cell, &x, &y)) Enqueue(x, y, DIR_NONE);
      }
    }
    pathsStale = false;
  }
  searchRunning = searchMember >= 0;
  // Steps run while the counter is below the setting (2.5 gives three); a finished search has none left.
  for (int64_t k = 0; k < PATH_FINDING_CICLES && searchMember >= 0; ++k) SearchStep(!members);
}

void Map::FinishMemberSearch(int member) {
  if (member < 0 || member >= MAP_MAX_MEMBERS) return;
  // Every step takes a record off the queue and adds only cells it made cheaper, so the search ends.
  while (searchMember >= 0 && !pathDone[member]) SearchStep(false);
}

std::vector<int> Map::PathBack(int member, int cell) const {
  std::vector<int> route;
  int x, y;
  if (member < 0 || member >= MAP_MAX_MEMBERS || !CellXY(*this, cell, &x, &y)) return route;
  // A route never visits a cell twice, so a longer walk means the table is broken.
  for (int steps = 0; steps < cellCount; ++steps) {
    const man_ap_struct& e = cells[y * W + x].paths[member];
    if (e.cost == 0) return route;
    if (e.cost < 0 || e.cost >= cellCount) break;
    route.push_back(y * W + x);
    x -= StepDX(e.direction);
    y -= StepDY(e.direction);
    if (e.direction < DIR_UP || e.direction > DIR_LEFT || !Inside(x, y)) break;
  }
  return {};
}

void Map::MarkPath() {
  for (map_cell_struct& c : cells) c.pathMark = 0;
  const Person* s = Member(selectedMember);
  if (s == nullptr) return;
  for (int t : PathBack(selectedMember, view.cursorCell)) {
    cells[t].pathMark = cells[t].paths[selectedMember].cost <= s->actionPoints ? 1 : 2;
  }
}

void Map::MarkTargets() {
  const Person* s = Member(selectedMember);
  const Item* item = s != nullptr && s->alive ? s->active : nullptr;
  int id = -1;
  if (item != nullptr &&
      (item->kind == KIND_FIREARM || item->kind == KIND_HAND_WEAPON || item->kind == KIND_HANDS) &&
      item->selectedAction >= 0 && item->selectedAction < static_cast<int>(item->actions.size())) {
    id = item->actions[item->selectedAction].id;
  }
  int sx = 0, sy = 0;
  const bool placed = s != nullptr && CellXY(*this, s->cell, &sx, &sy);
  for (Person* z : zombies) {
    if (z == nullptr) continue;
    const bool was = z->targetable != 0;
    z->targetable = 0;
    int zx, zy;
    if (placed && CellXY(*this, z->cell, &zx, &zy)) {
      const int distance = std::abs(zx - sx) + std::abs(zy - sy);
      const bool inReach =
          (id == ACT_HIT && distance < 2) || ((id == ACT_SHOT || id == ACT_BURST) && distance <= item->range);
      if (inReach && LineOfFire(sx, sy, zx, zy)) z->targetable = 1;
    }
    if (was && z->targetable == 0) {
      z->tint = -1;
      if (z->sprite != nullptr) z->sprite->SetColor(0xFFFFFFFF);
    }
  }
}
