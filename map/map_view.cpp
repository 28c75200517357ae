// The map view: the auto-scroll glide, manual scrolling by mouse bands and keys, and the cursor cell.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "config/settings.h"
#include "engine/hge.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"

namespace {

bool Held(int key) {
  return hge != nullptr && hge->Input_GetKeyState(key);
}

// Truncates toward zero, saturating at the 32-bit range.
int64_t Trunc(double v) {
  return static_cast<int64_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

void Map::UpdateView(float dt, bool edgeScrolling) {
  if (view.autoScroll) {
    view.scrollX += view.glideVX * dt;
    view.scrollY += view.glideVY * dt;
    const bool arrived = (view.glideVX > 0.0f && view.glideX <= view.scrollX) ||
                         (view.glideVX < 0.0f && view.glideX >= view.scrollX) ||
                         (view.glideVY > 0.0f && view.glideY <= view.scrollY) ||
                         (view.glideVY < 0.0f && view.glideY >= view.scrollY);
    if (arrived) {
      view.autoScroll = false;
      view.scrollX = view.glideX;
      view.scrollY = view.glideY;
    }
  }

  const float step = SCROLLING_SPEED * dt;
  const bool e = edgeScrolling;
  bool applied = false;
  if (((e && mouseX < view.bandLeft) || Held(HGEK_A) || Held(HGEK_LEFT)) && view.scrollMinX < view.scrollX) {
    view.scrollX = std::max(view.scrollX - step, view.scrollMinX);
    applied = true;
  }
  if (((e && mouseX > view.bandRight) || Held(HGEK_D) || Held(HGEK_RIGHT)) &&
      view.scrollMaxX > view.scrollX) {
    view.scrollX = std::min(view.scrollX + step, view.scrollMaxX);
    applied = true;
  }
  if (((e && mouseY < view.bandTop) || Held(HGEK_W) || Held(HGEK_UP)) && view.scrollMinY < view.scrollY) {
    view.scrollY = std::max(view.scrollY - step, view.scrollMinY);
    applied = true;
  }
  if (((e && mouseY > view.bandBottom) || Held(HGEK_S) || Held(HGEK_DOWN)) &&
      view.scrollMaxY > view.scrollY) {
    view.scrollY = std::min(view.scrollY + step, view.scrollMaxY);
    applied = true;
  }
  if (applied) view.autoScroll = false;
  view.scrolled = applied;

  view.offsetX = std::floor(view.scrollX);
  view.offsetY = std::floor(view.scrollY);

  const double mapX = static_cast<double>(mouseX) + view.offsetX;
  const double mapY = static_cast<double>(mouseY) + view.offsetY;
  view.cursorOnMap = mapX >= 0.0 && mapX < pixelW && mapY >= 0.0 && mapY < pixelH;
  // A map without a cell size has no cells to point at.
  if (CW == 0 || CH == 0) {
    view.cursorX = view.cursorY = view.cursorCell = -1;
    return;
  }
  view.cursorX = Clamp32(Trunc(mapX) / CW);
  view.cursorY = Clamp32(Trunc(mapY) / CH);
  view.cursorCell = Clamp32(int64_t{view.cursorY} * W + view.cursorX);
}

void Map::GlideTo(float x, float y) {
  view.autoScroll = true;
  view.glideX = x;
  view.glideY = y;
  const float dx = x - view.scrollX;
  const float dy = y - view.scrollY;
  const float d = std::max(std::fabs(dx), std::fabs(dy));
  if (d > 0.0f) {
    view.glideVX = SCROLLING_SPEED * dx / d;
    view.glideVY = SCROLLING_SPEED * dy / d;
  } else {
    view.autoScroll = false;
  }
}

void Map::CenterOnMember() {
  if (selectedMember < 0 || selectedMember >= static_cast<int>(team.size())) return;
  const Person* s = team[selectedMember];
  const float x =
      std::max(std::min(static_cast<float>(s->x) * CW - 400.0f, view.scrollMaxX), view.scrollMinX);
  const float y =
      std::max(std::min(static_cast<float>(s->y) * CH - 300.0f, view.scrollMaxY), view.scrollMinY);
  GlideTo(x, y);
}
