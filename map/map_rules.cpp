// Movement rules of the board: step costs for members and zombies, step kinds, and the line of fire.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/hge.h"
#include "engine/language.h"
#include "engine/text.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// The neighbour of (x, y) in direction d; false when it is off the grid or d is no direction.
bool Neighbour(const Map& map, int x, int y, int d, int* nx, int* ny) {
  *nx = x + StepDX(d);
  *ny = y + StepDY(d);
  return d >= DIR_UP && d <= DIR_LEFT && map.Inside(x, y) && map.Inside(*nx, *ny);
}

// The barrier a step crosses: the start cell's edge going up or right, the target's going down or left.
int CrossedBarrier(const map_cell_struct& from, const map_cell_struct& to, int d) {
  switch (d) {
    case DIR_UP:
      return from.topBarrier;
    case DIR_RIGHT:
      return from.rightBarrier;
    case DIR_DOWN:
      return to.topBarrier;
    default:
      return to.rightBarrier;
  }
}

}  // namespace

int16_t Map::MemberStepCost(int member, int x, int y, int direction, bool checkZombies, bool allowSearchSpot,
                            bool checkMembers) const {
  int nx, ny;
  if (!Neighbour(*this, x, y, direction, &nx, &ny)) return -1;
  const map_cell_struct& from = cells[y * W + x];
  const map_cell_struct& to = cells[ny * W + nx];
  if (checkMembers && to.memberHere >= 0) return -1;
  if (checkZombies && to.zombieHere >= 0) return -1;
  switch (CrossedBarrier(from, to, direction)) {
    case BARRIER_NONE:
    case BARRIER_NONE_2:
      switch (to.floor) {
        case FLOOR_OPEN:
          return 1;
        case FLOOR_ROUGH:
        case FLOOR_RAISED:
          return 3;
        case FLOOR_SEARCH_SPOT:
          return allowSearchSpot ? 0 : -1;
        default:
          return -1;
      }
    case BARRIER_LOW:
    case BARRIER_LOW_2:
      return 3;
    case BARRIER_HIGH_FLAT:
    case BARRIER_HIGH:
      return HasSkill(member, SKILL_GYMNAST) ? 3 : -1;
    default:
      return -1;
  }
}

int16_t Map::ZombieStepCost(int x, int y, int direction, bool checkZombies) const {
  int nx, ny;
  if (!Neighbour(*this, x, y, direction, &nx, &ny)) return -1;
  const map_cell_struct& from = cells[y * W + x];
  const map_cell_struct& to = cells[ny * W + nx];
  if (to.memberHere >= 0) return -1;
  if (checkZombies && to.zombieHere >= 0) return -1;
  switch (CrossedBarrier(from, to, direction)) {
    case BARRIER_NONE:
    case BARRIER_NONE_2:
      if (to.floor == FLOOR_OPEN) return 1;
      return to.floor == FLOOR_ROUGH || to.floor == FLOOR_RAISED ? 2 : -1;
    case BARRIER_LOW:
    case BARRIER_LOW_2:
      return 2;
    default:
      return -1;
  }
}

step_kind_struct Map::StepKind(int member, int cell, int direction) const {
  const std::string kImpassable = Tr("Расчет высоты непроходимого барьера");
  step_kind_struct result{StepAction(direction), 0.0f, 0.0f};
  if (!ValidCell(cell)) return result;
  result.fromHeight = cells[cell].standHeight;
  // A step off the grid has nothing to climb: a plain step from the start cell's height.
  int nx, ny;
  if (!Neighbour(*this, cell % W, cell / W, direction, &nx, &ny)) return result;
  const map_cell_struct& from = cells[cell];
  const map_cell_struct& to = cells[ny * W + nx];
  result.toHeight = to.standHeight;
  const int barrier = CrossedBarrier(from, to, direction);
  int height = 0;
  if (barrier == BARRIER_LOW || barrier == BARRIER_LOW_2 ||
      (barrier == BARRIER_HIGH && HasSkill(member, SKILL_GYMNAST))) {
    height = -50;
  } else if (barrier != BARRIER_NONE && barrier != BARRIER_NONE_2 &&
             !(barrier == BARRIER_HIGH_FLAT && HasSkill(member, SKILL_GYMNAST))) {
    // Walls, unknown barriers and high ones without the skill have no height; the step is treated as flat.
    if (hge != nullptr) hge->System_ErrorBox(kImpassable.c_str());
  }
  if (height != 0 || from.standHeight != to.standHeight) result.kind = ClimbAction(direction);
  return result;
}

bool Map::LineOfFire(int x1, int y1, int x2, int y2) const {
  if (x1 == x2 && y1 == y2) return true;
  // Every step of a line that starts or ends off the grid would leave it.
  if (!Inside(x1, y1) || !Inside(x2, y2)) return false;
  const int n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  const float sx = static_cast<float>(x2 - x1) / n;
  const float sy = static_cast<float>(y2 - y1) / n;
  auto open = [this](int ax, int ay, int bx, int by) {
    return MemberStepCost(-1, ax, ay, DirectionTo(ax, ay, bx, by), false, false, true) >= 0;
  };
  int px = x1, py = y1;
  for (int k = 1; k <= n; ++k) {
    const int xk = static_cast<int>(std::ceil(x1 + k * sx - 0.5f));
    const int yk = static_cast<int>(std::ceil(y1 + k * sy - 0.5f));
    bool passable;
    if (xk == px || yk == py) {
      passable = open(px, py, xk, yk);
    } else {
      passable =
          (open(px, py, px, yk) && open(px, yk, xk, yk)) || (open(px, py, xk, py) && open(xk, py, xk, yk));
    }
    if (!passable) return false;
    px = xk;
    py = yk;
  }
  return true;
}
