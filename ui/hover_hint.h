// The text beside the pointer: the odds of attacking the zombie under it, or what the display shows there.
#pragma once

#include <string>

// What the pointer shows beside it this frame.
struct hover_hint_struct {
  std::string text;     // Windows-1251 lines; empty when nothing is shown
  bool zombie = false;  // a targetable zombie is under the pointer and the active item attacks
  float kill = 0.0f;    // chance that the attack kills the zombie (0..1)
  float push = 0.0f;    // chance that it knocks the zombie back (0..1)
  int cell = -1;        // the hovered zombie's cell; -1 when the text belongs to the pointer
  float x = 0.0f;       // the pointer in window pixels
  float y = 0.0f;
};

// The hint for the pointer at window pixel (x, y): over the display, the item or member under it (while the
// display is shown); on the map, only in the player's phase with a living member selected and nothing held,
// the odds against a zombie the member can target. Reads the game and changes nothing.
hover_hint_struct HoverHint(float x, float y);
// Draws `hint` beside its zombie's cell, right of it or, near the right edge, left of it, never over it;
// a display hint stands above and right of the pointer, kept on the screen.
void DrawHoverHint(const hover_hint_struct& hint);
