// Handing the dragged item to another member, throwing out what no longer fits, the picked ground item.
#include <algorithm>
#include <cstdlib>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/board.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"

bool TakeFromSlot(int member, Item* item, int source) {
  Person* p = team[member];
  switch (source) {
    case SRC_BACKPACK:
      if (p->backpack != item) return false;
      p->backpack = nullptr;
      p->bagCapacity = static_cast<int16_t>(p->bagCapacity - 3);
      DropOverflow(member);
      return true;
    case SRC_HOLSTER:
      if (p->holster != item) return false;
      p->holster = nullptr;
      p->bagCapacity = static_cast<int16_t>(p->bagCapacity - 1);
      DropOverflow(member);
      return true;
    case SRC_ARMOUR:
      if (p->armour != item) return false;
      p->armour = nullptr;
      return true;
    case SRC_KEYS:
      if (p->keys != item) return false;
      p->keys = nullptr;
      return true;
  }
  return false;
}

void PassItem(int target) {
  Person* user = ActingMember();
  if (user == nullptr || target < 0 || target >= static_cast<int>(team.size())) return;
  if (target == selectedMember) {
    ShowPhrase(PHRASE_HAND_TO_HAND);
    return;
  }
  Item* g = draggedItem;
  if (g == nullptr || user->actionPoints < 1) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }
  Person* t = team[target];
  const Board& board = *gameBoard;
  const int w = board.Columns();
  const int ux = user->cell % w, uy = user->cell / w;
  const int tx = t->cell % w, ty = t->cell / w;
  if (std::abs(ux - tx) + std::abs(uy - ty) >= 2 ||
      board.MemberStepCost(selectedMember, ux, uy, DirectionTo(ux, uy, tx, ty), true, false, false) == -1) {
    ShowPhrase(PHRASE_COME_CLOSER);
    return;
  }
  if (t->bagLoad + g->size > t->bagCapacity) {
    ShowPhrase(PHRASE_NO_ROOM);
    return;
  }

  t->PutIntoBag(g, SRC_ELSEWHERE);
  user->actionPoints -= 1;
  if (user->active == g) user->active = user->hands;
  if (dragSource == SRC_BAG) {
    user->RemoveFromBag(g);
  } else if (dragSource == SRC_GROUND) {
    RemovePickedGroundItem();
  } else {
    TakeFromSlot(selectedMember, g, dragSource);
  }
  ShowPhrase(PHRASE_HANDED_OVER);
}

void DropOverflow(int member) {
  if (member < 0 || member >= static_cast<int>(team.size())) return;
  Person* p = team[member];
  // A member off the grid has no ground to throw things on; it keeps them.
  if (!gameBoard->ValidCell(p->cell)) return;
  std::vector<Item*>& ground = gameBoard->ItemsAt(p->cell);
  bool thrown = false;
  while (p->bagLoad > p->bagCapacity && !p->bag.empty()) {
    Item* first = p->bag.front();
    p->bagLoad = static_cast<int16_t>(p->bagLoad - first->size);
    ground.push_back(first);
    if (p->active == first) p->active = p->hands;
    p->bag.erase(p->bag.begin());
    thrown = true;
  }
  if (thrown) ShowPhrase(PHRASE_THROWN_OUT);
}

void RemovePickedGroundItem() {
  if (draggedItem == nullptr || !gameBoard->ValidCell(dragCell)) return;
  std::vector<Item*>& items = gameBoard->ItemsAt(dragCell);
  // Found by identity: the list may have changed since the row was picked.
  const auto it = std::find(items.begin(), items.end(), draggedItem);
  if (it != items.end()) items.erase(it);
}
