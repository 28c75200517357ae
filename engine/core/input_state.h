// Input state of one frame: 256 virtual keys, the mouse, the wheel, and the key and character of the frame.
#pragma once

#include <cstdint>

#include "engine/core/input_script.h"

class InputState {
 public:
  // Starts a frame: clears the went-down / went-up flags, the wheel, the key and the character.
  void BeginFrame();
  // Applies one event (Delta events are ignored here).
  void Apply(const InputEvent& event);

  // The key went down this frame.
  bool WentDown(int key) const { return Valid(key) && (flags[key] & kWentDown) != 0; }
  // The key went up this frame.
  bool WentUp(int key) const { return Valid(key) && (flags[key] & kWentUp) != 0; }
  // The key is held now.
  bool Held(int key) const { return Valid(key) && (flags[key] & kHeld) != 0; }

  float mouseX = 400.0f;  // cursor in logical screen pixels
  float mouseY = 300.0f;
  int wheel = 0;  // wheel notches this frame
  int key = 0;    // the last key or button that went down this frame, 0 for none
  int chr = 0;    // the character typed with it, 0 for none

 private:
  static constexpr uint8_t kWentDown = 1, kWentUp = 2, kHeld = 4;
  static bool Valid(int key) { return key > 0 && key < 256; }
  void Press(int key);
  void Lift(int key);

  uint8_t flags[256] = {};
};
