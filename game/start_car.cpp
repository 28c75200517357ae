// Starting the escape car: a driver on the escape cell gets away when the engine catches.
#include <cmath>
#include <string>

#include "engine/language.h"
#include "engine/text.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/board.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/random.h"
#include "game/sound_cues.h"
#include "game/world.h"

namespace {

// The engine catches when the roll, in thousandths, is above this.
constexpr long START_THRESHOLD = 830;

}  // namespace

void StartCar() {
  Person* user = ActingMember();
  if (user == nullptr) return;
  const action_struct* action = SelectedActionOf(user->active);
  if (action == nullptr) return;
  if (HasSkill(selectedMember, SKILL_CANNOT_DRIVE)) {
    ShowPhrase(PHRASE_CANNOT_DRIVE);
    return;
  }
  if (user->cell != gameBoard->EscapeCell()) {
    ShowMessage(Tr("Машина не здесь"));
    return;
  }

  user->actionPoints -= action->cost;
  // Rolls come in thousandths; comparing whole thousandths keeps 0.83 itself a failure.
  if (std::lround(RandomFloat(0.0f, 1.0f) * 1000.0) > START_THRESHOLD) {
    PlaySound(SND_DRIVE_AWAY);
    outcome = OUTCOME_WON;
  } else {
    ShowPhrase(PHRASE_ENGINE_FAILED);
    PlaySound(SND_DRIVE_FAIL);
  }
}
