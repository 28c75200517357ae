// The zombie reach overlay: translucent cells over the map and the display's toggle.
#include "ui/reach_overlay.h"

#include "engine/hge.h"
#include "engine/sprite.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/help_overlay.h"
#include "ui/resources.h"

namespace {

// The toggle's swatch while the overlay is hidden and while it is shown.
constexpr uint32_t kSwatchOff = 0x40D02010u;
constexpr uint32_t kSwatchOn = 0xE0E03018u;
// Pixels between the toggle's rim and its swatch, and between the "?" and the toggle.
constexpr float kSwatchInset = 5.0f;
constexpr float kGap = 4.0f;

// A plain rectangle, tinted before each use, made once and kept to the end of the run.
hgeSprite* Plain() {
  static hgeSprite* const plain = new hgeSprite(0, 0.0f, 0.0f, 1.0f, 1.0f);
  return plain;
}

}  // namespace

float ReachToggleX() {
  return HelpButtonX() + HELP_BUTTON_SIZE + kGap;
}

float ReachToggleY() {
  return HelpButtonY();
}

void DrawZombieReach() {
  if (gameMap == nullptr) return;
  const Map& map = *gameMap;
  hgeSprite* mark = Plain();
  mark->SetColor(REACH_COLOUR);
  for (int cell : zombieReachCells) {
    if (!map.ValidCell(cell)) continue;
    // Raised cells lift what stands on them; the mark lies on their top as the path tokens do.
    const float x = static_cast<float>(cell % map.W * map.CW) - map.view.offsetX;
    const float y =
        static_cast<float>(cell / map.W * map.CH + map.cells[cell].standHeight) - map.view.offsetY;
    mark->RenderStretch(x + 1.0f, y + 1.0f, x + map.CW - 1.0f, y + map.CH - 1.0f);
  }
}

void DrawReachToggle() {
  const float x = ReachToggleX(), y = ReachToggleY();
  if (smallFrame[0] != nullptr)
    smallFrame[0]->RenderStretch(x, y, x + HELP_BUTTON_SIZE, y + HELP_BUTTON_SIZE);
  hgeSprite* swatch = Plain();
  swatch->SetColor(zombieReachShown ? kSwatchOn : kSwatchOff);
  swatch->RenderStretch(x + kSwatchInset, y + kSwatchInset, x + HELP_BUTTON_SIZE - kSwatchInset,
                        y + HELP_BUTTON_SIZE - kSwatchInset);
}
