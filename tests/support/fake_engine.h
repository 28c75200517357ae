// FakeEngine: a recording stand-in for the engine interface, for unit tests that need no backend.
// hgeInstall(&fake) makes hgeCreate hand it out; Release never deletes it; its destructor uninstalls it.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/hge.h"

class FakeEngine : public HGE {
 public:
  // One scene between Gfx_BeginScene and Gfx_EndScene (target 0: the screen).
  struct Scene {
    HTARGET target = 0;
    std::vector<hgeQuad> quads;
    bool ended = false;
  };
  // A texture handle's size in memory and of its image file; name is "" for targets and made-up handles.
  struct Texture {
    std::string name;
    int width = 1, height = 1;
    int originalWidth = 1, originalHeight = 1;
  };

  FakeEngine() = default;
  ~FakeEngine() override { hgeInstall(nullptr); }
  FakeEngine(const FakeEngine&) = delete;
  FakeEngine& operator=(const FakeEngine&) = delete;

  // ---- What the test sets (a texture's original size defaults to the current one) ----
  void SetTextureSize(HTEXTURE tex, int w, int h, int originalW = -1, int originalH = -1);
  // Texture_Load(file) succeeds with this size even when the file does not exist.
  void SetImageSize(const std::string& file, int w, int h) { imageSizes[file] = {w, h}; }
  // When above 0, every picture loaded from a file not named by SetImageSize succeeds with this side.
  int anyImageSide = 0;
  // Resource_Load(file) returns `content` (checked before the real file system).
  void SetFile(const std::string& file, const std::string& content) { files[file] = content; }
  // Names are case-insensitive as in a real profile file.
  void SetIni(const std::string& section, const std::string& key, const std::string& value);
  void SetMouse(float x, float y) { mouseX = x, mouseY = y; }
  // The key went down this frame and is held / went up this frame and is no longer held.
  void Press(int k) { wentDown.insert(k), wentUp.erase(k), held.insert(k); }
  void Lift(int k) { wentDown.erase(k), wentUp.insert(k), held.erase(k); }
  // Clears went-down / went-up flags, wheel, key and char; advances time and frame.
  void NextFrame();
  // Results Random_Int returns, in order, before its own generator is used again.
  void QueueRandomInts(std::initializer_list<int> values) { randomQueue.insert(randomQueue.end(), values); }
  // Forgets every recorded quad, scene, log line, error box and played effect.
  void ClearRecords();

  // ---- What the test reads (and may set directly) ----
  int refs = 0;                             // hgeCreate / AddRef references not released
  std::vector<std::string> log;             // System_Log lines, formatted, without newline
  std::vector<std::string> errorBoxes;      // System_ErrorBox texts
  std::vector<hgeQuad> quads;               // every quad drawn, inside a scene or not
  std::vector<Scene> scenes;                // every scene begun
  std::map<HTEXTURE, Texture> textures;     // every handle the fake knows
  std::vector<std::string> failedTextures;  // file names whose Texture_Load failed
  int texturesFreed = 0, effectsFreed = 0;  // Texture_Free / Effect_Free calls
  std::vector<std::pair<HTEXTURE, std::string>> reloadedTextures;  // Texture_Reload calls
  std::vector<std::string> loadedEffects;   // Effect_Load file names; the handle is the position + 1
  std::vector<HEFFECT> playedEffects;       // Effect_Play / Effect_PlayEx calls, in order
  std::vector<HEFFECT> loopedEffects;       // Effect_PlayEx calls with loop set
  std::vector<int> playedVolumes;           // the volume of each play, as playedEffects
  std::map<HCHANNEL, int> channelVolumes;   // each channel's volume: at its play, then Channel_SetVolume
  int openResources = 0;                    // Resource_Load results not yet freed
  float mouseX = 400.0f, mouseY = 300.0f;   // the screen centre at first
  int wheel = 0, key = 0, chr = 0;          // Input_GetMouseWheel / Input_GetKey / Input_GetChar
  std::set<int> wentDown, wentUp, held;     // Input_KeyDown / Input_KeyUp / Input_GetKeyState
  float delta = 0.01f, time = 0.0f;         // Timer_GetDelta / Timer_GetTime
  int fps = 100, frame = 0;                 // Timer_GetFPS / System_GetFrame
  bool initiateResult = true;               // what System_Initiate returns
  int startFrameLimit = 1000;               // System_Start stops after this many frames at the latest
  std::string errorMessage = "fake engine";
  int shutdowns = 0;

  void AddRef() override { ++refs; }
  void Release() override { --refs; }
  bool System_Initiate() override { return initiateResult; }
  void System_Shutdown() override { ++shutdowns; }
  bool System_Start() override;  // frame 1 keeps the input the test set up; later ones start with NextFrame
  const char* System_GetErrorMessage() override { return errorMessage.c_str(); }
  void System_Log(const char* format, ...) override __attribute__((format(printf, 2, 3)));
  void System_SetState(hgeBoolState state, bool value) override { boolStates[state] = value; }
  void System_SetState(hgeFuncState state, hgeCallback value) override { funcStates[state] = value; }
  void System_SetState(hgeIntState state, int value) override { intStates[state] = value; }
  void System_SetState(hgeStringState state, const char* value) override {
    stringStates[state] = value != nullptr ? value : "";
  }
  bool System_GetState(hgeBoolState state) override { return boolStates[state]; }
  hgeCallback System_GetState(hgeFuncState state) override { return funcStates[state]; }
  int System_GetState(hgeIntState state) override { return intStates[state]; }
  const char* System_GetState(hgeStringState state) override { return stringStates[state].c_str(); }
  void* Resource_Load(const char* filename, uint32_t* size = nullptr) override;
  void Resource_Free(void* res) override;
  // Absent or empty value: the default; otherwise the value's leading number (0 when there is none).
  int Ini_GetInt(const char* section, const char* name, int def) override;
  float Ini_GetFloat(const char* section, const char* name, float def) override;
  void Random_Seed(int seed = 0) override { randomState = static_cast<uint32_t>(seed); }
  int Random_Int(int min, int max) override;
  float Random_Float(float min, float max) override { return min + Next() / 32768.0f * (max - min); }
  uint64_t Random_GetState() override { return randomState; }
  void Random_SetState(uint64_t state) override { randomState = static_cast<uint32_t>(state); }
  float Timer_GetTime() override { return time; }
  float Timer_GetDelta() override { return delta; }
  int Timer_GetFPS() override { return fps; }
  HEFFECT Effect_Load(const char* filename, uint32_t = 0) override {
    loadedEffects.push_back(filename != nullptr ? filename : "");
    return static_cast<HEFFECT>(loadedEffects.size());
  }
  void Effect_Free(HEFFECT) override { ++effectsFreed; }
  HCHANNEL Effect_Play(HEFFECT eff) override { return Effect_PlayEx(eff); }
  HCHANNEL Effect_PlayEx(HEFFECT eff, int = 100, int = 0, float = 1.0f, bool loop = false) override;
  void Channel_SetVolume(HCHANNEL chn, int volume) override { channelVolumes[chn] = volume; }
  void Input_GetMousePos(float* x, float* y) override { *x = mouseX, *y = mouseY; }
  void Input_SetMousePos(float x, float y) override { SetMouse(x, y); }
  int Input_GetMouseWheel() override { return wheel; }
  bool Input_IsMouseOver() override { return true; }
  bool Input_KeyDown(int k) override { return wentDown.count(k) != 0; }
  bool Input_KeyUp(int k) override { return wentUp.count(k) != 0; }
  bool Input_GetKeyState(int k) override { return held.count(k) != 0; }
  int Input_GetKey() override { return key; }
  int Input_GetChar() override { return chr; }
  bool Gfx_BeginScene(HTARGET target = 0) override {
    scenes.push_back({target, {}, false});
    return true;
  }
  void Gfx_EndScene() override {
    if (!scenes.empty()) scenes.back().ended = true;
  }
  void Gfx_Clear(uint32_t) override {}
  void Gfx_RenderQuad(const hgeQuad* quad) override;
  HTARGET Target_Create(int width, int height, bool zbuffer) override;
  void Target_Free(HTARGET) override {}
  HTEXTURE Target_GetTexture(HTARGET target) override { return targets.count(target) ? targets[target] : 0; }
  // A missing file (and no SetImageSize) fails: the handle is recorded in failedTextures, size 1 x 1.
  HTEXTURE Texture_Load(const char* filename, uint32_t size = 0, bool bMipmap = false) override;
  void Texture_Free(HTEXTURE) override { ++texturesFreed; }
  void Texture_Reload(HTEXTURE tex, const char* filename) override {
    reloadedTextures.emplace_back(tex, filename != nullptr ? filename : "");
  }
  // 0 for handle 0 and for handles the fake does not know.
  int Texture_GetWidth(HTEXTURE tex, bool bOriginal = false) override {
    const Texture* t = Known(tex);
    return t == nullptr ? 0 : bOriginal ? t->originalWidth : t->width;
  }
  int Texture_GetHeight(HTEXTURE tex, bool bOriginal = false) override {
    const Texture* t = Known(tex);
    return t == nullptr ? 0 : bOriginal ? t->originalHeight : t->height;
  }
  void System_ErrorBox(const char* text) override { errorBoxes.push_back(text); }
  const std::vector<std::string>& System_ErrorBoxes() override { return errorBoxes; }
  int System_GetFrame() override { return frame; }
  void System_SetAfterFrame(void (*func)(int frame)) override { afterFrame = func; }
  // The quads of the last ended scene drawn to the screen.
  const std::vector<hgeQuad>& Gfx_GetRecordedQuads() override;
  // Runs of equal texture and blend in the last ended screen scene.
  int Gfx_GetDrawCalls() override;

 private:
  uint32_t Next();  // the next 15-bit number of the generator
  HTEXTURE NewTexture(const Texture& info);
  const Texture* Known(HTEXTURE tex) const {
    auto it = textures.find(tex);
    return tex == 0 || it == textures.end() ? nullptr : &it->second;
  }

  std::map<hgeBoolState, bool> boolStates;
  std::map<hgeFuncState, hgeCallback> funcStates;
  std::map<hgeIntState, int> intStates = {
      {HGE_SCREENWIDTH, 800}, {HGE_SCREENHEIGHT, 600}, {HGE_SCREENBPP, 32}, {HGE_FPS, 100}};
  std::map<hgeStringState, std::string> stringStates;
  std::map<std::string, std::string> files;
  std::map<std::string, std::pair<int, int>> imageSizes;
  std::map<std::pair<std::string, std::string>, std::string> ini;
  std::map<HTARGET, HTEXTURE> targets;
  std::deque<int> randomQueue;
  uint32_t randomState = 1, nextHandle = 1;
  void (*afterFrame)(int) = nullptr;
  std::vector<hgeQuad> noQuads;
};
