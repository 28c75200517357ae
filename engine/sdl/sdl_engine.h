// The SDL2 backend: a window with an SDL renderer, SDL2_mixer sound, keys mapped to virtual-key codes.
#pragma once

#include <SDL2/SDL.h>

#include <string>

#include "engine/core/engine_base.h"
#include "engine/sdl/sdl_audio.h"
#include "engine/sdl/sdl_canvas.h"
#include "engine/sdl/sdl_window.h"

class SdlEngine : public EngineBase {
 public:
  // A new engine with one reference; nothing is opened before System_Initiate.
  explicit SdlEngine(const hgeRunOptions& options) : EngineBase(options) {}

  // ---- The engine interface services this backend supplies (documented in engine/hge.h) ----

  void Input_SetMousePos(float x, float y) override;

  HEFFECT Effect_Load(const char* filename, uint32_t size) override { return audio.Load(filename, size); }
  void Effect_Free(HEFFECT eff) override { audio.Free(eff); }
  HCHANNEL Effect_Play(HEFFECT eff) override { return audio.Play(eff, 100, 0, false); }
  HCHANNEL Effect_PlayEx(HEFFECT eff, int volume, int pan, float, bool loop) override {
    return audio.Play(eff, volume, pan, loop);
  }
  void Channel_SetVolume(HCHANNEL chn, int volume) override { audio.SetVolume(chn, volume); }

  HTARGET Target_Create(int width, int height, bool) override { return canvas.CreateTarget(width, height); }
  void Target_Free(HTARGET target) override { canvas.FreeTarget(target); }
  HTEXTURE Target_GetTexture(HTARGET target) override { return canvas.TargetTexture(target); }

  HTEXTURE Texture_Load(const char* filename, uint32_t size, bool) override {
    return canvas.LoadTexture(filename, size);
  }
  void Texture_Free(HTEXTURE tex) override { canvas.FreeTexture(tex); }
  int Texture_GetWidth(HTEXTURE tex, bool) override { return canvas.Width(tex); }
  int Texture_GetHeight(HTEXTURE tex, bool) override { return canvas.Height(tex); }

 protected:
  ~SdlEngine() override;

  // ---- Backend hooks of EngineBase ----

  bool PlatformInitiate() override;
  void PlatformShutdown() override;
  bool PlatformPollEvents() override;
  float PlatformFrameTime() override;
  bool SceneBegin(HTARGET target) override;
  void SceneEnd(HTARGET target) override;
  void SceneClear(uint32_t color) override { canvas.Clear(color); }
  void DrawBatch(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads) override {
    canvas.Draw(tex, blend, quads);
  }
  void ShowErrorBox(const std::string& utf8) override;
  void WriteShot(const std::string& file) override;
  void StateChanged() override;
  int PlatformMaxScale() override;
#ifdef __EMSCRIPTEN__
  bool HandOffFrames() override;
#endif

 private:
  // Turns one window event into input (unless a script drives the frames) or a window change (the
  // fullscreen keys); true for a close request.
  bool Handle(const SDL_Event& event);
  // Keeps the picture of the screen about to be shown, for the shots of this frame.
  void CaptureScreen();
  // Gives the window the picture named by the options, if it loads.
  void SetWindowIcon();
  // Moves the mouse to a logical position (from an SDL mouse event), kept on the screen.
  void FeedMouse(int x, int y);

  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  bool videoStarted = false;
  SdlCanvas canvas;
  SdlAudio audio;
  Uint64 lastCounter = 0;  // performance counter at the end of the last frame's wait; 0 before the loop
  std::string shownTitle;
  int shownFrameRate = 0;
  bool shownHideMouse = false;
  bool shownWindowed = true;
  int shownScale = 0;
  WindowKeys windowKeys;
  SDL_Surface* shot = nullptr;  // the screen of the current frame, when a shot asks for it
  int shotFrame = 0;
#ifdef __EMSCRIPTEN__
  // Runs one frame when the browser calls back; the program ends when the game stops (sdl_browser.cpp).
  static void BrowserFrame(void* engine);
  int pacedFrameRate = -2;  // the frame rate the browser's callbacks are timed for (-2: not yet)
#endif
};
