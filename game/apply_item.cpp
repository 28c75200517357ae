// Applying a medical item to a team member: healing, painkiller and adrenaline.
#include <algorithm>
#include <cstdlib>

#include "game/action_rules.h"
#include "game/actions.h"
#include "game/board.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"

namespace {

// Turns a painkiller keeps its taker from feeling pain.
constexpr int PAINKILLER_TURNS = 5;

// Whether `user` may reach member `target` to apply an item; posts why not, stays silent for the dead.
bool CanReach(Person* user, int target) {
  Person* t = team[target];
  if (t == user) return true;
  if (!t->alive) return false;
  const Board& board = *gameBoard;
  const int w = board.Columns();
  const int ux = user->cell % w, uy = user->cell / w;
  const int tx = t->cell % w, ty = t->cell / w;
  if (std::abs(ux - tx) + std::abs(uy - ty) > 1 ||
      board.MemberStepCost(selectedMember, ux, uy, DirectionTo(ux, uy, tx, ty), true, false, false) == -1) {
    ShowPhrase(PHRASE_COME_CLOSER);
    return false;
  }
  user->TurnTowards(tx, ty, 0.0f);
  return true;
}

// What a drawn result does to member `t`; the used-up kinds leave the user's bag.
void ApplyResult(int code, Person* user, Item* item, Person* t) {
  switch (code) {
    case RESULT_HEAL:
      t->life = std::min(t->life + 1, t->maximum);
      ShowPhrase(PHRASE_HEALED_A_LITTLE);
      return;
    case RESULT_HEAL_USED_UP:
      t->life = std::min(t->life + 1, t->maximum);
      ShowPhrase(PHRASE_KIT_USED_UP);
      break;
    case RESULT_PAINKILLER:
      t->painkillerTurns = PAINKILLER_TURNS;
      ShowPhrase(PHRASE_NO_PAIN);
      break;
    case RESULT_ADRENALINE:
      t->actionPoints = std::min(t->actionPoints + t->maximum, 2 * t->maximum);
      ShowPhrase(PHRASE_INVIGORATED);
      break;
    default:
      ShowPhrase(PHRASE_FAILED_ATTEMPT);
      return;
  }
  // A used-up item is nowhere any more; nothing else refers to it once the drag is cancelled.
  user->RemoveFromBag(item);
  CancelDrag();
  delete item;
}

// The apply itself: charges, draws and shows the result, or refuses with a message.
void Apply(int target) {
  Person* user = ActingMember();
  if (user == nullptr || target < 0 || target >= static_cast<int>(team.size())) return;
  Item* item = user->active;
  const action_struct* action = SelectedActionOf(item);
  if (action == nullptr) return;
  if (user->actionPoints < action->cost) {
    ShowPhrase(PHRASE_NO_ACTION_POINTS);
    return;
  }
  if (!CanReach(user, target)) return;

  user->actionPoints -= action->cost;
  const bool skilled = IsSkilledWith(selectedMember, *item);
  const int won = WinningResult(*action, skilled, RandomFloat(0.0f, 1.0f));
  // Every result passed over before the winning one shows one use of the item.
  const int passed = won >= 0 ? won : static_cast<int>(action->results.size());
  for (int k = 0; k < passed; ++k) {
    user->AddAction(PA_USE, 0.0f, 0.0f, true);
    user->AddAction(PA_FACE, 0.0f, 0.0f, true);
    user->StartAction(false);
    screenState = PHASE_TEAM_ACTING;
  }
  if (won >= 0) ApplyResult(action->results[won].code, user, item, team[target]);
}

}  // namespace

void ApplyItem(int target) {
  Apply(target);
  // Done, failed or refused alike, the pointer is free again: the next click is an ordinary one.
  if (dragState == DRAG_APPLY) CancelDrag();
}
