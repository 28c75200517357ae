// The invariant checks: what must hold after every frame of a game, whatever the player did.
#include "app/bot/invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/selection.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/help_overlay.h"
#include "ui/hud_list.h"
#include "ui/reach_overlay.h"

namespace {

// Frames (100 seconds of game time at the headless frame time) after which a game that has not given the
// input back to the player counts as stuck: a zombies' turn and the animations take a few hundred.
constexpr int kStuckFrames = 10000;

// Action types a member may keep queued while the game waits for input: turns left over from an apply.
bool IsTurn(int type) {
  return type == PA_TURN_LEFT || type == PA_TURN_RIGHT;
}

// Item types whose use (apply) consumes them, and the phrases that report it.
bool IsAppliedAway(int type) {
  return type >= ITEM_PAINKILLER && type <= ITEM_DOCTORS_BAG;
}

// Item types a reload consumes, with the ammunition kind they fill.
int AmmoKindOf(int type) {
  if (type == ITEM_CARTRIDGES || type == ITEM_AMMO_BOX) return AMMO_CARTRIDGES;
  if (type == ITEM_NAILS) return AMMO_NAILS;
  return AMMO_NONE;
}

std::string CellText(int cell) {
  if (gameMap == nullptr || gameMap->W <= 0) return "cell " + std::to_string(cell);
  return "cell " + std::to_string(cell) + " (" + std::to_string(cell % gameMap->W) + "," +
         std::to_string(cell / gameMap->W) + ")";
}

std::string ItemText(const Item* item, int type) {
  std::ostringstream out;
  out << "item " << static_cast<const void*>(item) << " of type " << type;
  return out.str();
}

const char* KindText(int kind) {
  static const char* const names[] = {"bag", "slot", "hands", "ground"};
  return names[kind];
}

bool Holds(const std::vector<Item*>& list, const Item* item) {
  for (const Item* i : list) {
    if (i == item) return true;
  }
  return false;
}

bool ValidMember(int i) {
  return i >= 0 && i < static_cast<int>(team.size());
}

}  // namespace

void InvariantChecker::Expect(bool holds, const std::string& what) {
  ++checks;
  if (!holds) found.push_back("frame " + std::to_string(frame) + ": " + what);
}

std::vector<std::string> InvariantChecker::Check(int frameNumber) {
  frame = frameNumber;
  found.clear();
  // The first check only learns where the run is.
  if (!started) lastScreen = currentScreen;
  started = true;
  CheckScreens();
  const bool inGame = currentScreen == Screen::Game || currentScreen == Screen::End;
  if (inGame && gameMap != nullptr) {
    CheckCells();
    CheckFigures();
    CheckMembers();
    CheckSelection();
    // The frame was drawn by the game screen when it was the screen before the frame and still is.
    if (currentScreen == Screen::Game && lastScreen == Screen::Game) {
      CheckDrawn();
      CheckReach();
    }
    CheckDrag();
    CheckItemLedger(CollectItems());
  }
  CheckPhases();
  CheckProgress();
  lastScreen = currentScreen;
  lastPhase = currentScreen == Screen::Game ? screenState : -1;
  lastSelected = currentScreen == Screen::Game ? selectedMember : -1;
  return found;
}

void InvariantChecker::CheckScreens() {
  const Screen now = currentScreen;
  if (now == lastScreen) return;
  // The screens go forward (logo, menu, team selection, game, end), from the menu straight into a
  // continued game, from the end back to the menu, and from the menu to the options and back.
  const bool allowed = (lastScreen == Screen::None && (now == Screen::Logo || now == Screen::Menu)) ||
                       (lastScreen == Screen::Logo && now == Screen::Menu) ||
                       (lastScreen == Screen::Menu && (now == Screen::Team || now == Screen::Game)) ||
                       (lastScreen == Screen::Menu && now == Screen::Options) ||
                       (lastScreen == Screen::Options && now == Screen::Menu) ||
                       (lastScreen == Screen::End && now == Screen::Menu) ||
                       (lastScreen == Screen::Team && now == Screen::Game) ||
                       (lastScreen == Screen::Game && now == Screen::End);
  Expect(allowed, std::string("screen went from ") + ScreenName(lastScreen) + " to " + ScreenName(now));
}

void InvariantChecker::CheckCells() {
  const Map& map = *gameMap;
  const int members = static_cast<int>(team.size());
  const int zombieCount = static_cast<int>(zombies.size());
  for (int c = 0; c < static_cast<int>(map.cells.size()); ++c) {
    const map_cell_struct& cell = map.cells[c];
    if (cell.memberHere >= 0) {
      const int m = cell.memberHere;
      Expect(m < members && team[m]->alive && team[m]->cell == c,
             CellText(c) + " names member " + std::to_string(m) + " as standing there, who is not");
    }
    if (cell.memberBound >= 0) {
      const int m = cell.memberBound;
      Expect(m < members && team[m]->secondCell == c,
             CellText(c) + " names member " + std::to_string(m) + " as drawn there, who is not");
    }
    if (cell.zombieHere >= 0) {
      const int z = cell.zombieHere;
      Expect(z < zombieCount && zombies[z]->cell == c,
             CellText(c) + " names zombie " + std::to_string(z) + " as standing there, who is not");
    }
    if (cell.zombieBound >= 0) {
      const int z = cell.zombieBound;
      Expect(z < zombieCount && zombies[z]->secondCell == c,
             CellText(c) + " names zombie " + std::to_string(z) + " as drawn there, who is not");
    }
    if (cell.memberHere >= 0 || cell.zombieHere >= 0) {
      Expect(cell.memberHere < 0 || cell.zombieHere < 0,
             CellText(c) + " holds member " + std::to_string(cell.memberHere) + " and zombie " +
                 std::to_string(cell.zombieHere) + " at once");
    }
  }
}

void InvariantChecker::CheckFigures() {
  const Map& map = *gameMap;
  auto check = [&](const Person* p, const std::string& who, int index, bool member) {
    const bool living = !member || p->alive;
    if (living) {
      const bool cellOk = map.ValidCell(p->cell);
      Expect(cellOk && (member ? map.cells[p->cell].memberHere : map.cells[p->cell].zombieHere) == index,
             who + " is not registered in its " + CellText(p->cell));
      const bool drawOk = map.ValidCell(p->secondCell);
      const int drawn = !drawOk  ? -1
                        : member ? map.cells[p->secondCell].memberBound
                                 : map.cells[p->secondCell].zombieBound;
      // A figure stepping in behind one that is leaving may reach the shared drawing cell first.
      const bool handedOver = drawn >= 0 && drawn != index && p->cell != p->secondCell;
      Expect(drawOk && (drawn == index || handedOver),
             who + " is not registered in its drawing " + CellText(p->secondCell));
      Expect(map.Inside(p->x, p->y) && map.CellIndex(p->x, p->y) == p->secondCell,
             who + " is drawn at (" + std::to_string(p->x) + "," + std::to_string(p->y) +
                 ") but its drawing " + CellText(p->secondCell));
    }
    if (p->actions.empty() && p->cell >= 0) {
      Expect(p->cell == p->secondCell,
             who + " at rest stands in " + CellText(p->cell) + " but is drawn in " + CellText(p->secondCell));
    }
  };
  for (int i = 0; i < static_cast<int>(team.size()); ++i)
    check(team[i], "member " + std::to_string(i), i, true);
  for (int j = 0; j < static_cast<int>(zombies.size()); ++j) {
    const Person* z = zombies[j];
    check(z, "zombie " + std::to_string(j), j, false);
    Expect(z->actionPoints >= 0 && z->actionPoints <= 2,
           "zombie " + std::to_string(j) + " has " + std::to_string(z->actionPoints) + " action points");
  }
  Expect(static_cast<int>(zombies.size()) <= map.zombieCount,
         std::to_string(zombies.size()) + " zombies on a map that allows " + std::to_string(map.zombieCount));
}

void InvariantChecker::CheckDrawn() {
  if (hge == nullptr) return;
  const Map& map = *gameMap;
  // Where each figure's picture lands: its texture, its frame in the sheet and its top-left corner.
  struct Picture {
    HTEXTURE tex;
    float tx, ty, x, y;
  };
  auto pictureOf = [&](const Person* p) {
    const hgeQuad& q = p->sprite->GetQuad();
    return Picture{q.tex, q.v[0].tx, q.v[0].ty, p->x * map.CW - map.view.offsetX + p->drawX,
                   p->y * map.CH - map.view.offsetY + p->drawY};
  };
  std::vector<Picture> figures;
  for (const Person* p : team) figures.push_back(pictureOf(p));
  for (const Person* z : zombies) figures.push_back(pictureOf(z));
  // The figure sheets are a handful of textures; only their quads are kept.
  std::vector<HTEXTURE> sheets;
  for (const Picture& f : figures) {
    if (std::find(sheets.begin(), sheets.end(), f.tex) == sheets.end()) sheets.push_back(f.tex);
  }
  std::vector<Picture> drawn;
  for (const hgeQuad& q : hge->Gfx_GetRecordedQuads()) {
    if (std::find(sheets.begin(), sheets.end(), q.tex) != sheets.end())
      drawn.push_back({q.tex, q.v[0].tx, q.v[0].ty, q.v[0].x, q.v[0].y});
  }
  auto isDrawn = [&](const Picture& f) {
    for (const Picture& d : drawn) {
      if (d.tex == f.tex && d.tx == f.tx && d.ty == f.ty && std::fabs(d.x - f.x) < 0.01f &&
          std::fabs(d.y - f.y) < 0.01f)
        return true;
    }
    return false;
  };
  // Every figure on the map is in the frame's picture, the fallen included.
  for (size_t k = 0; k < figures.size(); ++k) {
    const bool member = k < team.size();
    const std::string who =
        member ? "member " + std::to_string(k) : "zombie " + std::to_string(k - team.size());
    if (figures[k].tex == 0)
      Expect(false, who + " is drawn without its picture");
    else
      Expect(isDrawn(figures[k]), who + " is not drawn in the frame");
  }
}

void InvariantChecker::CheckReach() {
  // While the player commands, the reach is that of the figures where they stand now.
  if (screenState == PHASE_INPUT && !helpShown) {
    Expect(zombieReachCells == ZombieReach(*gameMap, zombies), "the zombie reach is not up to date");
  }
  if (hge == nullptr) return;
  size_t marks = 0;
  for (const hgeQuad& q : hge->Gfx_GetRecordedQuads()) marks += q.tex == 0 && q.v[0].col == REACH_COLOUR;
  const size_t expected = zombieReachShown ? zombieReachCells.size() : 0;
  Expect(marks == expected, "the frame shows " + std::to_string(marks) + " reach marks for " +
                                std::to_string(expected) + " cells");
}

void InvariantChecker::CheckMembers() {
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    const Person* p = team[i];
    const std::string who = "member " + std::to_string(i);
    int load = 0;
    for (const Item* item : p->bag) load += item != nullptr ? item->size : 0;
    Expect(p->bagLoad == load,
           who + " has bagLoad " + std::to_string(p->bagLoad) + " but carries " + std::to_string(load));
    Expect(p->bagLoad <= p->bagCapacity,
           who + " carries " + std::to_string(p->bagLoad) + " in a bag of " + std::to_string(p->bagCapacity));
    const int capacity = 4 + 3 * (p->backpack != nullptr) + (p->holster != nullptr);
    Expect(p->bagCapacity == capacity, who + " has capacity " + std::to_string(p->bagCapacity) +
                                           " instead of " + std::to_string(capacity));
    Expect(p->hands != nullptr && p->hands->kind == KIND_HANDS, who + " has no bare hands");
    Expect(p->armour == nullptr || p->armour->kind == KIND_ARMOUR, who + " wears a non-armour as armour");
    Expect(p->keys == nullptr || p->keys->kind == KIND_KEYS, who + " holds a non-key in the keys slot");
    Expect(p->backpack == nullptr || p->backpack->kind == KIND_BACKPACK, who + " has a non-backpack slotted");
    Expect(p->holster == nullptr || p->holster->kind == KIND_HOLSTER, who + " has a non-holster slotted");
    const Item* a = p->active;
    Expect(a != nullptr && (a == p->hands || a == p->armour || a == p->keys || a == p->backpack ||
                            a == p->holster || Holds(p->bag, a)),
           who + "'s active item is neither the hands, a slot item nor a bag item of its own");
    Expect(p->life <= p->maximum,
           who + " has life " + std::to_string(p->life) + " above its maximum " + std::to_string(p->maximum));
    Expect(p->actionPoints >= 0 && p->actionPoints <= 2 * p->maximum,
           who + " has " + std::to_string(p->actionPoints) + " action points");
  }
  Expect(selectedMember == -1 || (ValidMember(selectedMember) && team[selectedMember]->alive),
         "the selected member " + std::to_string(selectedMember) + " is not a living member");
}

void InvariantChecker::CheckSelection() {
  // Nothing but the selected member's own death takes the selection away during a game.
  if (lastScreen != Screen::Game || !ValidMember(lastSelected) || selectedMember != -1) return;
  Expect(!team[lastSelected]->alive,
         "member " + std::to_string(lastSelected) + " lost the selection while alive");
}

void InvariantChecker::CheckDrag() {
  Expect(dragState >= DRAG_NONE && dragState <= DRAG_ITEM, "drag state " + std::to_string(dragState));
  if (dragState != DRAG_ITEM) {
    Expect(draggedItem == nullptr && dragSource == 0,
           "drag state " + std::to_string(dragState) + " with a dragged item or a source");
  }
  if (dragState == DRAG_NONE) return;
  const bool selected = ValidMember(selectedMember) && team[selectedMember]->alive;
  Expect(selected, "drag state " + std::to_string(dragState) + " without a living selected member");
  if (!selected) return;
  if (dragState == DRAG_POPUP) {
    Expect(gameMap->ValidCell(popupCell), "the pop-up list shows " + CellText(popupCell));
  }
  if (dragState != DRAG_ITEM) return;
  const Person* s = team[selectedMember];
  bool atSource = false;
  switch (dragSource) {
    case SRC_BAG:
      atSource = Holds(s->bag, draggedItem);
      break;
    case SRC_GROUND:
      atSource = gameMap->ValidCell(popupCell) && Holds(gameMap->cells[popupCell].items, draggedItem);
      break;
    case SRC_BACKPACK:
      atSource = s->backpack == draggedItem;
      break;
    case SRC_HOLSTER:
      atSource = s->holster == draggedItem;
      break;
    case SRC_ARMOUR:
      atSource = s->armour == draggedItem;
      break;
    case SRC_KEYS:
      atSource = s->keys == draggedItem;
      break;
  }
  Expect(draggedItem != nullptr && atSource,
         "the dragged item is not where its source " + std::to_string(dragSource) + " says");
}

std::unordered_map<const Item*, InvariantChecker::Place> InvariantChecker::CollectItems() {
  std::unordered_map<const Item*, Place> now;
  auto add = [&](const Item* item, Place::Kind kind, int owner) {
    if (item == nullptr) return;
    const Place place{kind, owner, item->type, item->loaded};
    const auto [it, fresh] = now.emplace(item, place);
    ++checks;
    if (fresh) return;
    const Place& other = it->second;
    found.push_back("frame " + std::to_string(frame) + ": " + ItemText(item, item->type) +
                    " is in two places: " + KindText(other.kind) + " of " + std::to_string(other.owner) +
                    " and " + KindText(kind) + " of " + std::to_string(owner));
  };
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    const Person* p = team[i];
    add(p->hands, Place::Hands, i);
    for (const Item* slot : {p->armour, p->keys, p->backpack, p->holster}) add(slot, Place::Slot, i);
    for (const Item* item : p->bag) add(item, Place::Bag, i);
  }
  for (int c = 0; c < static_cast<int>(gameMap->cells.size()); ++c) {
    for (const Item* item : gameMap->cells[c].items) add(item, Place::Ground, c);
  }
  return now;
}

bool InvariantChecker::ConsumedByRule(const Item* item, const Place& was) const {
  if (was.kind != Place::Bag) return false;
  // Used up by an application: the rule reports it in the same frame.
  if (IsAppliedAway(was.type)) {
    const std::vector<std::string>& phrases = Phrases();
    const bool reported = messageFlash == 0.0f && phrases.size() > PHRASE_INVIGORATED &&
                          (message == phrases[PHRASE_KIT_USED_UP] || message == phrases[PHRASE_NO_PAIN] ||
                           message == phrases[PHRASE_INVIGORATED]);
    return reported;
  }
  // Used up by a reload: a weapon of its holder that takes this ammunition is full now.
  const int ammo = AmmoKindOf(was.type);
  if (ammo == AMMO_NONE || !ValidMember(was.owner)) return false;
  if (was.type == ITEM_AMMO_BOX && was.loaded > 1) return false;
  // Reloading fills the holder's active item.
  const Item* weapon = team[was.owner]->active;
  return weapon != nullptr && weapon != item && weapon->ammoKind == ammo &&
         weapon->loaded == weapon->capacity;
}

void InvariantChecker::CheckItemLedger(const std::unordered_map<const Item*, Place>& now) {
  for (const auto& [item, place] : now) {
    if (place.type == ITEM_CAR_KEYS) carKeys.insert(item);
  }
  Expect(carKeys.size() <= 1, std::to_string(carKeys.size()) + " car keys have turned up");
  if (!ledgerStarted) {
    // What the team brought into the game.
    ledgerStarted = true;
    lastItems = now;
    lastKeyFound = gameMap->escapeKeyFound;
    return;
  }
  for (const auto& [item, was] : lastItems) {
    if (now.count(item) != 0 || was.kind == Place::Hands) continue;
    Expect(ConsumedByRule(item, was), ItemText(item, was.type) + " vanished from the " + KindText(was.kind) +
                                          " of " + std::to_string(was.owner) + " without a rule using it up");
  }
  int fresh = 0;
  for (const auto& [item, place] : now) {
    if (lastItems.count(item) != 0) continue;
    ++fresh;
    // Only a finished search makes items, and it lays them in the searcher's cell.
    const bool onSearcher = place.kind == Place::Ground && gameMap->ValidCell(place.owner) &&
                            gameMap->cells[place.owner].memberHere >= 0;
    Expect(onSearcher, ItemText(item, place.type) + " appeared in the " + KindText(place.kind) + " of " +
                           std::to_string(place.owner) + " without a search");
    if (place.type == ITEM_CAR_KEYS)
      Expect(!lastKeyFound && gameMap->escapeKeyFound, "a car key appeared unannounced");
  }
  Expect(fresh <= 3, std::to_string(fresh) + " items appeared in one frame");
  lastItems = now;
  lastKeyFound = gameMap->escapeKeyFound;
}

void InvariantChecker::CheckPhases() {
  if (currentScreen == Screen::Game) {
    const int phase = screenState;
    Expect(phase >= PHASE_INPUT && phase <= PHASE_ZOMBIES_ACTING, "turn phase " + std::to_string(phase));
    if (lastPhase >= 0 && phase != lastPhase) {
      const bool allowed =
          (lastPhase == PHASE_INPUT && (phase == PHASE_TEAM_ACTING || phase == PHASE_ZOMBIES_PLAN)) ||
          (lastPhase == PHASE_TEAM_ACTING && phase == PHASE_INPUT) ||
          (lastPhase == PHASE_ZOMBIES_PLAN && (phase == PHASE_ZOMBIES_ACTING || phase == PHASE_INPUT)) ||
          (lastPhase == PHASE_ZOMBIES_ACTING && phase == PHASE_ZOMBIES_PLAN);
      Expect(allowed, "turn phase went from " + std::to_string(lastPhase) + " to " + std::to_string(phase));
    }
    if (phase == PHASE_INPUT || phase == PHASE_ZOMBIES_PLAN) {
      // Nothing plays while the player or the zombies plan (a member may keep turns left over from an apply).
      for (size_t j = 0; j < zombies.size(); ++j) {
        Expect(zombies[j]->actions.empty(),
               "zombie " + std::to_string(j) + " has actions queued in phase " + std::to_string(phase));
      }
      for (size_t i = 0; i < team.size(); ++i) {
        bool onlyTurns = true;
        for (const person_action_struct& a : team[i]->actions) onlyTurns = onlyTurns && IsTurn(a.type);
        Expect(onlyTurns,
               "member " + std::to_string(i) + " has actions queued in phase " + std::to_string(phase));
      }
    }
  }
  if (currentScreen == Screen::End && lastScreen == Screen::Game) {
    bool anyoneAlive = false;
    bool onEscape = false;
    const int escape = gameMap != nullptr ? gameMap->CellIndex(gameMap->escapeX, gameMap->escapeY) : -1;
    for (const Person* p : team) {
      anyoneAlive = anyoneAlive || p->alive;
      onEscape = onEscape || (p->alive && p->cell == escape);
    }
    // Won by starting the car in phase 0, lost when the zombies' turn leaves nobody alive.
    Expect(anyoneAlive ? onEscape && lastPhase == PHASE_INPUT : lastPhase == PHASE_ZOMBIES_PLAN,
           std::string("the game ended ") + (anyoneAlive ? "won" : "lost") + " from phase " +
               std::to_string(lastPhase) +
               (anyoneAlive && !onEscape ? " with nobody on the escape cell" : ""));
  }
}

void InvariantChecker::CheckProgress() {
  // The game reports problems of its own in error boxes; a game played on its shipped data shows none.
  const size_t boxes = hge != nullptr ? hge->System_ErrorBoxes().size() : 0;
  const bool newBox = boxes > boxesSeen;
  Expect(!newBox, "the game showed an error box: " + (newBox ? ToUtf8(hge->System_ErrorBoxes().back()) : ""));
  boxesSeen = boxes;
  if (currentScreen != Screen::Game) return;
  framesAway = screenState == PHASE_INPUT ? 0 : framesAway + 1;
  Expect(framesAway != kStuckFrames, "the game has not given the input back for " +
                                         std::to_string(kStuckFrames) + " frames (phase " +
                                         std::to_string(screenState) + ")");
}
