// Window sizing, logical scaling and the fullscreen keys of the SDL backend.
#include "engine/sdl/sdl_window.h"

int FittingScale(int w, int h, const SDL_Rect& area) {
  int scale = 1;
  while ((scale + 1) * w <= area.w && (scale + 1) * h <= area.h) ++scale;
  return scale;
}

SDL_Window* OpenScaledWindow(const char* title, int w, int h, int scale, bool fullscreen) {
  if (scale <= 0) {
    SDL_Rect usable;
    scale = SDL_GetDisplayUsableBounds(0, &usable) == 0 ? FittingScale(w, h, usable) : 1;
  }
  // High-DPI: the window is sized in the desktop's units and drawn with all of its pixels.
  Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_Window* window =
      SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w * scale, h * scale, flags);
  if (window != nullptr) SDL_SetWindowMinimumSize(window, w, h);
  return window;
}

void ScaleLogicalScreen(SDL_Renderer* renderer, int w, int h) {
  SDL_RenderSetLogicalSize(renderer, w, h);
  SDL_RenderSetIntegerScale(renderer, SDL_TRUE);
}

void ResizeWindow(SDL_Window* window, int w, int h, int scale) {
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP) return;
  SDL_Rect usable;
  const int display = SDL_GetWindowDisplayIndex(window);
  const int fitting =
      SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) == 0 ? FittingScale(w, h, usable) : 1;
  if (scale <= 0 || scale > fitting) scale = fitting;
  SDL_SetWindowSize(window, w * scale, h * scale);
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(display < 0 ? 0 : display),
                        SDL_WINDOWPOS_CENTERED_DISPLAY(display < 0 ? 0 : display));
}

void SetFullscreen(SDL_Window* window, bool fullscreen) {
  const bool now =
      (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (now != fullscreen) SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool WindowKeys::Take(const SDL_KeyboardEvent& key, bool* toggle) {
  const SDL_Scancode code = key.keysym.scancode;
  if (code < 0 || code >= SDL_NUM_SCANCODES) return false;
  if (key.type == SDL_KEYUP) {
    const bool mine = taken[code];
    taken[code] = false;
    return mine;
  }
  const bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
  if (code != SDL_SCANCODE_F11 && !(enter && (key.keysym.mod & KMOD_ALT) != 0)) return taken[code];
  if (!taken[code] && key.repeat == 0) *toggle = true;
  taken[code] = true;
  return true;
}
