// Test access to the headless engine: create it, feed it input, run its frames.
//
// Usage in a game-flow test:
//   hgeRunOptions options;              // backend is forced to headless; fixedDelta 0.01 by default
//   HGE* engine = HeadlessCreate(options);  // installed: every hgeCreate now hands out this engine
//   ... game set-up: System_SetState, System_Initiate, StartMenu(), ...
//   HeadlessMouse(400, 300);           // the mouse moves there in the next frame
//   HeadlessPress(HGEK_LBUTTON);       // the left button goes down in the next frame and stays held
//   bool stopped = HeadlessRunFrames(5);   // runs frames with the installed callbacks
//   engine->Release();                 // the last reference destroys it and uninstalls it
//
// Input given here is applied at the start of the next frame that runs, together with the events of the
// input script (hgeRunOptions::inputScript) for that frame. The functions act on the headless engine alive
// now (made by HeadlessCreate or by hgeCreate with the headless backend); without one they do nothing.
#pragma once

#include <vector>

#include "engine/hge.h"

// One effect the headless engine was asked to play: its handle, volume, loop flag and channel.
struct HeadlessSound {
  HEFFECT effect;
  int volume;
  bool loop;
  HCHANNEL channel;
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
// Runs up to `frames` frames of the installed callbacks; true when the loop stopped (a frame callback
// returned true or hgeRunOptions::maxFrames was reached).
bool HeadlessRunFrames(int frames);
// Every effect played so far, in order (empty without a headless engine).
std::vector<HeadlessSound> HeadlessPlayedSounds();
// The volume a channel plays at now (its starting volume or the last Channel_SetVolume); -1 when unknown.
int HeadlessChannelVolume(HCHANNEL channel);
