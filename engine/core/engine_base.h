// The part of every backend that does not depend on the platform: references, states, log, files, INI,
// random numbers, timer, input, the frame loop with input scripts and recording, and batched scenes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/engine_random.h"
#include "engine/core/ini_file.h"
#include "engine/core/input_script.h"
#include "engine/core/input_state.h"
#include "engine/hge.h"

// Where the log goes when its own file cannot be written: $XDG_STATE_HOME (else ~/.local/state)
// /duskhollow/ and the log's file name; "" when neither variable is set.
std::string FallbackLogPath(const std::string& logPath);

// The largest window scale HGE_SCALE takes.
constexpr int kMaxWindowScale = 16;

class EngineBase : public HGE {
 public:
  // A new engine with one reference; reads the input script named in `options`.
  explicit EngineBase(const hgeRunOptions& options);
  EngineBase(const EngineBase&) = delete;
  EngineBase& operator=(const EngineBase&) = delete;

  // ---- The engine interface (documented in engine/hge.h) ----

  void AddRef() override;
  void Release() override;

  bool System_Initiate() override;
  void System_Shutdown() override;
  bool System_Start() override;
  const char* System_GetErrorMessage() override { return errorMessage.c_str(); }
  void System_Log(const char* format, ...) override;

  void System_SetState(hgeBoolState state, bool value) override;
  void System_SetState(hgeFuncState state, hgeCallback value) override;
  void System_SetState(hgeIntState state, int value) override;
  void System_SetState(hgeStringState state, const char* value) override;
  bool System_GetState(hgeBoolState state) override;
  hgeCallback System_GetState(hgeFuncState state) override;
  int System_GetState(hgeIntState state) override;
  const char* System_GetState(hgeStringState state) override;

  void* Resource_Load(const char* filename, uint32_t* size) override;
  void Resource_Free(void* res) override;

  int Ini_GetInt(const char* section, const char* name, int def) override;
  float Ini_GetFloat(const char* section, const char* name, float def) override;

  void Random_Seed(int seed) override;
  int Random_Int(int min, int max) override { return random.Int(min, max); }
  float Random_Float(float min, float max) override { return random.Float(min, max); }
  uint64_t Random_GetState() override { return random.State(); }
  void Random_SetState(uint64_t state) override { random.SetState(state); }

  float Timer_GetTime() override { return time; }
  float Timer_GetDelta() override { return delta; }
  int Timer_GetFPS() override { return fps; }

  void Input_GetMousePos(float* x, float* y) override;
  void Input_SetMousePos(float x, float y) override;
  int Input_GetMouseWheel() override { return input.wheel; }
  bool Input_IsMouseOver() override { return mouseOver; }
  bool Input_KeyDown(int key) override { return input.WentDown(key); }
  bool Input_KeyUp(int key) override { return input.WentUp(key); }
  bool Input_GetKeyState(int key) override { return input.Held(key); }
  int Input_GetKey() override { return input.key; }
  int Input_GetChar() override { return input.chr; }

  bool Gfx_BeginScene(HTARGET target) override;
  void Gfx_EndScene() override;
  void Gfx_Clear(uint32_t color) override;
  void Gfx_RenderQuad(const hgeQuad* quad) override;

  void System_ErrorBox(const char* text) override;
  const std::vector<std::string>& System_ErrorBoxes() override { return errorBoxes; }
  int System_GetFrame() override { return frame; }
  void System_SetAfterFrame(void (*func)(int frame)) override { afterFrame = func; }
  const std::vector<hgeQuad>& Gfx_GetRecordedQuads() override { return recordedQuads; }
  int Gfx_GetDrawCalls() override { return lastDrawCalls; }

  // ---- Beyond the interface ----

  // Runs up to `frames` frames (0: no limit) of the installed callbacks; true when the loop stopped.
  bool RunFrames(int frames);
  // Queues an event whose frame counts from the next frame to run (1 = the next frame).
  void QueueEvent(InputEvent event);

 protected:
  ~EngineBase() override;

  // ---- Backend hooks ----

  // Opens the window, renderer and audio; false with `errorMessage` set.
  virtual bool PlatformInitiate() = 0;
  // Closes everything PlatformInitiate opened; may be called more than once.
  virtual void PlatformShutdown() = 0;
  // Collects the platform's events of a new frame, feeding input through Feed unless a script drives the
  // frames; true when the user asked to close the window.
  virtual bool PlatformPollEvents() = 0;
  // Waits as the frame rate asks and returns the frame's time in seconds.
  virtual float PlatformFrameTime() = 0;
  // Starts drawing into `target` (0: the screen); false when the target is unknown.
  virtual bool SceneBegin(HTARGET target) = 0;
  // Ends drawing into `target` (the screen is shown).
  virtual void SceneEnd(HTARGET target) = 0;
  // Fills the current scene with an ARGB colour.
  virtual void SceneClear(uint32_t color) = 0;
  // Draws quads that share one texture and blend mode, with one draw call.
  virtual void DrawBatch(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads) = 0;
  // Shows an error box (text in UTF-8).
  virtual void ShowErrorBox(const std::string& utf8) = 0;
  // Writes the picture of the frame just rendered as an 800 x 600 PNG.
  virtual void WriteShot(const std::string& file) = 0;
  // A state the platform mirrors (title, frame rate, cursor, window mode) was set.
  virtual void StateChanged() {}
  // The largest whole scale at which the screen fits the display (a backend without one: 2).
  virtual int PlatformMaxScale() { return 2; }
  // Gives the frames to a platform that calls back for each one (a browser page must not block); false
  // when the platform has no such loop and System_Start runs the frames itself.
  virtual bool HandOffFrames() { return false; }

  // ---- For backends ----

  // Applies one input event of the current frame (and keeps it for the recording).
  void Feed(const InputEvent& event);
  // An input script drives the frames (the window's own input is ignored).
  bool Scripted() const { return !options.inputScript.empty(); }
  // A shot of `frameNumber` was asked for.
  bool ShotWanted(int frameNumber) const;
  // Starts writing every frame's input to the file named by the options.
  void StartRecording();

  hgeRunOptions options;
  std::string errorMessage;
  bool initiated = false;
  bool mouseOver = true;
  bool fpsFromDelta = false;  // Timer_GetFPS = 1 / frame time (fixed-rate backends)

  bool windowed = false;
  bool hideMouse = true;
  bool showSplash = true;
  int screenWidth = 800;
  int screenHeight = 600;
  int screenBpp = 32;
  int frameRate = HGEFPS_UNLIMITED;
  int windowScale = 0;  // HGE_SCALE: the window's scale (0: the largest that fits)
  std::string title = "HGE";
  hgeCallback exitFunc = nullptr;
  hgeCallback restoreFunc = nullptr;
  InputState input;

 private:
  // Opens (and empties) the log file, else the one at FallbackLogPath.
  void OpenLog();
  // Applies the script's and the queued events of a frame; a frame time among them replaces *dt.
  void ApplyEventsOf(int frameNumber, float* dt);
  // Writes one frame's input and time to the recording.
  void RecordFrame(int frameNumber, float dt);
  // Hands the batch of quads to the backend as one draw call.
  void Flush();

  int refs = 1;
  hgeCallback frameFunc = nullptr;
  hgeCallback renderFunc = nullptr;
  std::string iniPath;
  std::string logPath;
  FILE* logFile = nullptr;
  bool logOpened = false;  // the log was opened (and emptied) once for the current name
  std::vector<std::string> errorBoxes;
  IniFile ini;
  EngineRandom random;
  uint32_t usedSeed = 0;

  float time = 0.0f;
  float delta = 0.0f;
  int fps = 0;
  int fpsFrames = 0;
  float fpsTime = 0.0f;

  int frame = 0;
  void (*afterFrame)(int) = nullptr;
  InputScript script;
  size_t scriptNext = 0;
  std::vector<InputEvent> queued;  // absolute frame numbers, in the order given
  std::vector<InputEvent> frameEvents;
  FILE* recordFile = nullptr;
  bool recordHeaderWritten = false;
  bool mouseRecorded = false;
  float recordedMouseX = 0.0f, recordedMouseY = 0.0f;

  bool inScene = false;
  HTARGET sceneTarget = 0;
  HTEXTURE batchTex = 0;
  int batchBlend = BLEND_DEFAULT;
  std::vector<hgeQuad> batch;
  std::vector<hgeQuad> sceneQuads;
  std::vector<hgeQuad> recordedQuads;
  int frameDrawCalls = 0;
  int lastDrawCalls = 0;
};
