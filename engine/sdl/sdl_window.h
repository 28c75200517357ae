// The window of the SDL backend: its starting scale, whole-number scaling with bars, and fullscreen keys.
#pragma once

#include <SDL2/SDL.h>

#include <bitset>

// The largest whole scale (at least 1) at which a w x h screen fits into `area`.
int FittingScale(int w, int h, const SDL_Rect& area);

// Opens a resizable window for a w x h screen, `scale` times its size (0: the largest scale that fits the
// first display's usable area), on the whole desktop when `fullscreen`; null on failure.
SDL_Window* OpenScaledWindow(const char* title, int w, int h, int scale, bool fullscreen);

// Has the renderer draw a w x h logical screen at the largest whole scale the window holds, centred
// between bars; mouse events then arrive in logical coordinates.
void ScaleLogicalScreen(SDL_Renderer* renderer, int w, int h);

// Sizes a window (not on the whole desktop) to `scale` times a w x h screen (0: the largest that fits its
// display's usable area).
void ResizeWindow(SDL_Window* window, int w, int h, int scale);

// Puts the window on the whole desktop or back into its window.
void SetFullscreen(SDL_Window* window, bool fullscreen);

// Picks out the keys the window handles itself (F11 and Alt+Enter) so that the game never sees them.
class WindowKeys {
 public:
  // True when the event belongs to the window: a toggle key going down (then *toggle is set unless it
  // is a repeat) or going up after such a press.
  bool Take(const SDL_KeyboardEvent& key, bool* toggle);

 private:
  std::bitset<SDL_NUM_SCANCODES> taken;  // keys pressed as a toggle and not released yet
};
