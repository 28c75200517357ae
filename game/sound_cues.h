// The sound effects the rules and screens ask for; the shell's sound table plays them.
#pragma once

#include "game/ids.h"

// Plays effect `id` once (silently while no player is installed).
void PlaySound(SoundId id);
// Installs the function that plays the effects (the shell's sound table); null silences them.
void SetSoundPlayer(void (*player)(SoundId id));
