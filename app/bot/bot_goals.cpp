// The bot playing with a purpose: search the spots, take the car keys, walk to the car and start it, fight
// what it can reach. It only chooses where to click; the game decides what the clicks do.
#include <cstdlib>
#include <deque>

#include "app/bot/bot_player.h"
#include "engine/hge.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/hud_list.h"

namespace {

bool IsCarKey(const Item* item) {
  return item != nullptr && item->type == ITEM_CAR_KEYS;
}

bool CarriesKey(const Person* p) {
  if (IsCarKey(p->keys)) return true;
  for (const Item* item : p->bag) {
    if (IsCarKey(item)) return true;
  }
  return false;
}

// Another living member with at least `points` action points, or -1.
int OtherReadyMember(int than, int points) {
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    if (i != than && team[i]->alive && team[i]->actionPoints >= points) return i;
  }
  return -1;
}

// The search spot member `m` has not searched yet that the fewest steps lead to (ignoring figures), or -1.
int NearestUnsearchedSpot(int m) {
  const Map& map = *gameMap;
  const Person* p = team[m];
  if (!map.ValidCell(p->cell)) return -1;
  std::vector<int> distance(map.cells.size(), -1);
  std::deque<int> queue{p->cell};
  distance[p->cell] = 0;
  while (!queue.empty()) {
    const int cell = queue.front();
    queue.pop_front();
    const int x = cell % map.W;
    const int y = cell / map.W;
    for (int d = DIR_UP; d <= DIR_LEFT; ++d) {
      const int next = map.CellIndex(x + StepDX(d), y + StepDY(d));
      if (next < 0 || distance[next] >= 0 || map.MemberStepCost(m, x, y, d, false, true, false) < 0) continue;
      distance[next] = distance[cell] + 1;
      // A spot is searched from beside it, never walked through.
      if (map.cells[next].floor != FLOOR_SEARCH_SPOT) queue.push_back(next);
    }
  }
  int best = -1;
  for (size_t k = 0; k < map.searchSpots.size() && k < p->searchable.size(); ++k) {
    const int cell = map.searchSpots[k].cell;
    if (!p->searchable[k] || !map.ValidCell(cell) || distance[cell] < 0) continue;
    if (best < 0 || distance[cell] < distance[best]) best = cell;
  }
  return best;
}

}  // namespace

std::vector<int> BotPlayer::DistancesTo(int member, int goal, bool goalIsSpot) const {
  const Map& map = *gameMap;
  std::vector<int> distance(map.cells.size(), -1);
  if (!map.ValidCell(goal)) return distance;
  std::deque<int> queue{goal};
  distance[goal] = 0;
  while (!queue.empty()) {
    const int cell = queue.front();
    queue.pop_front();
    const int x = cell % map.W;
    const int y = cell / map.W;
    // Every neighbour from which one step leads into this cell (into the goal even when it is a spot).
    for (int d = DIR_UP; d <= DIR_LEFT; ++d) {
      const int nx = x + StepDX(d);
      const int ny = y + StepDY(d);
      const int next = map.CellIndex(nx, ny);
      if (next < 0 || distance[next] >= 0) continue;
      if (map.MemberStepCost(member, nx, ny, OppositeDirection(d), false, goalIsSpot && cell == goal, false) <
          0)
        continue;
      distance[next] = distance[cell] + 1;
      queue.push_back(next);
    }
  }
  return distance;
}

bool BotPlayer::GoTowards(int member, int goal, bool goalIsSpot) {
  const Map& map = *gameMap;
  const Person* p = team[member];
  if (member >= MAP_MAX_MEMBERS || !map.pathDone[member] || !map.ValidCell(p->cell)) return false;
  const std::vector<int> distance = DistancesTo(member, goal, goalIsSpot);
  int best = -1;
  int bestDistance = distance[p->cell] >= 0 ? distance[p->cell] : static_cast<int>(map.cells.size());
  int ties = 0;
  for (int c = 0; c < static_cast<int>(map.cells.size()); ++c) {
    const int cost = map.cells[c].paths[member].cost;
    if (cost < 1 || cost > p->actionPoints || distance[c] < 0 || distance[c] > bestDistance) continue;
    if (distance[c] < bestDistance) {
      bestDistance = distance[c];
      best = c;
      ties = 1;
    } else if (best >= 0 && Between(0, ties++) == 0) {
      best = c;
    }
  }
  if (best < 0) return false;
  if (ClickCell(best)) return true;
  // The cell is off the screen: centre the view on the member (its key, pressed while it is selected).
  SelectByKey(member);
  Wait(Between(20, 60));
  return true;
}

bool BotPlayer::MakeActiveAndStart(int member) {
  const Person* p = team[member];
  if (IsCarKey(p->active)) return ClickHud(HUD_ACTIVE_ITEM, HGEK_LBUTTON);
  // A click on the keys, in their slot or in the bag, makes them the active item.
  if (IsCarKey(p->keys)) return ClickHud(HUD_KEYS, HGEK_LBUTTON);
  int first = 1;
  for (const Item* item : p->bag) {
    if (IsCarKey(item)) return first <= 8 && ClickHud(HUD_BAG_FIRST + first - 1, HGEK_LBUTTON);
    first += item->size;
  }
  return false;
}

bool BotPlayer::PickUpHere(int member, int wantedType) {
  const Person* p = team[member];
  if (!gameMap->ValidCell(p->cell) || gameMap->cells[p->cell].items.empty()) return false;
  BotPoint at{};
  if (!CellPoint(p->cell, rng, &at)) return false;
  // Press on the member's own cell and keep the button down: the pop-up list opens under the pointer.
  MoveTo(at, 1);
  Press(HGEK_LBUTTON, Between(2, 3));
  Wait(1);
  wantedPickType = wantedType;
  return true;
}

bool BotPlayer::PlanPurpose() {
  const int s = selectedMember;
  const Map& map = *gameMap;
  const int escape = map.CellIndex(map.escapeX, map.escapeY);
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    const Person* holder = team[i];
    if (!holder->alive || !CarriesKey(holder)) continue;
    if (s != i) return SelectByKey(i);
    if (holder->actionPoints < 1) {
      Tap(HGEK_E);
      return true;
    }
    if (holder->cell == escape) return MakeActiveAndStart(i);
    return GoTowards(i, escape, false);
  }
  const Person* p = team[s];
  // Spent: command someone who still can act; with nobody left the turn ends by itself.
  if (p->actionPoints < 1) {
    const int other = OtherReadyMember(s, 1);
    return other >= 0 && SelectByKey(other);
  }
  for (int c = 0; c < static_cast<int>(map.cells.size()); ++c) {
    for (const Item* item : map.cells[c].items) {
      if (!IsCarKey(item)) continue;
      if (p->cell == c) return PickUpHere(s, 0);
      return GoTowards(s, c, false);
    }
  }
  for (const Person* z : zombies) {
    if (z->targetable && Chance(0.6)) return ClickCell(z->cell);
  }
  if (Chance(0.2) && PickUpHere(s, -1)) return true;
  const int spot = NearestUnsearchedSpot(s);
  if (spot < 0 || p->actionPoints < 3) {
    const int other = OtherReadyMember(s, 3);
    if (other >= 0 && Chance(0.7)) return SelectByKey(other);
    if (spot < 0) return false;
  }
  const std::vector<int> distance = DistancesTo(s, spot, true);
  if (map.ValidCell(p->cell) && distance[p->cell] == 1) return ClickCell(spot);
  return GoTowards(s, spot, true);
}
