// The inventory panel's own commands besides the press and drop tables: picking up a bag item, the action
// button.
#pragma once

// Picks up the bag item of the selected member that covers bag cell n (1 to 8).
void StartBagDrag(int n);
// The action button: performs the active item's selected action (start the car, reload, apply).
void UseActiveItem();
