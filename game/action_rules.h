// What the action rules share: the acting member, its selected action, and the board's stand heights.
#pragma once

#include "game/ids.h"

class Person;
class Item;
struct action_struct;

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
