// The rules that turn a command into effects: attacks, applying and handing over items, reloading, the car.
#pragma once

// The selected member attacks the zombie standing in map cell `cell` with its active item's selected action.
void AttackZombie(int cell);
// The selected member applies its active item to team member `target` (may be itself); the apply mode ends.
void ApplyItem(int target);
// The selected member hands the dragged item to team member `target`.
void PassItem(int target);
// Throws the oldest bag items of team member `member` onto its cell until the bag fits.
void DropOverflow(int member);
// The selected member reloads its active item from the cartridges, ammunition box or nails in its bag.
void Reload();
// The selected member tries to start the car on the escape cell; success ends the game won.
void StartCar();
// Takes the dragged ground item out of the items of the cell it lies in (found by identity).
void RemovePickedGroundItem();
