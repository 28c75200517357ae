// What the action rules share: the acting member, its selected action, and the phrases they post.
#pragma once

class Person;
class Item;
struct action_struct;

// Phrase numbers posted by the action rules and the map's commands.
enum RulePhrase : int {
  PHRASE_COME_CLOSER = 0,
  PHRASE_HEALED_A_LITTLE = 1,
  PHRASE_KIT_USED_UP = 2,
  PHRASE_NO_PAIN = 3,
  PHRASE_INVIGORATED = 4,
  PHRASE_FAILED_ATTEMPT = 5,
  PHRASE_NO_ACTION_POINTS = 6,
  PHRASE_NO_ROOM = 7,
  PHRASE_HANDED_OVER = 8,
  PHRASE_HAND_TO_HAND = 9,
  PHRASE_THROWN_OUT = 10,
  PHRASE_CANNOT_DRIVE = 11,
  PHRASE_ENGINE_FAILED = 12,
  PHRASE_NEEDS_THREE_POINTS = 14,
  PHRASE_PUT_ON_GROUND = 16,
  PHRASE_NOBODY_TO_HEAL = 17,
  PHRASE_NO_CARTRIDGES = 18,
};

// The selected team member when it exists and is alive, else null.
Person* ActingMember();
// The selected action of `item`, or null when there is no item or it has no such action.
const action_struct* SelectedActionOf(const Item* item);
// The stand height of map cell `cell` (0 for a cell off the grid).
float StandHeightOf(int cell);
// Empties the equipment slot `source` (backpack, holster, armour or keys) of member `member` that holds
// `item`; a backpack or holster takes its extra room along and the bag throws out what no longer fits.
// False (and no change) when that slot does not hold the item.
bool TakeFromSlot(int member, Item* item, int source);
