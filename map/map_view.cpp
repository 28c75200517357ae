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

void Map::UpdateView(float dt) {
  if (autoScroll) {
    scrollX += glideVX * dt;
    scrollY += glideVY * dt;
    const bool arrived = (glideVX > 0.0f && glideX <= scrollX) || (glideVX < 0.0f && glideX >= scrollX) ||
                         (glideVY > 0.0f && glideY <= scrollY) || (glideVY < 0.0f && glideY >= scrollY);
    if (arrived) {
      autoScroll = false;
      scrollX = glideX;
      scrollY = glideY;
    }
  }

  const float step = SCROLLING_SPEED * dt;
  bool applied = false;
  if ((mouseX < bandLeft || Held(HGEK_A) || Held(HGEK_LEFT)) && scrollMinX < scrollX) {
    scrollX = std::max(scrollX - step, scrollMinX);
    applied = true;
  }
  if ((mouseX > bandRight || Held(HGEK_D) || Held(HGEK_RIGHT)) && scrollMaxX > scrollX) {
    scrollX = std::min(scrollX + step, scrollMaxX);
    applied = true;
  }
  if ((mouseY < bandTop || Held(HGEK_W) || Held(HGEK_UP)) && scrollMinY < scrollY) {
    scrollY = std::max(scrollY - step, scrollMinY);
    applied = true;
  }
  if ((mouseY > bandBottom || Held(HGEK_S) || Held(HGEK_DOWN)) && scrollMaxY > scrollY) {
    scrollY = std::min(scrollY + step, scrollMaxY);
    applied = true;
  }
  if (applied) autoScroll = false;
  scrolled = applied;

  viewX = std::floor(scrollX);
  viewY = std::floor(scrollY);

  const double mapX = static_cast<double>(mouseX) + viewX;
  const double mapY = static_cast<double>(mouseY) + viewY;
  cursorOnMap = mapX >= 0.0 && mapX < pixelW && mapY >= 0.0 && mapY < pixelH;
  // A map without a cell size has no cells to point at.
  if (CW == 0 || CH == 0) {
    cursorX = cursorY = cursorCell = -1;
    return;
  }
  cursorX = Clamp32(Trunc(mapX) / CW);
  cursorY = Clamp32(Trunc(mapY) / CH);
  cursorCell = Clamp32(int64_t{cursorY} * W + cursorX);
}

void Map::GlideTo(float x, float y) {
  autoScroll = true;
  glideX = x;
  glideY = y;
  const float dx = x - scrollX;
  const float dy = y - scrollY;
  const float d = std::max(std::fabs(dx), std::fabs(dy));
  if (d > 0.0f) {
    glideVX = SCROLLING_SPEED * dx / d;
    glideVY = SCROLLING_SPEED * dy / d;
  } else {
    autoScroll = false;
  }
}

void Map::CenterOnMember() {
  if (selectedMember < 0 || selectedMember >= static_cast<int>(team.size())) return;
  const Person* s = team[selectedMember];
  const float x = std::max(std::min(static_cast<float>(s->x) * CW - 400.0f, scrollMaxX), scrollMinX);
  const float y = std::max(std::min(static_cast<float>(s->y) * CH - 300.0f, scrollMaxY), scrollMinY);
  GlideTo(x, y);
}
