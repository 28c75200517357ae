// Reloading the active item from the cartridges, the ammunition box or the nails in the bag.
#include <algorithm>
#include <initializer_list>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/person.h"

namespace {

// Item types that reload firearms.
enum : int { TYPE_NAILS = 6, TYPE_CARTRIDGES = 35, TYPE_AMMO_BOX = 36 };
// What an item is reloaded with.
enum : int { AMMO_CARTRIDGES = 1, AMMO_NAILS = 2 };

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
    ammo = FirstOfType(*user, {TYPE_AMMO_BOX, TYPE_CARTRIDGES});
  } else if (item->ammoKind == AMMO_NAILS) {
    ammo = FirstOfType(*user, {TYPE_NAILS});
  }
  if (ammo == nullptr) return;

  // A reload always fills the whole magazine, whatever was left in it.
  item->loaded = item->capacity;
  user->actionPoints -= action->cost;
  if (ammo->type == TYPE_AMMO_BOX) {
    ammo->loaded = static_cast<int16_t>(ammo->loaded - 1);
    if (ammo->loaded > 0) return;
  }
  // Used-up ammunition is nowhere any more.
  user->RemoveFromBag(ammo);
  delete ammo;
}
