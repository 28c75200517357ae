// The head-up display sprites, cut from the items texture on the first entry to the game screen.
#include "config/settings.h"
#include "engine/sprite.h"
#include "ui/resources.h"

namespace {

hgeSprite* Cut(float x, float y, float w, float h) { return new hgeSprite(itemsTexture, x, y, w, h); }

}  // namespace

void CreateHudSprites() {
  if (inventoryPanel != nullptr) return;
  inventoryPanel = Cut(INTER_INV_TX, INTER_INV_TY, INTER_INV_W, INTER_INV_H);
  for (int k = 0; k < 2; ++k) {
    smallFrame[k] = Cut(INTER_ITEM_SMALL_TX + k * INTER_ITEM_SMALL_W, INTER_ITEM_SMALL_TY, INTER_ITEM_SMALL_W,
                        INTER_ITEM_SMALL_H);
    bigFrame[k] =
        Cut(INTER_ITEM_BIG_TX + k * INTER_ITEM_BIG_W, INTER_ITEM_BIG_TY, INTER_ITEM_BIG_W, INTER_ITEM_BIG_H);
  }
  endTurnButton = Cut(END_BUTTON_TX, END_BUTTON_TY, END_BUTTON_W, END_BUTTON_H);
  findToken = Cut(FIND_TOKEN_TX, FIND_TOKEN_TY, FIND_TOKEN_W, FIND_TOKEN_H);
  bagToken = Cut(BAG_TOKEN_TX, BAG_TOKEN_TY, BAG_TOKEN_W, BAG_TOKEN_H);
  healToken = Cut(HEAL_TOKEN_TX, HEAL_TOKEN_TY, HEAL_TOKEN_W, HEAL_TOKEN_H);
  escapeToken = Cut(ESCAPE_TOKEN_TX, ESCAPE_TOKEN_TY, ESCAPE_TOKEN_W, ESCAPE_TOKEN_H);
  for (int k = 0; k < 2; ++k) {
    turnBanner[k] = Cut(TURN_BANNER_TX + k * TURN_BANNER_W, TURN_BANNER_TY, TURN_BANNER_W, TURN_BANNER_H);
  }
}
