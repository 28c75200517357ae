// The 52 item pictures, cut from the items texture at start-up.
#include "engine/language.h"
#include "engine/sprite.h"
#include "game/ids.h"
#include "ui/resources.h"

namespace {

// Picture rectangle of each item type: left, top, width, height in Data/items.png.
struct PictureRect {
  float x, y, w, h;
};

constexpr float S = 80.0f;   // one-cell picture
constexpr float L = 160.0f;  // two-cell picture

const PictureRect kItemRects[ITEM_TYPE_COUNT] = {
    {560, 80, S, S},   {480, 480, L, S}, {480, 80, S, S},  {480, 320, L, S}, {320, 320, L, S},
    {160, 320, L, S},  {400, 0, S, S},   {560, 0, S, S},   {640, 0, S, S},   {720, 0, S, S},
    {800, 0, S, S},    {880, 0, S, S},   {800, 80, L, S},  {0, 0, S, S},     {80, 0, S, S},
    {160, 0, S, S},    {240, 0, S, S},   {320, 0, S, S},   {0, 80, S, S},    {0, 160, S, S},
    {80, 160, S, S},   {160, 160, S, S}, {240, 160, S, S}, {640, 320, L, S}, {800, 320, L, S},
    {800, 400, L, S},  {320, 480, L, S}, {480, 400, L, S}, {0, 320, L, S},   {640, 400, L, S},
    {320, 400, L, S},  {0, 480, L, S},   {80, 80, S, S},   {320, 160, L, S}, {480, 160, L, S},
    {480, 0, S, S},    {640, 80, L, S},  {0, 400, L, S},   {160, 480, L, S}, {800, 240, L, S},
    {160, 400, L, S},  {160, 80, S, S},  {240, 80, S, S},  {320, 80, S, S},  {400, 80, S, S},
    {640, 160, L, S},  {0, 240, L, S},   {160, 240, L, S}, {800, 160, L, S}, {320, 240, L, S},
    {480, 240, L, S},  {640, 240, L, S},
};

}  // namespace

void CreateItemPictures() {
  HGE* hge = hgeCreate(HGE_VERSION);
  itemsTexture = hge->Texture_Load(LocalisedFile("Data/items.png").c_str(), 0, false);
  hge->Release();
  itemPictures.assign(ITEM_TYPE_COUNT, nullptr);
  for (int type = 0; type < ITEM_TYPE_COUNT; ++type) {
    const PictureRect& r = kItemRects[type];
    itemPictures[type] = new hgeSprite(itemsTexture, r.x, r.y, r.w, r.h);
  }
}
