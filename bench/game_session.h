// The game inside a benchmark program: start-up on a chosen backend, then clicked into a full game.
#pragma once

#include "engine/hge.h"

// Starts the engine and the game as the program does (the menu instead of the logo), clicks through the
// team screen with input events, brings the zombies up to the map's full count and lets the path search
// end; false when the game screen was not reached. The frame time is a fixed 0.01 s until the game
// starts; from then on the backend's own (no frame-rate cap).
bool StartFullGame(hgeRunOptions options);
// Runs `frames` frames of the running engine; true when its loop stopped.
bool RunGameFrames(int frames);
// Runs frames until no path search is left; false when one is still running after `limit` frames.
bool FinishPathSearch(int limit);
// Frees the sounds, shuts the engine down and gives it back, as the program does at its end.
void StopGame();
