// The acting member and its selected action, as the action rules see them.
#include "game/action_rules.h"

#include "game/board.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"

Person* ActingMember() {
  if (selectedMember < 0 || selectedMember >= static_cast<int>(team.size())) return nullptr;
  Person* p = team[selectedMember];
  return p != nullptr && p->alive ? p : nullptr;
}

const action_struct* SelectedActionOf(const Item* item) {
  if (item == nullptr || item->selectedAction < 0 ||
      item->selectedAction >= static_cast<int>(item->actions.size())) {
    return nullptr;
  }
  return &item->actions[item->selectedAction];
}

float StandHeightOf(int cell) {
  return gameBoard != nullptr && gameBoard->ValidCell(cell) ? gameBoard->StandHeight(cell) : 0.0f;
}
