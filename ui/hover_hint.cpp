// The text beside the pointer: which zombie or display part is hovered, the text, and where it stands.
#include "ui/hover_hint.h"

#include <algorithm>

#include "engine/font.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "game/action_rules.h"
#include "game/attack_odds.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/map_tokens.h"
#include "ui/display_hint.h"
#include "ui/help_overlay.h"
#include "ui/hud_list.h"

namespace {

// Pixels between the hovered cell and the text; a figure overhangs its cell by less than this.
constexpr float kGap = 14.0f;
// Pixels the dark backdrop reaches past the text on each side.
constexpr float kMargin = 3.0f;

// The text over a translucent dark backdrop, so that it reads over the map's art and the display's.
void Write(float x, float y, float width, float height, const std::string& text) {
  static hgeSprite* const backdrop = [] {
    auto* sprite = new hgeSprite(0, 0.0f, 0.0f, 1.0f, 1.0f);  // lives to the end of the run
    sprite->SetColor(0xC0000000u);
    return sprite;
  }();
  backdrop->RenderStretch(x - kMargin, y - kMargin, x + width + kMargin, y + height + kMargin);
  font1->Render(x, y, HGETEXT_LEFT, text.c_str());
}

}  // namespace

hover_hint_struct HoverHint(float x, float y) {
  hover_hint_struct hint;
  hint.x = x;
  hint.y = y;
  if (helpShown) return hint;  // the help covers everything
  hint.text = DisplayHint(x, y);
  if (!hint.text.empty()) return hint;
  if (screenState != PHASE_INPUT || dragState != DRAG_NONE || gameMap == nullptr) return hint;
  const Map& map = *gameMap;
  const map_view_struct& view = map.view;
  if (!view.cursorOnMap || PointerOnDisplay(x, y)) return hint;
  if (view.cursorX < 0 || view.cursorX >= map.W || view.cursorY < 0 || view.cursorY >= map.H) return hint;
  const int cell = view.cursorY * map.W + view.cursorX;
  const int zombie = map.ZombieAt(cell);
  if (zombie < 0 || zombie >= static_cast<int>(zombies.size()) || !zombies[zombie]->targetable) return hint;
  const Person* user = ActingMember();
  if (user == nullptr) return hint;
  attack_odds_struct odds;
  if (!AttackOdds(selectedMember, user->active, &odds)) return hint;
  hint.text = AttackHint(*user->active, odds);
  hint.zombie = true;
  hint.kill = odds.kill;
  hint.push = odds.push;
  hint.cell = cell;
  return hint;
}

void DrawHoverHint(const hover_hint_struct& hint) {
  if (hint.text.empty() || font1 == nullptr || gameMap == nullptr) return;
  const float width = font1->GetStringWidth(hint.text.c_str());
  const int lines = 1 + static_cast<int>(std::count(hint.text.begin(), hint.text.end(), '\n'));
  const float height = static_cast<float>(lines) * font1->GetHeight();
  const float screenW = static_cast<float>(hge->System_GetState(HGE_SCREENWIDTH));
  if (hint.cell < 0) {
    const float x = std::clamp(hint.x + kGap, kMargin, std::max(kMargin, screenW - width - kMargin));
    Write(x, std::max(kMargin, hint.y - height - kGap), width, height, hint.text);
    return;
  }
  const Map& map = *gameMap;
  const float left = static_cast<float>(hint.cell % map.W * map.CW) - map.view.offsetX;
  const float top = static_cast<float>(hint.cell / map.W * map.CH) - map.view.offsetY;
  float x = left + static_cast<float>(map.CW) + kGap;
  if (x + width > screenW) x = left - kGap - width;
  const float y = std::max(kMargin, top + static_cast<float>(map.CH) - height);
  Write(x, y, width, height, hint.text);
}
