// Attacking a zombie: a blow, a single shot or a burst, all outcomes drawn when the attack is ordered.
#include <algorithm>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/attack_odds.h"
#include "game/board.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/sound_cues.h"
#include "game/world.h"

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
  Board& board = *gameBoard;
  const int w = board.Columns();
  const int ux = user.cell % w, uy = user.cell / w;
  const int zx = cell % w, zy = cell / w;
  const int d = DirectionTo(ux, uy, zx, zy);
  const int destination = cell + StepOffset(d, w);
  if (board.ZombieStepCost(z->x, z->y, d, true) == -1 || !board.ValidCell(destination)) {
    z->AddAction(PA_BUMP, height, 0.0f, true);
    return;
  }
  z->AddAction(PA_PUSHED, height, board.StandHeight(destination), true);
  z->AddAction(PA_PUSHED_END, height, board.StandHeight(destination), true);
  z->cell = static_cast<int16_t>(destination);
  board.MoveZombie(zombie, cell, destination);
}

}  // namespace

void AttackZombie(int cell) {
  const Board& board = *gameBoard;
  if (!board.ValidCell(cell)) return;
  const int zombie = board.ZombieAt(cell);
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
    } else {
      ShowMessage(NoAmmoText(*item));
    }
    return;
  }
  if (dragState != DRAG_NONE) return;
  if (user->actionPoints < action->cost) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }

  user->actionPoints -= action->cost;
  const int cx = cell % board.Columns(), cy = cell / board.Columns();
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
  const float height = board.StandHeight(cell);
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
