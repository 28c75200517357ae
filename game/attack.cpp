// Attacking a zombie: a blow, a single shot or a burst, all outcomes drawn when the attack is ordered.
#include <algorithm>

#include "app/game_state.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"

namespace {

// Result codes of attack actions.
enum : int { CODE_MISS = 2, CODE_KILL = 3, CODE_KNOCK_BACK = 4 };

// Seconds a zombie waits for each turn its attacker makes before the attack.
constexpr float TURN_DELAY = 0.2f;

// The figure animation that fires one round of `item`: 24 for a one-cell firearm, 25 for a two-cell one.
int FiringAction(const Item& item) {
  return item.size == 1 ? 24 : 25;
}

// The zombie's reaction to a knock-back: pushed one cell away from the user, or recoiling against an
// obstacle. The push moves the zombie's occupied cell at once; its drawing cell follows the animation.
void KnockBack(Person* z, int zombie, int cell, const Person& user, float height) {
  Map& map = *gameMap;
  const int ux = user.cell % map.W, uy = user.cell / map.W;
  const int zx = cell % map.W, zy = cell / map.W;
  const int d = DirectionTo(ux, uy, zx, zy);
  const int offsets[5] = {0, -map.W, 1, map.W, -1};
  const int destination = cell + offsets[d];
  if (map.ZombieStepCost(z->x, z->y, d, true) == -1 || !map.ValidCell(destination)) {
    z->AddAction(35, height, 0.0f, true);
    return;
  }
  z->AddAction(33, height, map.cells[destination].standHeight, true);
  z->AddAction(34, height, map.cells[destination].standHeight, true);
  z->cell = static_cast<int16_t>(destination);
  map.cells[cell].zombieHere = -1;
  map.cells[destination].zombieHere = static_cast<int16_t>(zombie);
}

}  // namespace

void AttackZombie(int cell) {
  Map& map = *gameMap;
  if (!map.ValidCell(cell)) return;
  const int zombie = map.cells[cell].zombieHere;
  if (zombie < 0 || zombie >= static_cast<int>(zombies.size())) return;
  Person* z = zombies[zombie];
  Person* user = ActingMember();
  if (!z->targetable || user == nullptr) return;
  Item* item = user->active;
  const action_struct* action = SelectedActionOf(item);
  if (action == nullptr || action->id < ACT_HIT || action->id > ACT_BURST) return;

  if (action->id != ACT_HIT && item->loaded <= 0) {
    if (item->ammoKind == 1) {
      ShowPhrase(PHRASE_NO_CARTRIDGES);
      PlaySound(SND_HAMMER_CLICK);
    }
    return;
  }
  if (dragState != DRAG_NONE) return;
  if (user->actionPoints < action->cost) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }

  user->actionPoints -= action->cost;
  const int cx = cell % map.W, cy = cell / map.W;
  const float delay = TURN_DELAY * user->TurnTowards(cx, cy, StandHeightOf(user->cell));

  int rounds = 1;
  if (action->id == ACT_HIT) {
    user->AddAction(23, 0.0f, 0.0f, true);
  } else {
    if (action->id == ACT_BURST) rounds = std::min<int>(item->loaded, action->rounds);
    for (int k = 0; k < rounds; ++k) user->AddAction(FiringAction(*item), 0.0f, 0.0f, true);
  }

  z->AddAction(36, delay, 0.0f, true);
  z->SetDirection(DirectionTo(z->x, z->y, user->x, user->y));
  const float height = map.cells[cell].standHeight;
  for (int k = 0; k < rounds; ++k) {
    const int code = DrawOutcome(selectedMember, *item, *action);
    if (code == CODE_MISS) {
      z->AddAction(31, height, 0.0f, true);
    } else if (code == CODE_KILL) {
      z->AddAction(32, height, 0.0f, true);
      break;  // the rest of a burst still fires, but at a dead zombie
    } else if (code == CODE_KNOCK_BACK) {
      KnockBack(z, zombie, cell, *user, height);
    }
  }

  z->AddAction(37, 0.0f, 0.0f, true);
  z->StartAction(false);
  screenState = PHASE_TEAM_ACTING;
  user->AddAction(0, 0.0f, 0.0f, true);
  user->StartAction(false);
}
