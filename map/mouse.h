// The mouse position of the current game frame, read by the map view and the map analysis.
#pragma once

// Cursor position in window pixels; the game frame stores it at the start of every frame.
extern float mouseX, mouseY;
