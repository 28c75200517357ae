// The largest map the format allows, built from the shipped map's ground for the benchmarks.
#pragma once

#include "map/map.h"

// The largest grid's side: 181 x 181 = 32761 cells, just below the format's 32768.
constexpr int LARGE_MAP_SIDE = 181;

// The large map, whose floor and barriers repeat the game map's, without sprites; loaded once from a
// temporary file on first use (the game map must be loaded).
Map& LargeMap();
