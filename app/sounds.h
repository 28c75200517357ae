// The game's table of twelve sound effects, addressed by index.
#pragma once

#include "game/sound_cues.h"

// File of each sound, relative to the data folder.
extern const char* const kSoundFiles[SND_COUNT];

// Loads the twelve effects in the game's loading order and plays every effect the game asks for from them.
void LoadSounds();
// Plays effect `id` over and over.
void PlayLooped(SoundId id);
// Plays effects at the effects volume and sets the looping clock's volume, both from the options in force
// (silent while the sound is muted); call after every change of them.
void ApplySoundVolumes();
// Frees the twelve effects in table order.
void FreeSounds();
