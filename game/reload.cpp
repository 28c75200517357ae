// Reloading the active item from the cartridges, the ammunition box or the nails in the bag.
#include <algorithm>
#include <initializer_list>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/person.h"

namespace {

// The first bag item of one of `types`, or null.
Item* FirstOfType(const Person& p, std::initializer_list<int> types) {
  const auto it = std::find_if(p.bag.begin(), p.bag.end(), [&](const Item* item) {
    return std::find(types.begin(), types.end(), item->type) != types.end();
  });
  return it != p.bag.end() ? *it : nullptr;
}

}  // namespace

void Reload() {
  Person* user = ActingMember();
  if (user == nullptr) return;
  Item* item = user->active;
  const action_struct* action = SelectedActionOf(item);
  if (action == nullptr) return;
  Item* ammo = nullptr;
  if (item->ammoKind == AMMO_CARTRIDGES) {
    ammo = FirstOfType(*user, {ITEM_AMMO_BOX, ITEM_CARTRIDGES});
  } else if (item->ammoKind == AMMO_NAILS) {
    ammo = FirstOfType(*user, {ITEM_NAILS});
  }
  if (ammo == nullptr) return;

  // A reload always fills the whole magazine, whatever was left in it.
  item->loaded = item->capacity;
  user->actionPoints -= action->cost;
  if (ammo->type == ITEM_AMMO_BOX) {
    ammo->loaded = static_cast<int16_t>(ammo->loaded - 1);
    if (ammo->loaded > 0) return;
  }
  // Used-up ammunition is nowhere any more.
  user->RemoveFromBag(ammo);
  delete ammo;
}
