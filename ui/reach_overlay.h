// The zombie reach overlay over the map and its toggle on the display, beside the help's "?".
#pragma once

// The key that shows and hides the overlay: Tab.
constexpr int REACH_KEY = 0x09;
// The colour of the overlay's mark over a cell.
constexpr unsigned REACH_COLOUR = 0x70D02010u;

// The toggle's left and top edges: right of the "?", the same size.
float ReachToggleX();
float ReachToggleY();
// Draws a translucent mark over every cell of zombieReachCells, where the map shows it.
void DrawZombieReach();
// Draws the toggle: the bag's empty cell with a swatch of the overlay's colour, bright while it is shown.
void DrawReachToggle();
