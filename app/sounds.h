// The game's table of twelve sound effects, addressed by index.
#pragma once

#include "game/ids.h"

// File of each sound, relative to the data folder.
extern const char* const kSoundFiles[SND_COUNT];

// Loads the twelve effects in the game's loading order.
void LoadSounds();
// Plays effect `index` once, or looped.
void PlaySound(int index, bool loop = false);
// Frees the twelve effects in table order.
void FreeSounds();
