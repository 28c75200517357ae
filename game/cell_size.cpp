// The map measures the figures read.
#include "game/cell_size.h"

float mapCellW = 0.0f;
float mapCellH = 0.0f;
int searchSpotCount = 0;
