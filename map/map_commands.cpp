// Searching a spot, walking a path and putting a dragged item down, as ordered by a click on the map.
#include "engine/language.h"
#include "map/map_commands.h"

#include <algorithm>
#include <cstdlib>

#include "engine/hge.h"
#include "engine/text.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// Action points a search takes (charged when the search pose ends).
constexpr int SEARCH_COST = 3;

// The cell a step in `direction` into `cell` came from; -1 for an unknown direction.
int PreviousCell(const Map& map, int cell, int direction) {
  if (direction < DIR_UP || direction > DIR_LEFT) return -1;
  return cell - StepOffset(direction, map.W);
}

// Puts in front of the queue the turns that take facing `from` to the first step's direction `to`.
void TurnBeforeWalking(Person* p, int from, int to, float height) {
  const int turns = TurnsBetween(from, to);
  const int type = turns < 0 ? PA_TURN_LEFT : PA_TURN_RIGHT;
  for (int i = 0; i < std::abs(turns); ++i) p->AddAction(type, height, 0.0f, false);
}

// Takes the dragged item `g` from where it came from (bag or slot) to be put on the ground; false when
// it comes from the ground already or is not where its source says.
bool TakeAway(Person* s, int member, Item* g) {
  if (dragSource == SRC_BAG) {
    if (std::find(s->bag.begin(), s->bag.end(), g) == s->bag.end()) return false;
    s->RemoveFromBag(g);
    s->active = s->hands;
    return true;
  }
  const bool wasActive = s->active == g;
  if (!TakeFromSlot(member, g, dragSource)) return false;
  if (wasActive) s->active = s->hands;
  return true;
}

}  // namespace

void SearchSpot(Map& map, int member, int cell) {
  Person* s = team[member];
  const int sx = s->cell % map.W, sy = s->cell / map.W;
  const int cx = cell % map.W, cy = cell / map.W;
  if (std::abs(sx - cx) + std::abs(sy - cy) != 1 ||
      map.MemberStepCost(member, sx, sy, DirectionTo(sx, sy, cx, cy), true, true, true) < 0) {
    ShowPhrase(PHRASE_COME_CLOSER);
    return;
  }
  int k = 0;
  while (k < static_cast<int>(map.searchSpots.size()) && map.searchSpots[k].cell != cell) ++k;
  // A spot missing from the list, or beyond the member's flags, cannot be searched.
  if (k >= static_cast<int>(map.searchSpots.size()) || k >= static_cast<int>(s->searchable.size())) return;
  if (!s->searchable[k]) return;
  if (s->actionPoints < SEARCH_COST) {
    ShowPhrase(PHRASE_NEEDS_THREE_POINTS);
    return;
  }
  s->searchable[k] = false;
  ++map.searchesMade;
  s->TurnTowards(cx, cy, 0.0f);
  s->AddAction(PA_SEARCH, 0.0f, 0.0f, true);
  s->AddAction(PA_FACE, 0.0f, 0.0f, true);
  s->StartAction(true);
  screenState = PHASE_TEAM_ACTING;
}

void MoveMember(Map& map, int member, int cell) {
  Person* s = team[member];
  const int16_t cost = map.cells[cell].paths[member].cost;
  if (cost == map.cellCount || cost == 0) return;
  if (s->actionPoints < 1) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }
  // The route from the clicked cell back to the member; a table that leads nowhere is broken.
  const std::vector<int> route = map.PathBack(member, cell);
  if (route.empty()) {
    hge->System_ErrorBox(Tr("Неизвестно направление Map::Analyze").c_str());
    return;
  }
  // The first step is the cheapest cell of the route: a member who cannot pay it stays, turned as it was.
  if (map.cells[route.back()].paths[member].cost > s->actionPoints) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }

  s->AddAction(PA_FACE, map.cells[cell].standHeight, 0.0f, false);
  int destination = -1;
  for (int t : route) {
    const man_ap_struct& e = map.cells[t].paths[member];
    if (e.cost > s->actionPoints) continue;
    if (destination < 0) destination = t;
    const step_kind_struct step = map.StepKind(member, PreviousCell(map, t, e.direction), e.direction);
    s->AddAction(step.kind + 1, step.fromHeight, step.toHeight, false);
    s->AddAction(step.kind, step.fromHeight, step.toHeight, false);
  }

  const int start = s->cell;
  if (destination >= 0) {
    s->actionPoints -= map.cells[destination].paths[member].cost;
    map.cells[start].memberHere = -1;
    s->cell = static_cast<int16_t>(destination);
    map.cells[destination].memberHere = static_cast<int16_t>(member);
  }
  TurnBeforeWalking(s, s->direction, map.cells[route.back()].paths[member].direction,
                    map.cells[start].standHeight);
  s->StartAction(true);
  screenState = PHASE_TEAM_ACTING;
  map.pathsStale = true;
  map.view.showPath = false;
}

void PutDownDragged(Map& map, int member, int cell) {
  Person* s = team[member];
  Item* g = draggedItem;
  const int receiver = map.ValidCell(cell) ? map.cells[cell].memberHere : -1;
  if (s->actionPoints < 1) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
  } else if (receiver >= 0) {
    PassItem(receiver);
  } else if (g != nullptr && map.ValidCell(s->cell) && TakeAway(s, member, g)) {
    s->actionPoints -= 1;
    map.cells[s->cell].items.push_back(g);
    ShowPhrase(PHRASE_PUT_ON_GROUND);
  }
  CancelDrag();
}
