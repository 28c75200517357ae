// The game screen's render callback: map, photos, inventory, end-turn button, turn counter, the hints
// beside the pointer, the pointer, the zombie reach and its toggle, developer overlay, help.
#include <string>

#include "config/settings.h"
#include "engine/font.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/strip.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/game_screen.h"
#include "ui/help_overlay.h"
#include "ui/hover_hint.h"
#include "ui/hud_list.h"
#include "ui/inventory_render.h"
#include "ui/picture_lookup.h"
#include "ui/reach_overlay.h"
#include "ui/resources.h"
#include "ui/smart_gui.h"

namespace {

void Put(hgeSprite* sprite, float x, float y) {
  if (sprite != nullptr) sprite->Render(x, y);
}

// One photo per member: the face with its action points (or the dead picture), the selection, the life bar.
void DrawPhotos() {
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    const Person& p = *team[i];
    const float x = INTER_PHOTO_X;
    const float y = INTER_PHOTO_Y + i * INTER_PHOTO_STEP;
    if (p.alive) {
      Put(PhotoPicture(p.photo), x, y);
      if (font1 != nullptr)
        font1->printf(x + AP_ON_PHOTO_X, y + AP_ON_PHOTO_Y, HGETEXT_RIGHT, "%i", p.actionPoints);
    } else {
      Put(PhotoPicture(PASS_PHOTO_NUM), x, y);
    }
    if (i == selectedMember) Put(selectionPicture, x, y);
    if (lifeBar != nullptr) {
      lifeBar->SetFrame(p.life);
      lifeBar->Render(x, y + PASS_PHOTO_H);
    }
  }
}

// Small or big frame (first picture) with the item's picture at half scale.
void PutItemInFrame(const Item* item, float x, float y) {
  Put((item->size == 1 ? smallFrame : bigFrame)[0], x, y);
  if (hgeSprite* picture = ItemPicture(item->type)) picture->RenderEx(x, y, 0.0f, 0.5f);
}

// What follows the mouse: the dragged item, the open pop-up list, or the heal token.
void DrawPointer(float mx, float my) {
  if (dragState == DRAG_ITEM && draggedItem != nullptr) {
    if (hgeSprite* picture = ItemPicture(draggedItem->type)) picture->RenderEx(mx + 5, my + 5, 0.0f, 0.5f);
  } else if (dragState == DRAG_POPUP && gameMap->ValidCell(popupCell)) {
    float py = static_cast<float>(popupY);
    for (const Item* item : gameMap->cells[popupCell].items) {
      PutItemInFrame(item, static_cast<float>(popupX), py);
      py += INTER_ITEM_SMALL_H;
    }
  } else if (dragState == DRAG_APPLY) {
    Put(healToken, mx + HEAL_TOKEN_X, my + HEAL_TOKEN_Y);
  }
}

// The turn counter under the end-turn button, right-aligned with it.
void DrawTurnCounter() {
  if (font1 == nullptr) return;
  const std::string text = ToCp1251("Ход ") + std::to_string(gameStats.turns);
  font1->Render(END_BUTTON_X + END_BUTTON_W - 4, END_BUTTON_Y + END_BUTTON_H + 2, HGETEXT_RIGHT,
                text.c_str());
}

void DrawDeveloperOverlay() {
  if (font1 == nullptr) return;
  const Map& map = *gameMap;
  font1->printf(5, 5, HGETEXT_LEFT, "FPS = %i", hge->Timer_GetFPS());
  font1->printf(5, 20, HGETEXT_LEFT, "ACUR = %i:%i (%i), %i", map.view.cursorX, map.view.cursorY,
                map.view.cursorCell, map.view.cursorOnMap ? 1 : 0);
  font1->printf(5, 35, HGETEXT_LEFT, "PP = %i-%i-%i-%i", map.pathDone[0] ? 1 : 0, map.pathDone[1] ? 1 : 0,
                map.pathDone[2] ? 1 : 0, map.pathDone[3] ? 1 : 0);
  if (searchRunning) font1->Render(5, 50, HGETEXT_LEFT, "PATHFINDING");
}

}  // namespace

bool GameRender() {
  hge->Gfx_BeginScene(0);
  hge->Gfx_Clear(0);
  float mx = 0.0f;
  float my = 0.0f;
  hge->Input_GetMousePos(&mx, &my);
  gameMap->Draw(PointerOnDisplay(mx, my));
  if (zombieReachShown) DrawZombieReach();
  if (screenState == PHASE_INPUT || screenState == PHASE_TEAM_ACTING) {
    DrawPhotos();
    if (selectedMember >= 0 && selectedMember < static_cast<int>(team.size()) &&
        team[selectedMember]->alive) {
      DrawInventory(*team[selectedMember]);
    }
    // The turn can be ended only while the player commands; while the team's actions play a banner says so.
    Put(screenState == PHASE_INPUT ? endTurnButton : turnBanner[0], END_BUTTON_X, END_BUTTON_Y);
    DrawTurnCounter();
    if (screenState == PHASE_INPUT) {
      DrawHelpButton();
      DrawReachToggle();
    }
    DrawHoverHint(HoverHint(mx, my));
    DrawPointer(mx, my);
  } else {
    // The zombies' half: the display gives way to the map, and the banner says whose turn it is.
    Put(turnBanner[1], END_BUTTON_X, END_BUTTON_Y);
    DrawTurnCounter();
  }
  if (helpHintShown && gameStats.turns == 1) DrawHelpHint();
  if (LOGO < 1) DrawDeveloperOverlay();
  if (helpShown) DrawHelp();
  hge->Gfx_EndScene();
  return false;
}
