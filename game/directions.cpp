// Facings between cells and the turns that face a figure towards a cell.
#include <cstdlib>

#include "game/person.h"

int DirectionTo(int x1, int y1, int x2, int y2) {
  const int dx = x1 - x2;
  const int dy = y1 - y2;
  if (std::abs(dx) + std::abs(dy) == 1) {
    if (dx > 0) return 4;
    if (dx < 0) return 2;
    return dy > 0 ? 1 : 3;
  }
  if (std::abs(dx) <= std::abs(dy)) return dy >= 0 ? 1 : 3;
  return dx >= 0 ? 4 : 2;
}

int Person::TurnTowards(int tx, int ty, float p1) {
  const int t = direction - DirectionTo(x, y, tx, ty) + 3;
  int turns = 0;
  int type = 0;
  if (t == 0 || t == 4) {
    turns = 1;
    type = 13;
  } else if (t == 1 || t == 5) {
    turns = 2;
    type = 14;
  } else if (t == 2 || t == 6) {
    turns = 1;
    type = 14;
  }
  for (int i = 0; i < turns; ++i) AddAction(type, p1, 0.0f, true);
  return turns;
}
