// Inventory and item commands: presses and drops on the panel and photos, cycling and using the active item.
#include "app/inventory.h"

#include <algorithm>

#include "app/play.h"
#include "app/selection.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/hud_list.h"

namespace {

// One equipment slot as the drop table sees it.
struct Slot {
  Item* Person::*field;  // where the slot's item is kept
  int kind;              // the only item kind it accepts
  int bonus;             // bag cells it adds while filled
};

// The slot behind display id `id` (backpack, armour, holster or keys).
Slot SlotOf(int id) {
  switch (id) {
    case HUD_BACKPACK:
      return {&Person::backpack, KIND_BACKPACK, 3};
    case HUD_ARMOUR:
      return {&Person::armour, KIND_ARMOUR, 0};
    case HUD_HOLSTER:
      return {&Person::holster, KIND_HOLSTER, 1};
    default:
      return {&Person::keys, KIND_KEYS, 0};
  }
}

// Makes `item` the active item of `p` and names it on the message line.
void Activate(Person* p, Item* item) {
  p->active = item;
  ShowMessage(ItemName(item->type));
}

// Starts dragging a slot's item; it stays in the slot until it is dropped elsewhere.
void DragSlot(Item* item, int source) {
  if (item == nullptr) return;
  draggedItem = item;
  dragState = DRAG_ITEM;
  dragSource = source;
}

// Whether the member's bag holds `item`.
bool InBag(const Person* p, const Item* item) {
  return std::find(p->bag.begin(), p->bag.end(), item) != p->bag.end();
}

// The dragged item goes into the selected member's bag; from the ground it costs a point.
void DropIntoBag(Person* s) {
  if (dragSource == SRC_GROUND) {
    if (s->actionPoints < 1) {
      ShowPhrase(PHRASE_NEEDS_ONE_POINT);
    } else if (s->PutIntoBag(draggedItem, SRC_GROUND)) {
      s->actionPoints -= 1;
      // The message line names what was taken, so no older refusal stays there as if it had failed.
      ShowMessage(ItemName(draggedItem->type));
      RemovePickedGroundItem();
      DropOverflow(selectedMember);
    }
  } else {
    s->PutIntoBag(draggedItem, dragSource);
    DropOverflow(selectedMember);
  }
  gameMap->MarkTargets();
}

// The dragged item goes into the slot behind `id` if the slot is free and takes its kind; whatever the
// slot then holds becomes the active item.
void DropIntoSlot(Person* s, int id) {
  const Slot slot = SlotOf(id);
  Item*& held = s->*slot.field;
  Item* g = draggedItem;
  if (held == nullptr && g != nullptr && g->kind == slot.kind) {
    if (dragSource == SRC_BAG && InBag(s, g)) {
      s->RemoveFromBag(g);
      held = g;
      s->bagCapacity = static_cast<int16_t>(s->bagCapacity + slot.bonus);
    } else if (dragSource == SRC_GROUND) {
      if (s->actionPoints < 1) {
        ShowPhrase(PHRASE_NEEDS_ONE_POINT);
      } else {
        s->actionPoints -= 1;
        held = g;
        s->bagCapacity = static_cast<int16_t>(s->bagCapacity + slot.bonus);
        RemovePickedGroundItem();
      }
    }
    // From another slot nothing moves.
  }
  if (held != nullptr) {
    Activate(s, held);
    gameMap->MarkTargets();
  }
}

}  // namespace

void PressHud(int id) {
  if (id >= HUD_PHOTO_FIRST && id < HUD_PHOTO_FIRST + 4) {
    SelectMember(id - HUD_PHOTO_FIRST);
    return;
  }
  Person* s = ActingMember();
  if (s == nullptr) return;
  if (id >= HUD_BAG_FIRST && id < HUD_BAG_FIRST + 8) {
    StartBagDrag(id - HUD_BAG_FIRST + 1);
    return;
  }
  switch (id) {
    case HUD_HANDS:
      if (s->hands == nullptr) return;
      Activate(s, s->hands);
      gameMap->MarkTargets();
      return;
    case HUD_BACKPACK:
      return DragSlot(s->backpack, SRC_BACKPACK);
    case HUD_ARMOUR:
      return DragSlot(s->armour, SRC_ARMOUR);
    case HUD_HOLSTER:
      return DragSlot(s->holster, SRC_HOLSTER);
    case HUD_KEYS:
      return DragSlot(s->keys, SRC_KEYS);
    case HUD_ACTIVE_ITEM:
      return UseActiveItem();
  }
}

void StartBagDrag(int n) {
  const Person* s = ActingMember();
  if (s == nullptr) return;
  int covered = 0;
  for (Item* item : s->bag) {
    covered += item->size;
    if (covered >= n) {
      draggedItem = item;
      dragState = DRAG_ITEM;
      dragSource = SRC_BAG;
      return;
    }
  }
}

void DropHud(int id) {
  Person* s = ActingMember();
  if (s != nullptr) {
    if (id >= HUD_PHOTO_FIRST && id < HUD_PHOTO_FIRST + 4) {
      if (id - HUD_PHOTO_FIRST != selectedMember) PassItem(id - HUD_PHOTO_FIRST);
    } else if ((id >= HUD_BAG_FIRST && id < HUD_BAG_FIRST + 8) || id == HUD_ACTIVE_ITEM) {
      DropIntoBag(s);
    } else if (id == HUD_HANDS) {
      if (s->hands != nullptr) Activate(s, s->hands);
    } else if (id >= HUD_BACKPACK && id <= HUD_KEYS) {
      DropIntoSlot(s, id);
    }
  }
  CancelDrag();
}

void CycleAction() {
  const Person* s = ActingMember();
  Item* item = s != nullptr ? s->active : nullptr;
  if (item == nullptr || item->selectedAction < 0) return;
  item->selectedAction += 1;
  if (item->selectedAction >= static_cast<int>(item->actions.size())) item->selectedAction = 0;
  gameMap->MarkTargets();
}

void UseActiveItem() {
  const Person* s = ActingMember();
  const action_struct* action = s != nullptr ? SelectedActionOf(s->active) : nullptr;
  if (action == nullptr) return;
  if (s->actionPoints < action->cost) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }
  switch (action->id) {
    case ACT_START_CAR:
      StartCar();
      break;
    case ACT_RELOAD:
      Reload();
      break;
    case ACT_APPLY:
      dragState = DRAG_APPLY;
      break;
    default:
      break;  // strikes and shots are used by clicking a zombie on the map
  }
}
