// The headless backend: no window, no audio device, fixed frame time, recorded quads, software shots.
#pragma once

#include <SDL2/SDL.h>

#include <vector>

#include "engine/core/engine_base.h"
#include "engine/headless/headless.h"
#include "engine/sdl/sdl_canvas.h"

class HeadlessBackend : public EngineBase {
 public:
  // A new engine with one reference; it becomes the headless engine of headless.h.
  explicit HeadlessBackend(const hgeRunOptions& options);

  // The headless engine alive now, or null.
  static HeadlessBackend* Current();

  // ---- The engine interface services this backend supplies (documented in engine/hge.h) ----

  // Effects are silent: every load gets a handle of its own, every play a channel of its own; plays and
  // volumes are recorded for tests.
  HEFFECT Effect_Load(const char*, uint32_t) override { return ++effectsLoaded; }
  void Effect_Free(HEFFECT) override {}
  HCHANNEL Effect_Play(HEFFECT eff) override { return Effect_PlayEx(eff, 100, 0, 1.0f, false); }
  HCHANNEL Effect_PlayEx(HEFFECT eff, int volume, int, float, bool loop) override;
  void Channel_SetVolume(HCHANNEL chn, int volume) override;

  // Every effect played so far, in order.
  const std::vector<HeadlessSound>& PlayedSounds() const { return played; }
  // A channel's volume now, -1 for a channel never handed out.
  int ChannelVolume(HCHANNEL channel) const;

  HTARGET Target_Create(int width, int height, bool zbuffer) override;
  void Target_Free(HTARGET target) override { canvas.FreeTarget(target); }
  HTEXTURE Target_GetTexture(HTARGET target) override { return canvas.TargetTexture(target); }

  HTEXTURE Texture_Load(const char* filename, uint32_t size, bool bMipmap) override;
  void Texture_Free(HTEXTURE tex) override { canvas.FreeTexture(tex); }
  int Texture_GetWidth(HTEXTURE tex, bool) override { return canvas.Width(tex); }
  int Texture_GetHeight(HTEXTURE tex, bool) override { return canvas.Height(tex); }

 protected:
  ~HeadlessBackend() override;

  // ---- Backend hooks of EngineBase ----

  bool PlatformInitiate() override { return true; }
  void PlatformShutdown() override {}
  bool PlatformPollEvents() override { return false; }
  float PlatformFrameTime() override { return fixedDelta; }
  bool SceneBegin(HTARGET target) override;
  void SceneEnd(HTARGET target) override;
  void SceneClear(uint32_t color) override;
  void DrawBatch(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads) override;
  void ShowErrorBox(const std::string& utf8) override;
  void WriteShot(const std::string& file) override;

 private:
  float fixedDelta;
  SDL_Surface* screen = nullptr;     // the rasterised screen, only when shots are asked for
  SDL_Renderer* renderer = nullptr;  // software renderer drawing into `screen`
  SdlCanvas canvas;
  bool rasterising = false;   // the current scene is drawn into pixels
  HEFFECT effectsLoaded = 0;  // handles handed out so far
  std::vector<HeadlessSound> played;
  std::vector<int> channelVolumes;  // by channel - 1
};
