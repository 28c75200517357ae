// Handing sound requests to the installed player.
#include "game/sound_cues.h"

namespace {

void (*soundPlayer)(SoundId id) = nullptr;

}  // namespace

void PlaySound(SoundId id) {
  if (soundPlayer != nullptr) soundPlayer(id);
}

void SetSoundPlayer(void (*player)(SoundId id)) {
  soundPlayer = player;
}
