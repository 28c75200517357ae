// The odds of an attack: the outcome tables' shares of the draw, over the rounds an attack fires.
#include "game/attack_odds.h"

#include <algorithm>
#include <cmath>

#include "engine/text.h"
#include "game/action_rules.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"

namespace {

// A weight or a running sum of weights in whole thousandths, cut to the thousand rolls of a draw.
long Thousandths(double share) {
  return std::clamp(std::lround(share * 1000.0), 0L, 1000L);
}

// Chance in percent, rounded to whole ones.
std::string Percent(float chance) {
  return IntToText(static_cast<int>(std::lround(chance * 100.0f))) + "%";
}

}  // namespace

float OutcomeChance(const action_struct& action, bool skilled, int32_t code) {
  long before = 0;
  long running = 0;
  long share = 0;
  for (const action_result_struct& result : action.results) {
    running += std::lround((skilled ? result.weightWith : result.weightWithout) * 1000.0);
    const long after = Thousandths(running / 1000.0);
    if (result.code == code) share += std::max(0L, after - before);
    before = std::max(before, after);
  }
  return static_cast<float>(share) / 1000.0f;
}

float KillChanceOver(const action_struct& action, bool skilled, int rounds) {
  if (rounds <= 0) return 0.0f;
  const double kill = OutcomeChance(action, skilled, RESULT_KILL);
  return static_cast<float>(1.0 - std::pow(1.0 - kill, rounds));
}

float PushChanceOver(const action_struct& action, bool skilled, int rounds) {
  const double kill = OutcomeChance(action, skilled, RESULT_KILL);
  const double push = OutcomeChance(action, skilled, RESULT_KNOCK_BACK);
  const double neither = std::max(0.0, 1.0 - kill - push);
  // Chance that no knock-back comes: every draw misses, or a run of misses ends in a kill.
  double none = 1.0;
  double missesSoFar = 1.0;
  for (int k = 0; k < rounds; ++k) {
    none -= missesSoFar * push;
    missesSoFar *= neither;
  }
  return static_cast<float>(std::clamp(1.0 - none, 0.0, 1.0));
}

bool AttackOdds(int member, const Item* item, attack_odds_struct* odds) {
  const action_struct* action = SelectedActionOf(item);
  if (action == nullptr || action->id < ACT_HIT || action->id > ACT_BURST) return false;
  *odds = {};
  odds->cost = action->cost;
  const Person* user = member >= 0 && member < static_cast<int>(team.size()) ? team[member] : nullptr;
  odds->affordable = user != nullptr && user->actionPoints >= action->cost;
  if (action->id != ACT_HIT && item->loaded <= 0) {
    odds->empty = true;
    return true;
  }
  odds->rounds = action->id == ACT_BURST ? std::min<int>(item->loaded, action->rounds) : 1;
  const bool skilled = IsSkilledWith(member, *item);
  odds->kill = KillChanceOver(*action, skilled, odds->rounds);
  odds->push = PushChanceOver(*action, skilled, odds->rounds);
  return true;
}

const std::string& NoAmmoText(const Item& item) {
  static const std::string kNoCartridges = ToCp1251("Нет патронов");
  static const std::string kNoNails = ToCp1251("Нет гвоздей");
  static const std::string kNoArrows = ToCp1251("Нет стрел");
  if (item.ammoKind == AMMO_CARTRIDGES) return kNoCartridges;
  return item.ammoKind == AMMO_NAILS ? kNoNails : kNoArrows;
}

std::string AttackHint(const Item& item, const attack_odds_struct& odds) {
  if (odds.empty) return NoAmmoText(item);
  std::string text = ToCp1251("Убить: ") + Percent(odds.kill) + "\n" + ToCp1251("Отбросить: ") +
                     Percent(odds.push) + "\n" + ToCp1251("Очки действия: ") + IntToText(odds.cost);
  if (!odds.affordable) text += "\n" + ToCp1251("Недостаточно очков действия");
  return text;
}
