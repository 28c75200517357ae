// The game's table of twelve sound effects, addressed by index.
#pragma once

// Indices of the sound table.
enum SoundId : int {
  SND_CLOCK = 0,
  SND_CLICK = 1,
  SND_WOUND = 2,
  SND_ZOMBIE_ATTACK = 3,
  SND_HAMMER_CLICK = 4,
  SND_ERROR = 5,
  SND_FIND = 6,
  SND_DRIVE_AWAY = 7,
  SND_BAT = 8,
  SND_SHOT = 9,
  SND_DRIVE_FAIL = 10,
  SND_SPLASH = 11,
  SND_COUNT = 12,
};

// File of each sound, relative to the data folder.
extern const char* const kSoundFiles[SND_COUNT];

// Loads the twelve effects in the game's loading order.
void LoadSounds();
// Plays effect `index` once, or looped.
void PlaySound(int index, bool loop = false);
// Frees the twelve effects in table order.
void FreeSounds();
