// Names on hover: which item or member the display shows under the pointer, and the lines about it.
#include "ui/display_hint.h"

#include "engine/text.h"
#include "game/action_rules.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/hud_list.h"
#include "ui/smart_gui.h"

namespace {

// Id of the first enabled rectangle of `gui` under (x, y), -1 for none; unlike HitTest it leaves the
// list's last hit, which the frame's own hit test set, as it is.
int IdAt(const SmartGui* gui, float x, float y) {
  if (gui == nullptr) return -1;
  for (const SmartGuiRect* r : gui->Rects()) {
    if (r->enabled && x >= r->left && x <= r->right && y >= r->top && y <= r->bottom) return r->id;
  }
  return -1;
}

// The bag item that covers bag cell `k` (an item of size 2 covers two cells), or null.
const Item* BagItemAt(const Person& p, int k) {
  int c = 0;
  for (const Item* item : p.bag) {
    if (k >= c && k < c + item->size) return item;
    c += item->size;
  }
  return nullptr;
}

// The selected member's item under display id `id`, or null.
const Item* ItemUnder(const Person& p, int id) {
  if (id >= HUD_BAG_FIRST && id < HUD_BAG_FIRST + 8) return BagItemAt(p, id - HUD_BAG_FIRST);
  switch (id) {
    case HUD_HANDS:
      return p.hands;
    case HUD_BACKPACK:
      return p.backpack;
    case HUD_ARMOUR:
      return p.armour;
    case HUD_HOLSTER:
      return p.holster;
    case HUD_KEYS:
      return p.keys;
    case HUD_ACTIVE_ITEM:
      return p.active;
    default:
      return nullptr;
  }
}

}  // namespace

std::string ItemHint(const Item& item) {
  std::string text = ItemName(item.type);
  if (item.kind == KIND_FIREARM && item.capacity > 0) {
    text += "\n" + ToCp1251("Заряжено: ") + IntToText(item.loaded) + "/" + IntToText(item.capacity);
  } else if (item.kind == KIND_BAG && item.loaded > 0) {
    text += "\n" + ToCp1251("Патронов: ") + IntToText(item.loaded);
  }
  if (const action_struct* action = SelectedActionOf(&item)) {
    text += "\n" + item.ActionName() + ToCp1251(", очки действия: ") + IntToText(action->cost);
  }
  return text;
}

std::string MemberHint(const Person& p) {
  return p.DisplayName() + "\n" + ToCp1251("Жизнь: ") + IntToText(p.life) + "/" + IntToText(p.maximum) +
         "\n" + ToCp1251("Очки действия: ") + IntToText(p.actionPoints);
}

std::string DisplayHint(float x, float y) {
  if (screenState != PHASE_INPUT && screenState != PHASE_TEAM_ACTING) return "";
  if (dragState == DRAG_POPUP) {
    const int row = IdAt(popupGui, x, y);
    if (row < 0 || gameMap == nullptr || !gameMap->ValidCell(popupCell)) return "";
    const std::vector<Item*>& items = gameMap->cells[popupCell].items;
    return row < static_cast<int>(items.size()) ? ItemHint(*items[row]) : "";
  }
  if (dragState != DRAG_NONE) return "";
  const int id = IdAt(hudGui, x, y);
  const int member = id - HUD_PHOTO_FIRST;
  if (member >= 0 && member < 4 && member < static_cast<int>(team.size())) return MemberHint(*team[member]);
  const Person* p = ActingMember();
  if (p == nullptr) return "";
  const Item* item = ItemUnder(*p, id);
  return item != nullptr ? ItemHint(*item) : "";
}
