// Test access to the headless engine: create it, feed it input, run frames, read what it did.
//
// Usage in a game-flow test:
//   hgeRunOptions options;              // backend is forced to headless; fixedDelta 0.01 by default
//   HGE* engine = HeadlessCreate(options);  // installed: every hgeCreate now hands out this engine
//   ... game set-up: System_SetState, System_Initiate, StartMenu(), ...
//   HeadlessClick(400, 300);           // mouse moves there; left button down next frame, up the frame after
//   bool stopped = HeadlessRunFrames(5);   // runs frames with the installed callbacks
//   engine->Release();                 // the last reference destroys it and uninstalls it
//
// Input given here is applied at the start of the next frame that runs, together with the events of the
// input script (hgeRunOptions::inputScript) for that frame. The functions act on the headless engine alive
// now (made by HeadlessCreate or by hgeCreate with the headless backend); without one they do nothing.
#pragma once

#include <string>
#include <vector>

#include "engine/hge.h"

// What the headless engine did with one effect handle.
struct HeadlessEffectRecord {
  HEFFECT handle = 0;
  std::string file;     // file name given to Effect_Load ("" when loaded from memory)
  bool found = false;   // the file existed (else the handle is silent)
  int plays = 0;        // Effect_Play / Effect_PlayEx calls while the handle was loaded
  int loopedPlays = 0;  // of them, plays with looping on
  int lastVolume = 0;   // volume of the last play (Effect_Play counts as 100)
  int frees = 0;        // Effect_Free calls on the handle
};

// Creates a headless engine with `options` (backend forced to headless), installs it for hgeCreate and
// returns it with one reference for the caller. Any previous installation is replaced.
HGE* HeadlessCreate(const hgeRunOptions& options = hgeRunOptions());

// The headless engine alive now, or null.
HGE* HeadlessEngine();

// Moves the mouse to (x, y) from the next frame on.
void HeadlessMouse(float x, float y);
// Key (a virtual-key code, mouse buttons 1, 2, 4 included) goes down in the next frame and stays held.
void HeadlessPress(int key);
// Key goes up in the next frame.
void HeadlessRelease(int key);
// Key goes down in the next frame and up in the frame after it.
void HeadlessTap(int key);
// Mouse moves to (x, y); the left button goes down in the next frame and up in the frame after it.
void HeadlessClick(float x, float y);
// Mouse wheel turns by `notches` in the next frame.
void HeadlessWheel(int notches);
// Queues input-script lines whose frame numbers count from the next frame (1 = the next frame);
// returns the errors of bad lines ("line N: ..."), which are skipped.
std::vector<std::string> HeadlessQueueScript(const std::string& script);

// Sets the frame time of the following frames (seconds).
void HeadlessSetDelta(float dt);
// Runs up to `frames` frames of the installed callbacks; true when the loop stopped (a frame callback
// returned true or hgeRunOptions::maxFrames was reached).
bool HeadlessRunFrames(int frames);

// Every effect handle loaded so far, in load order (freed handles included).
std::vector<HeadlessEffectRecord> HeadlessEffects();
// The record of one handle (an empty record with handle 0 when unknown).
HeadlessEffectRecord HeadlessEffect(HEFFECT handle);
