// SdlAudio: Mix_LoadWAV effects on 32 mixing channels.
#include "engine/sdl/sdl_audio.h"

#include <SDL2/SDL.h>

#include <iostream>

namespace {

// Enough channels for several plays of one effect to overlap.
constexpr int kChannels = 32;

}  // namespace

bool SdlAudio::Open() {
  if (open) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::cerr << "No sound: " << SDL_GetError() << "\n";
    return false;
  }
  subsystem = true;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::cerr << "No sound: " << Mix_GetError() << "\n";
    Close();
    return false;
  }
  Mix_AllocateChannels(kChannels);
  open = true;
  return true;
}

void SdlAudio::Close() {
  for (auto& entry : chunks) {
    if (entry.second != nullptr) Mix_FreeChunk(entry.second);
    entry.second = nullptr;
  }
  if (open) {
    Mix_CloseAudio();
    Mix_Quit();
  }
  open = false;
  if (subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  subsystem = false;
}

HEFFECT SdlAudio::Load(const char* source, uint32_t size) {
  Mix_Chunk* chunk = nullptr;
  if (open && source != nullptr) {
    if (size == 0) {
      chunk = Mix_LoadWAV(source);
    } else if (size <= INT32_MAX) {
      chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(source, static_cast<int>(size)), 1);
    }
  }
  const HEFFECT handle = next++;
  chunks[handle] = chunk;
  return handle;
}

void SdlAudio::Free(HEFFECT effect) {
  const auto found = chunks.find(effect);
  if (found == chunks.end()) return;
  if (found->second != nullptr) Mix_FreeChunk(found->second);  // halts the channels playing it
  chunks.erase(found);
}

HCHANNEL SdlAudio::Play(HEFFECT effect, int volume, int pan, bool loop) {
  const auto found = chunks.find(effect);
  if (!open || found == chunks.end() || found->second == nullptr) return 0;
  const int channel = Mix_PlayChannel(-1, found->second, loop ? -1 : 0);
  if (channel < 0) return 0;
  volume = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
  pan = pan < -100 ? -100 : (pan > 100 ? 100 : pan);
  Mix_Volume(channel, volume * MIX_MAX_VOLUME / 100);
  const int left = pan <= 0 ? 255 : 255 * (100 - pan) / 100;
  const int right = pan >= 0 ? 255 : 255 * (100 + pan) / 100;
  Mix_SetPanning(channel, static_cast<Uint8>(left), static_cast<Uint8>(right));  // 255, 255: centred
  return static_cast<HCHANNEL>(channel + 1);
}

void SdlAudio::SetVolume(HCHANNEL channel, int volume) {
  if (!open || channel == 0) return;
  volume = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
  Mix_Volume(static_cast<int>(channel) - 1, volume * MIX_MAX_VOLUME / 100);
}
