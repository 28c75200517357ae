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

// Seconds a zombie waits for each turn its attacker makes before the attack.
constexpr float TURN_DELAY = 0.2f;

// The figure animation that fires one round of `item`: the short one for a one-cell firearm, else the long.
int FiringAction(const Item& item) {
  return item.size == 1 ? PA_FIRE_SHORT : PA_FIRE_LONG;
}

// The zombie's reaction to a knock-back: pushed one cell away from the user, or recoiling against an
// obstacle. The push moves the zombie's occupied cell at once; its drawing cell follows the animation.
void KnockBack(Person* z, int zombie, int cell, const Person& user, float height) {
  Map& map = *gameMap;
  const int ux = user.cell % map.W, uy = user.cell / map.W;
  const int zx = cell % map.W, zy = cell / map.W;
  const int d = DirectionTo(ux, uy, zx, zy);
  const int destination = cell + StepOffset(d, map.W);
  if (map.ZombieStepCost(z->x, z->y, d, true) == -1 || !map.ValidCell(destination)) {
    z->AddAction(PA_BUMP, height, 0.0f, true);
    return;
  }
  z->AddAction(PA_PUSHED, height, map.cells[destination].standHeight, true);
  z->AddAction(PA_PUSHED_END, height, map.cells[destination].standHeight, true);
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
    if (item->ammoKind == AMMO_CARTRIDGES) {
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
    user->AddAction(PA_STRIKE, 0.0f, 0.0f, true);
  } else {
    if (action->id == ACT_BURST) rounds = std::min<int>(item->loaded, action->rounds);
    for (int k = 0; k < rounds; ++k) user->AddAction(FiringAction(*item), 0.0f, 0.0f, true);
  }

  z->AddAction(PA_ZOMBIE_WAIT, delay, 0.0f, true);
  z->SetDirection(DirectionTo(z->x, z->y, user->x, user->y));
  const float height = map.cells[cell].standHeight;
  for (int k = 0; k < rounds; ++k) {
    const int code = DrawOutcome(selectedMember, *item, *action);
    if (code == RESULT_MISS) {
      z->AddAction(PA_ZOMBIE_RECOIL, height, 0.0f, true);
    } else if (code == RESULT_KILL) {
      z->AddAction(PA_ZOMBIE_DIE, height, 0.0f, true);
      break;  // the rest of a burst still fires, but at a dead zombie
    } else if (code == RESULT_KNOCK_BACK) {
      KnockBack(z, zombie, cell, *user, height);
    }
  }

  z->AddAction(PA_ZOMBIE_FACE, 0.0f, 0.0f, true);
  z->StartAction(false);
  screenState = PHASE_TEAM_ACTING;
  user->AddAction(PA_FACE, 0.0f, 0.0f, true);
  user->StartAction(false);
}
