// Phases 1 and 3: every figure's queue plays, and what a finished action means is applied to the game.
#include <string>
#include <vector>

#include "app/game_frame.h"
#include "app/selection.h"
#include "app/sounds.h"
#include "engine/hge.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/hud_list.h"

namespace {

// Zombies whose dying action has ended. Out of play, they stay until the process ends like every figure of
// the run, held here rather than lost track of.
std::vector<Person*>* const fallenZombies = new std::vector<Person*>();

// The direction of a step whose first half ends with `result` (plain or climbing), else DIR_NONE.
int StepDirection(int result) {
  return IsStepStart(result) ? StepActionDirection(result) : DIR_NONE;
}

// Forgets figure `index` as drawn in `cell`. A figure stepping in behind it may have been registered there
// already (its step ended first); that registration stays, or the figure would vanish from the drawing.
void ReleaseDrawingCell(Map& map, int cell, int index, int16_t map_cell_struct::*bound) {
  if (map.ValidCell(cell) && map.cells[cell].*bound == index) map.cells[cell].*bound = -1;
}

// Moves a figure's drawing cell one cell in `direction`, re-registering it in the map's bound field.
void MoveDrawingCell(Person* p, int index, int direction, int16_t map_cell_struct::*bound) {
  Map& map = *gameMap;
  ReleaseDrawingCell(map, p->secondCell, index, bound);
  p->x += StepDX(direction);
  p->y += StepDY(direction);
  p->secondCell += StepOffset(direction, map.W);
  if (map.ValidCell(p->secondCell)) map.cells[p->secondCell].*bound = static_cast<int16_t>(index);
}

// Adds a new item of `type` to the items lying in `cell` and its name to the list of finds `found`.
void DropNewItem(int cell, int type, std::string& found) {
  if (gameMap->ValidCell(cell)) gameMap->cells[cell].items.push_back(new Item(type));
  found += (found.empty() ? "" : ", ") + ItemName(type);
}

// A finished search: its cost, the escape key once the threshold is reached, and the finds, announced.
void FinishSearch(int i) {
  Person* p = team[i];
  Map& map = *gameMap;
  p->actionPoints -= 3;
  std::string found;
  if (!map.escapeKeyFound && map.searchesMade >= map.searchThreshold) {
    DropNewItem(p->cell, ITEM_CAR_KEYS, found);
    map.escapeKeyFound = true;
  }
  PlaySound(SND_FIND);
  // A find is anything but the car keys and the hands.
  DropNewItem(p->cell, RandomInt(ITEM_HOLSTER, ITEM_MACHINE_GUN), found);
  if (HasSkill(i, SKILL_DETECTIVE)) DropNewItem(p->cell, RandomInt(ITEM_HOLSTER, ITEM_MACHINE_GUN), found);
  static const std::string head = ToCp1251("Найдено: ");
  ShowMessage(head + found);
}

// The fall has ended: the bag and the keys go to the ground and the body frees its cell.
void FinishFall(int i) {
  Person* p = team[i];
  Map& map = *gameMap;
  if (map.ValidCell(p->cell)) {
    std::vector<Item*>& ground = map.cells[p->cell].items;
    ground.insert(ground.end(), p->bag.begin(), p->bag.end());
    if (p->keys != nullptr) ground.push_back(p->keys);
    // What lies on the ground is no longer carried, so no item is in two places at once.
    for (Item* item : p->bag) {
      if (p->active == item) p->active = p->hands;
    }
    if (p->active == p->keys) p->active = p->hands;
    p->bag.clear();
    p->bagLoad = 0;
    p->keys = nullptr;
  }
  map.RemoveMember(i);
  p->alive = 0;
  // Only the member who died loses the selection; the player keeps commanding a living one.
  if (selectedMember == i) selectedMember = -1;
  // Any death ends a drag or an open pop-up.
  CancelDrag();
  ApplyHudEnabling();
  map.pathsStale = true;
  // The dead member's unsearched spots are lost to the team: the car keys must still be findable.
  map.KeepKeysReachable();
}

// A zombie's blow arrives: armour may absorb it; a member left without life falls.
void TakeBlow(Person* p) {
  if (p->armour == nullptr || RandomInt(0, 1) == 0) {
    p->life -= 1;
  } else {
    ShowPhrase(PHRASE_ARMOUR_SAVED);
  }
  if (p->life <= 0 && p->alive) p->AddAction(PA_FALL, 0, 0, true);
}

// The zombie is pushed back one cell against its facing; its occupied cell stays.
void PushBack(int j) {
  Person* z = zombies[j];
  Map& map = *gameMap;
  const int x = z->x - StepDX(z->direction);
  const int y = z->y - StepDY(z->direction);
  if (!map.Inside(x, y)) return;  // nowhere to be drawn off the grid: the drawing cell stays
  ReleaseDrawingCell(map, z->secondCell, j, &map_cell_struct::zombieBound);
  z->x = x;
  z->y = y;
  z->secondCell = static_cast<int16_t>(map.CellIndex(x, y));
  map.cells[z->secondCell].zombieBound = static_cast<int16_t>(j);
  map.pathsStale = true;
}

}  // namespace

void ApplyMemberResult(int i, int result) {
  Person* p = team[i];
  if (const int direction = StepDirection(result)) {
    MoveDrawingCell(p, i, direction, &map_cell_struct::memberBound);
    return;
  }
  switch (result) {
    case PA_SEARCH:
      FinishSearch(i);
      break;
    case PA_FALL:
      FinishFall(i);
      break;
    case PA_WOUND:
      TakeBlow(p);
      break;
  }
}

bool ApplyZombieResult(int j, int result) {
  if (const int direction = StepDirection(result)) {
    MoveDrawingCell(zombies[j], j, direction, &map_cell_struct::zombieBound);
    return false;
  }
  if (result == PA_ZOMBIE_DIE) {
    gameMap->RemoveZombie(j);
    fallenZombies->push_back(zombies[j]);
    ++gameStats.zombiesKilled;
    zombies.erase(zombies.begin() + j);
    gameMap->pathsStale = true;
    return true;
  }
  if (result == PA_PUSHED) PushBack(j);
  return false;
}

void PlayActions(float dt) {
  gameMap->UpdateView(dt);
  bool idle = true;
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    const int result = team[i]->Analyze(dt);
    if (result != -1) idle = false;
    ApplyMemberResult(i, result);
  }
  // A removed zombie's place is taken by the next one, which is played at the same index.
  for (int j = 0; j < static_cast<int>(zombies.size());) {
    const int result = zombies[j]->Analyze(dt);
    if (result != -1) idle = false;
    if (!ApplyZombieResult(j, result)) ++j;
  }
  if (!idle) return;
  if (screenState == PHASE_TEAM_ACTING) {
    screenState = PHASE_INPUT;
    gameMap->MarkTargets();
  } else if (screenState == PHASE_ZOMBIES_ACTING) {
    screenState = PHASE_ZOMBIES_PLAN;
  }
}
