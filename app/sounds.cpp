// Loading, playing and freeing the sound table.
#include "app/sounds.h"

#include "engine/hge.h"

const char* const kSoundFiles[SND_COUNT] = {
    "Sound/B GAME CLOCKS.mp3",    "Sound/fx/button click.mp3",    "Sound/fx/man wound short.mp3",
    "Sound/fx/zombie_attack.mp3", "Sound/fx/hammer-click.mp3",    "Sound/fx/error.mp3",
    "Sound/fx/find_point.mp3",    "Sound/fx/Drive away.mp3",      "Sound/fx/baseball bat.mp3",
    "Sound/fx/ak47 one.mp3",      "Sound/fx/Drive away fail.mp3", "Sound/fx/splash.mp3",
};

namespace {

HEFFECT effects[SND_COUNT] = {};
// "Drive away fail" is loaded right after "Drive away" although it lives at index 10.
const int kLoadOrder[SND_COUNT] = {
    SND_CLOCK, SND_CLICK,      SND_WOUND,      SND_ZOMBIE_ATTACK, SND_HAMMER_CLICK, SND_ERROR,
    SND_FIND,  SND_DRIVE_AWAY, SND_DRIVE_FAIL, SND_BAT,           SND_SHOT,         SND_SPLASH,
};

void PlayOnce(SoundId id) {
  if (id < 0 || id >= SND_COUNT || hge == nullptr) return;
  hge->Effect_Play(effects[id]);
}

}  // namespace

void LoadSounds() {
  for (int index : kLoadOrder) effects[index] = hge->Effect_Load(kSoundFiles[index], 0);
  SetSoundPlayer(PlayOnce);
}

void PlayLooped(SoundId id) {
  if (id < 0 || id >= SND_COUNT || hge == nullptr) return;
  hge->Effect_PlayEx(effects[id], 100, 0, 1.0f, true);
}

void FreeSounds() {
  for (int i = 0; i < SND_COUNT; ++i) {
    if (hge != nullptr) hge->Effect_Free(effects[i]);
    effects[i] = 0;
  }
  SetSoundPlayer(nullptr);
}
