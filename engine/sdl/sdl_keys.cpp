// Mapping of SDL keys and buttons to Windows virtual-key codes.
#include "engine/sdl/sdl_keys.h"

#include "engine/hge.h"

int VirtualKeyOf(const SDL_Keysym& key) {
  // Letters and digits follow the layout where it has Latin ones, else the key's position.
  if (key.sym >= SDLK_a && key.sym <= SDLK_z) return 'A' + (key.sym - SDLK_a);
  if (key.sym >= SDLK_0 && key.sym <= SDLK_9) return '0' + (key.sym - SDLK_0);
  const SDL_Scancode code = key.scancode;
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) return HGEK_F1 + (code - SDL_SCANCODE_F1);
  if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9) return 0x61 + (code - SDL_SCANCODE_KP_1);
  switch (code) {
    case SDL_SCANCODE_0:
      return '0';
    case SDL_SCANCODE_KP_0:
      return 0x60;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
      return HGEK_ENTER;
    case SDL_SCANCODE_ESCAPE:
      return HGEK_ESCAPE;
    case SDL_SCANCODE_SPACE:
      return HGEK_SPACE;
    case SDL_SCANCODE_BACKSPACE:
      return HGEK_BACKSPACE;
    case SDL_SCANCODE_TAB:
      return HGEK_TAB;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
      return HGEK_SHIFT;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
      return HGEK_CTRL;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
      return HGEK_ALT;
    case SDL_SCANCODE_LEFT:
      return HGEK_LEFT;
    case SDL_SCANCODE_UP:
      return HGEK_UP;
    case SDL_SCANCODE_RIGHT:
      return HGEK_RIGHT;
    case SDL_SCANCODE_DOWN:
      return HGEK_DOWN;
    case SDL_SCANCODE_PAGEUP:
      return 0x21;
    case SDL_SCANCODE_PAGEDOWN:
      return 0x22;
    case SDL_SCANCODE_END:
      return 0x23;
    case SDL_SCANCODE_HOME:
      return 0x24;
    case SDL_SCANCODE_INSERT:
      return 0x2D;
    case SDL_SCANCODE_DELETE:
      return 0x2E;
    default:
      return 0;
  }
}

int VirtualButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return HGEK_LBUTTON;
    case SDL_BUTTON_RIGHT:
      return HGEK_RBUTTON;
    case SDL_BUTTON_MIDDLE:
      return HGEK_MBUTTON;
    default:
      return 0;
  }
}
