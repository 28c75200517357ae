// Items: the live item record made from a catalogue type, names, and the weighted outcome draw.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/ids.h"

// One weighted outcome of an action.
struct action_result_struct {
  float weightWithout;  // weight for a user without any of the item's skills
  float weightWith;     // weight for a skilled user
  int32_t code;         // ResultCode
};

// One thing that can be done with an item.
struct action_struct {
  int32_t id;      // ActionId
  int16_t cost;    // action points
  int16_t rounds;  // rounds fired by a burst, else 0
  std::vector<action_result_struct> results;
};

// A live item; shared by pointer between bags, slots, cells and the drag, never deleted while in play.
class Item {
 public:
  // Makes an item of catalogue type 0..51 (any other type gets no row).
  explicit Item(int32_t type);

  int32_t type = 0;
  int32_t kind = 0;
  int32_t selectedAction = -1;
  int16_t size = 1;
  int16_t range = 1;
  int16_t loaded = 0;
  int16_t capacity = 0;
  int16_t ammoKind = AMMO_NONE;
  std::vector<int32_t> skills;
  std::vector<action_struct> actions;

  // Appends an action with an empty result list.
  void AddAction(int32_t id, int16_t cost, int16_t rounds);
  // Appends a result to the last added action.
  void AddResult(float weightWithout, float weightWith, int32_t code);
  // Name of the selected action ("" when there is none), Windows-1251.
  std::string ActionName() const;
};

// Name of an item type, Windows-1251 ("Предмет не известен" for an unknown type).
std::string ItemName(int32_t type);
// Name of a skill, Windows-1251 ("навык не известен" for an unknown skill).
std::string SkillName(int32_t skill);
// The Russian name of a skill as written (UTF-8), the text SkillName translates.
const char* SkillText(int32_t skill);
// True when team member `member` has at least one of the item's skills.
bool IsSkilledWith(int member, const Item& item);
// Index of the result of `action` that a roll in [0, 1) lands on; -1 when no result brings the roll to 0.
// Rolls and weights are counted in whole thousandths, so a roll equal to a sum of weights lands on 0.
int WinningResult(const action_struct& action, bool skilled, float roll);
// The result code that a roll gives for `action`; -1 when there is no outcome.
int32_t OutcomeForRoll(const action_struct& action, bool skilled, float roll);
// Draws the outcome code of item action `action` for team member `member`; -1 when no result wins.
int32_t DrawOutcome(int member, const Item& item, const action_struct& action);
