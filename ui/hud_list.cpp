// Building the head-up display's rectangles, their enabling rule, and the pop-up list.
#include "ui/hud_list.h"

#include <algorithm>

#include "config/settings.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/help_overlay.h"
#include "ui/reach_overlay.h"
#include "ui/smart_gui.h"

SmartGui* popupGui = nullptr;
int popupX = 0;
int popupY = 0;
int popupCell = -1;

void BuildHudList() {
  delete hudGui;
  hudGui = new SmartGui();
  const float top = INTER_INV_TOP;
  const float inv = INTER_INV_X;
  for (int i = 0; i < 4; ++i) {
    hudGui->Add(HUD_PHOTO_FIRST + i, INTER_PHOTO_X, INTER_PHOTO_Y + i * INTER_PHOTO_STEP, PASS_PHOTO_W,
                PASS_PHOTO_H + LIFEBAR_H, true);
  }
  for (int i = 0; i < 8; ++i) {
    hudGui->Add(HUD_BAG_FIRST + i, inv + INTER_INV_ITEMS_X + i * INTER_INV_ITEMS_STEP,
                top + INTER_INV_ITEMS_Y, INTER_ITEM_SMALL_W, INTER_ITEM_SMALL_H, true);
  }
  hudGui->Add(HUD_ACTIVE_ITEM, inv + INTER_INV_ACT_ITEM_X, top + INTER_INV_ACT_ITEM_Y, 2 * INTER_ITEM_BIG_W,
              2 * INTER_ITEM_BIG_H, true);
  hudGui->Add(HUD_ARMOUR, inv + INTER_INV_ARMOR_X, top + INTER_INV_ARMOR_Y, INTER_ITEM_BIG_W,
              INTER_ITEM_BIG_H, true);
  hudGui->Add(HUD_BACKPACK, inv + INTER_INV_BAG_X, top + INTER_INV_BAG_Y, INTER_ITEM_BIG_W, INTER_ITEM_BIG_H,
              true);
  hudGui->Add(HUD_HANDS, inv + INTER_INV_HANDS_X, top + INTER_INV_HANDS_Y, INTER_ITEM_BIG_W, INTER_ITEM_BIG_H,
              true);
  hudGui->Add(HUD_HOLSTER, inv + INTER_INV_HOLSTER_X, top + INTER_INV_HOLSTER_Y, INTER_ITEM_SMALL_W,
              INTER_ITEM_SMALL_H, true);
  hudGui->Add(HUD_KEYS, inv + INTER_INV_KEYS_X, top + INTER_INV_KEYS_Y, INTER_ITEM_SMALL_W,
              INTER_ITEM_SMALL_H, true);
  hudGui->Add(HUD_PANEL, inv, top, INTER_INV_W, INTER_INV_H, true);
  hudGui->Add(HUD_END_TURN, END_BUTTON_X, END_BUTTON_Y, END_BUTTON_W, END_BUTTON_H, true);
  hudGui->Add(HUD_HELP, HelpButtonX(), HelpButtonY(), HELP_BUTTON_SIZE, HELP_BUTTON_SIZE, true);
  hudGui->Add(HUD_REACH, ReachToggleX(), ReachToggleY(), HELP_BUTTON_SIZE, HELP_BUTTON_SIZE, true);
}

void ApplyHudEnabling() {
  if (hudGui == nullptr) return;
  const int size = static_cast<int>(team.size());
  for (int i = 0; i < 4; ++i) {
    if (i < size && team[i]->alive) {
      hudGui->Enable(HUD_PHOTO_FIRST + i);
    } else {
      hudGui->Disable(HUD_PHOTO_FIRST + i);
    }
  }
  const bool inventory = selectedMember >= 0 && selectedMember < size && team[selectedMember]->alive;
  for (int id = HUD_PANEL; id <= HUD_ACTIVE_ITEM; ++id) {
    if (inventory) {
      hudGui->Enable(id);
    } else {
      hudGui->Disable(id);
    }
  }
}

void BuildPopupList(int cell, float mx, float my) {
  delete popupGui;
  popupGui = new SmartGui();
  popupCell = cell;
  static const std::vector<Item*> none;
  const std::vector<Item*>& items = gameMap->ValidCell(cell) ? gameMap->cells[cell].items : none;
  const int n = static_cast<int>(items.size());
  float widest = 0.0f;
  for (const Item* item : items) widest = std::max(widest, item->size * INTER_ITEM_SMALL_W);
  // The map's part of the screen: the map itself, on the screen, above the panel.
  const map_view_struct& view = gameMap->view;
  const float left = std::max(0.0f, -view.offsetX);
  const float top = std::max(0.0f, -view.offsetY);
  const float right = std::min(800.0f, static_cast<float>(gameMap->pixelW) - view.offsetX);
  const float bottom =
      std::min({600.0f, 600.0f - INTER_INV_H, static_cast<float>(gameMap->pixelH) - view.offsetY});
  const float x = std::max(left, std::min(mx + 2, right - widest));
  const float y = std::max(top, std::min(my + 2, bottom - n * INTER_ITEM_SMALL_H));
  for (int i = 0; i < n; ++i) {
    popupGui->Add(i, x, y + i * INTER_ITEM_SMALL_H, items[i]->size * INTER_ITEM_SMALL_W, INTER_ITEM_SMALL_H,
                  true);
  }
  popupGui->Add(-1, 0, 0, 800, 600, true);
  popupX = static_cast<int>(x);
  popupY = static_cast<int>(y);
}

bool OverDeadPhoto(float x, float y) {
  if (hudGui == nullptr) return false;
  for (const SmartGuiRect* r : hudGui->Rects()) {
    const int member = r->id - HUD_PHOTO_FIRST;
    if (member < 0 || member >= 4 || member >= static_cast<int>(team.size()) || team[member]->alive) continue;
    if (x >= r->left && x <= r->right && y >= r->top && y <= r->bottom) return true;
  }
  return false;
}

bool PointerOnDisplay(float x, float y) {
  return hudGui != nullptr && (hudGui->WasHit() || OverDeadPhoto(x, y));
}
