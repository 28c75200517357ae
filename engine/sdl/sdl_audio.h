// Sound effects through SDL2_mixer; without an audio device every handle plays silently.
#pragma once

#include <SDL2/SDL_mixer.h>

#include <map>

#include "engine/hge.h"

class SdlAudio {
 public:
  SdlAudio() = default;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  ~SdlAudio() { Close(); }

  // Opens the audio device and the mixer; false (sound off) when there is none.
  bool Open();
  // Frees every effect's sound and closes the device; handles stay and play silently.
  void Close();

  // An effect from a file (size 0) or from `size` bytes at `source`; never 0, silent when unreadable.
  HEFFECT Load(const char* source, uint32_t size);
  void Free(HEFFECT effect);
  // Plays once or looped at volume 0..100 and pan -100..100; the channel + 1, or 0 when silent.
  HCHANNEL Play(HEFFECT effect, int volume, int pan, bool loop);
  // Sets the volume 0..100 of a channel Play handed out.
  void SetVolume(HCHANNEL channel, int volume);

 private:
  bool open = false;
  bool subsystem = false;
  std::map<HEFFECT, Mix_Chunk*> chunks;  // null for silent handles
  HEFFECT next = 1;
};
