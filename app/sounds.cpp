// Loading, playing and freeing the sound table.
#include "app/sounds.h"

#include "app/options.h"
#include "engine/hge.h"

const char* const kSoundFiles[SND_COUNT] = {
    "Sound/B GAME CLOCKS.mp3",    "Sound/fx/button click.mp3",    "Sound/fx/man wound short.mp3",
    "Sound/fx/zombie_attack.mp3", "Sound/fx/hammer-click.mp3",    "Sound/fx/error.mp3",
    "Sound/fx/find_point.mp3",    "Sound/fx/Drive away.mp3",      "Sound/fx/baseball bat.mp3",
    "Sound/fx/ak47 one.mp3",      "Sound/fx/Drive away fail.mp3", "Sound/fx/splash.mp3",
};

namespace {

HEFFECT effects[SND_COUNT] = {};
// The channel the looped clock plays on (0: not playing).
HCHANNEL loopChannel = 0;
// "Drive away fail" is loaded right after "Drive away" although it lives at index 10.
const int kLoadOrder[SND_COUNT] = {
    SND_CLOCK, SND_CLICK,      SND_WOUND,      SND_ZOMBIE_ATTACK, SND_HAMMER_CLICK, SND_ERROR,
    SND_FIND,  SND_DRIVE_AWAY, SND_DRIVE_FAIL, SND_BAT,           SND_SHOT,         SND_SPLASH,
};

void PlayOnce(SoundId id) {
  if (id < 0 || id >= SND_COUNT || hge == nullptr) return;
  const int volume = soundMuted ? 0 : activeOptions.effectsVolume;
  if (volume <= 0) return;
  if (volume >= 100) {
    hge->Effect_Play(effects[id]);
  } else {
    hge->Effect_PlayEx(effects[id], volume);
  }
}

int ClockVolume() {
  return soundMuted ? 0 : activeOptions.clockVolume;
}

}  // namespace

void LoadSounds() {
  for (int index : kLoadOrder) effects[index] = hge->Effect_Load(kSoundFiles[index], 0);
  SetSoundPlayer(PlayOnce);
}

void PlayLooped(SoundId id) {
  if (id < 0 || id >= SND_COUNT || hge == nullptr) return;
  loopChannel = hge->Effect_PlayEx(effects[id], ClockVolume(), 0, 1.0f, true);
}

void ApplySoundVolumes() {
  if (hge != nullptr && loopChannel != 0) hge->Channel_SetVolume(loopChannel, ClockVolume());
}

void FreeSounds() {
  for (int i = 0; i < SND_COUNT; ++i) {
    if (hge != nullptr) hge->Effect_Free(effects[i]);
    effects[i] = 0;
  }
  loopChannel = 0;
  SetSoundPlayer(nullptr);
}
