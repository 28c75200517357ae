// Play commands the game loop hands on: map clicks, the zombies' turn, inventory presses and drops.
#pragma once

// The action rules (ApplyItem and the rest) that the inventory commands end in.
#include "game/actions.h"

// Ends the player's half of the turn and hands it to the zombies.
void EndPlayerTurn();
// Phase 2: plans one step or blow for the zombies, or starts the next turn when none can act.
void PlanZombies(float dt);
// Starts the next game turn: refills the team's action points, or ends a game nobody survived.
void StartNewTurn();
// The left button went down over display rectangle `id` with nothing in the pointer.
void PressHud(int id);
// The left button went up over display rectangle `id` while an item was dragged.
void DropHud(int id);
// Selects the active item's next action.
void CycleAction();
