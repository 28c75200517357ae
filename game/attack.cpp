// Attacking a zombie: a blow, a single shot or a burst, all outcomes drawn when the attack is ordered.
#include <algorithm>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/board.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/sound_cues.h"
#include "game/world.h"

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
  Board& board = *gameBoard;
  const int w = board.Columns();
  const int ux = user.cell % w, uy = user.cell / w;
  const int zx = cell % w, zy = cell / w;
  const int d = DirectionTo(ux, uy, zx, zy);
  const int offsets[5] = {0, -w, 1, w, -1};
  const int destination = cell + offsets[d];
  if (board.ZombieStepCost(z->x, z->y, d, true) == -1 || !board.ValidCell(destination)) {
    z->AddAction(35, height, 0.0f, true);
    return;
  }
  z->AddAction(33, height, board.StandHeight(destination), true);
  z->AddAction(34, height, board.StandHeight(destination), true);
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
  const int cx = cell % board.Columns(), cy = cell / board.Columns();
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
  const float height = board.StandHeight(cell);
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
