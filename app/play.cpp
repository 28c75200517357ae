// The play commands in their first form: enough to keep the turn loop complete and playable.
#include "app/play.h"

#include "map/map.h"

void AnalyzeMap(float dt) {
  gameMap->Analyze(dt);
}

