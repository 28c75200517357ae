// The turn loop's hook for the map: phase 0 over the map hands the frame to the map analysis.
#include "app/play.h"

#include "map/map.h"

void AnalyzeMap(float dt) {
  gameMap->Analyze(dt);
}
