// SDL keys and mouse buttons as Windows virtual-key codes.
#pragma once

#include <SDL2/SDL.h>

// The virtual-key code of a keyboard key, 0 for keys the game has no code for.
int VirtualKeyOf(const SDL_Keysym& key);

// The virtual-key code of a mouse button (left 1, right 2, middle 4), 0 for others.
int VirtualButtonOf(Uint8 button);
