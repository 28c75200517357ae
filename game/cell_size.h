// The map's cell size and search-spot count, kept where the figures can read them without the map.
#pragma once

// Cell width and height of the loaded map (set by the map loader).
extern float mapCellW;
extern float mapCellH;
// Number of search spots of the loaded map (set by the map loader); sizes every member's searchable flags.
extern int searchSpotCount;
