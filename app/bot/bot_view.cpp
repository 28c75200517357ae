// Screen geometry for the bot: map cells through the view, and the rectangles of the display and GUIs.
#include "app/bot/bot_view.h"

#include <algorithm>

#include "engine/gui.h"
#include "map/map.h"
#include "ui/smart_gui.h"

namespace {

// Whether an enabled display rectangle covers (x, y); read-only, unlike SmartGui::HitTest.
bool UnderHud(float x, float y) {
  if (hudGui == nullptr) return false;
  for (const SmartGuiRect* r : hudGui->Rects()) {
    if (r->enabled && r->left <= x && x <= r->right && r->top <= y && y <= r->bottom) return true;
  }
  return false;
}

}  // namespace

BotPoint PointIn(float x, float y, float w, float h, BotRandom& rng) {
  // A pixel away from the edges, so that rounding never leaves the rectangle.
  return {rng.Uniform(x + 1.0f, x + w - 1.0f), rng.Uniform(y + 1.0f, y + h - 1.0f)};
}

bool CellPoint(int cell, BotRandom& rng, BotPoint* out) {
  const Map* map = gameMap;
  if (map == nullptr || !map->ValidCell(cell) || map->W <= 0) return false;
  const float left = static_cast<float>(cell % map->W) * map->CW - map->view.offsetX;
  const float top = static_cast<float>(cell / map->W) * map->CH - map->view.offsetY;
  const BotPoint p = PointIn(left + 2.0f, top + 2.0f, map->CW - 4.0f, map->CH - 4.0f, rng);
  // Inside the screen, off the scrolling bands and off the display.
  const bool onScreen =
      p.x >= std::max(0.0f, map->view.bandLeft) && p.x <= std::min(799.0f, map->view.bandRight) &&
      p.y >= std::max(0.0f, map->view.bandTop) && p.y <= std::min(599.0f, map->view.bandBottom);
  if (!onScreen || UnderHud(p.x, p.y)) return false;
  *out = p;
  return true;
}

bool HudPoint(int id, BotRandom& rng, BotPoint* out) {
  if (hudGui == nullptr) return false;
  for (const SmartGuiRect* r : hudGui->Rects()) {
    if (r->id != id || !r->enabled) continue;
    *out = PointIn(r->left, r->top, r->right - r->left, r->bottom - r->top, rng);
    return true;
  }
  return false;
}

bool GuiPoint(const hgeGUI* gui, int id, BotRandom& rng, BotPoint* out) {
  const hgeGUIObject* control = gui != nullptr ? gui->GetCtrl(id) : nullptr;
  if (control == nullptr || !control->bVisible || !control->bEnabled) return false;
  *out = PointIn(control->x1, control->y1, control->x2 - control->x1, control->y2 - control->y1, rng);
  return true;
}
