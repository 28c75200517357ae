// Facings between cells and the turns that face a figure towards a cell.
#include <cstdlib>

#include "game/ids.h"
#include "game/person.h"

int DirectionTo(int x1, int y1, int x2, int y2) {
  const int dx = x1 - x2;
  const int dy = y1 - y2;
  if (std::abs(dx) + std::abs(dy) == 1) {
    if (dx > 0) return DIR_LEFT;
    if (dx < 0) return DIR_RIGHT;
    return dy > 0 ? DIR_UP : DIR_DOWN;
  }
  if (std::abs(dx) <= std::abs(dy)) return dy >= 0 ? DIR_UP : DIR_DOWN;
  return dx >= 0 ? DIR_LEFT : DIR_RIGHT;
}

int Person::TurnTowards(int tx, int ty, float p1) {
  const int turns = TurnsBetween(direction, DirectionTo(x, y, tx, ty));
  const int type = turns < 0 ? PA_TURN_LEFT : PA_TURN_RIGHT;
  for (int i = 0; i < std::abs(turns); ++i) AddAction(type, p1, 0.0f, true);
  return std::abs(turns);
}
