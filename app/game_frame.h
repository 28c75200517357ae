// The game screen's frame: keys, mouse, message flash, path searches and the turn phases.
#pragma once

// The game screen's frame callback; true (Escape) stops the program.
bool GameFrame();
// Phases 1 and 3: plays every figure's queue for one frame and applies what finished.
void PlayActions(float dt);
// Applies what the finished action `result` of team member i means for the game.
void ApplyMemberResult(int i, int result);
// Applies what the finished action `result` of zombie j means; true when the zombie left the list.
bool ApplyZombieResult(int j, int result);
// Phase 0's flash of the zombies the selected member can attack (white, red, white once a second).
void BlinkTargets(float dt);
