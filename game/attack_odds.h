// The odds of an attack as the player is shown them, worked out from the outcome tables the attack draws on.
#pragma once

#include <cstdint>
#include <string>

class Item;
struct action_struct;

// What one attack with a member's active item would do to a targetable zombie.
struct attack_odds_struct {
  bool empty = false;      // the action needs rounds and none are loaded
  bool affordable = true;  // the member has the action points the action costs
  int cost = 0;            // action points the action costs
  int rounds = 0;          // outcome draws the attack makes (a burst: the lesser of loaded and the action's)
  float kill = 0.0f;       // chance that one of the draws kills (0..1)
  float push = 0.0f;       // chance that a draw knocks the zombie back before any kill (0..1)
};

// Chance that one draw of `action` gives result `code`: each result's share of the thousand rolls the draw
// counts in, as the weights (skilled or not) cut them in list order; weights past the whole give nothing.
float OutcomeChance(const action_struct& action, bool skilled, int32_t code);
// Chance of at least one kill over `rounds` draws of `action` (the draws stop at a kill).
float KillChanceOver(const action_struct& action, bool skilled, int rounds);
// Chance of at least one knock-back over `rounds` draws of `action` before the draws stop at a kill.
float PushChanceOver(const action_struct& action, bool skilled, int rounds);
// The odds of team member `member` attacking with `item`'s selected action; false when the item has no
// blow or shot selected (no item, a tool, a medicine).
bool AttackOdds(int member, const Item* item, attack_odds_struct* odds);
// What an empty weapon lacks, Windows-1251: "Нет патронов", "Нет гвоздей" or "Нет стрел".
const std::string& NoAmmoText(const Item& item);
// The lines shown beside the pointer for `odds`, Windows-1251: the ammunition the weapon lacks, or the
// kill and knock-back chances in whole percent, the cost and a warning when the points do not pay.
std::string AttackHint(const Item& item, const attack_odds_struct& odds);
