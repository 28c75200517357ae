// The map's cell size in pixels, kept where the figures' movement animation can read it.
#pragma once

// Cell width and height of the loaded map (set by the map loader).
extern float mapCellW;
extern float mapCellH;
