// The inventory panel of the selected member, drawn at the positions the settings give at this moment.
#include "ui/inventory_render.h"

#include "config/settings.h"
#include "engine/font.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "ui/picture_lookup.h"
#include "ui/resources.h"

namespace {

void Put(hgeSprite* sprite, float x, float y) {
  if (sprite != nullptr) sprite->Render(x, y);
}

// An item in its frame (small or big, highlighted when active) with its picture at half scale.
void PutFramed(const Item* item, bool big, bool active, float x, float y) {
  Put((big ? bigFrame : smallFrame)[active ? 1 : 0], x, y);
  if (hgeSprite* picture = ItemPicture(item->type)) picture->RenderEx(x, y, 0.0f, 0.5f);
}

// The active item at full size with its action's name and, for ammunition and firearms, its numbers.
void DrawActiveItem(const Item& item, float inv, float top) {
  const float ax = inv + INTER_INV_ACT_ITEM_X + (item.size == 1 ? INTER_INV_ITEMS_STEP : 0.0f);
  const float ay = top + INTER_INV_ACT_ITEM_Y;
  Put(ItemPicture(item.type), ax, ay);
  if (font1 == nullptr) return;
  font1->Render(inv + INTER_INV_ACT_ITEM_X + 2, ay + 2, HGETEXT_LEFT, item.ActionName().c_str());
  const float rx = inv + INTER_INV_ACT_ITEM_X + 2 * INTER_ITEM_BIG_W - 2;
  const float by = ay + 2 * INTER_ITEM_BIG_H - 15;
  if (item.kind == KIND_BAG && item.loaded > 0) {
    font1->printf(rx, by, HGETEXT_RIGHT, "%i", static_cast<int>(item.loaded));
  } else if (item.kind == KIND_FIREARM) {
    font1->printf(rx, ay + 2, HGETEXT_RIGHT, "%i", static_cast<int>(item.range));
    font1->printf(rx, by, HGETEXT_RIGHT, "%i/%i", static_cast<int>(item.loaded),
                  static_cast<int>(item.capacity));
  }
}

}  // namespace

void DrawInventory(const Person& p) {
  const float inv = INTER_INV_X;
  const float top = INTER_INV_TOP;
  Put(inventoryPanel, inv, top);

  const float cellY = top + INTER_INV_ITEMS_Y;
  auto cellX = [inv](int k) { return inv + INTER_INV_ITEMS_X + k * INTER_INV_ITEMS_STEP; };
  int c = 0;
  for (const Item* item : p.bag) {
    PutFramed(item, item->size != 1, item == p.active, cellX(c), cellY);
    c += item->size;
  }
  for (int k = c; k < p.bagCapacity; ++k) Put(smallFrame[0], cellX(k), cellY);

  struct Slot {
    const Item* item;
    bool big;
    float x, y;
  };
  const Slot slots[] = {
      {p.armour, true, INTER_INV_ARMOR_X, INTER_INV_ARMOR_Y},
      {p.backpack, true, INTER_INV_BAG_X, INTER_INV_BAG_Y},
      {p.hands, true, INTER_INV_HANDS_X, INTER_INV_HANDS_Y},
      {p.holster, false, INTER_INV_HOLSTER_X, INTER_INV_HOLSTER_Y},
      {p.keys, false, INTER_INV_KEYS_X, INTER_INV_KEYS_Y},
  };
  for (const Slot& s : slots) {
    if (s.item != nullptr) PutFramed(s.item, s.big, s.item == p.active, inv + s.x, top + s.y);
  }

  if (p.active != nullptr) DrawActiveItem(*p.active, inv, top);
  if (messageFont != nullptr) {
    messageFont->Render(inv + INTER_MESSAGE_X, top + INTER_MESSAGE_Y, HGETEXT_LEFT, message.c_str());
  }
}
