// Drawing the map: one painter's pass over the cells with sprites, tokens and figures, then the overlays.
#include "config/settings.h"
#include "engine/font.h"
#include "engine/sprite.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/map_tokens.h"

hgeSprite* pathTokens[4] = {};
hgeSprite* markerBottom = nullptr;
hgeSprite* markerTop[2] = {};
hgeFont* font1 = nullptr;
hgeSprite* findToken = nullptr;
hgeSprite* bagToken = nullptr;

namespace {

// Draws `sprite` at map point (x, y) if the interface has made it.
void Put(hgeSprite* sprite, float x, float y, const Map& map) {
  if (sprite != nullptr) sprite->Render(x - map.view.offsetX, y - map.view.offsetY);
}

Person* At(const std::vector<Person*>& list, int i) {
  return i >= 0 && i < static_cast<int>(list.size()) ? list[i] : nullptr;
}

}  // namespace

void Map::Draw(bool overInterface) {
  const bool playerSide = screenState == 0 || screenState == 1;
  const bool pathsShown = view.showPath && playerSide;
  const Person* selected = At(team, selectedMember);
  const bool searchTokens = playerSide && selected != nullptr && selected->alive;
  int spotsSeen = 0;

  for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
    const map_cell_struct& cell = cells[i];
    const float x = static_cast<float>(i % W) * CW;
    const float y = static_cast<float>(i / W) * CH;

    // Decoration indices that name no sprite were reported at load and are left out.
    if (cell.decoration >= 0 && cell.decoration < static_cast<int>(sprites.size())) {
      const map_sprites_struct& s = sprites[cell.decoration];
      Put(s.sprite, s.x, s.y, *this);
    }
    if (!overInterface) {
      if (pathsShown && (cell.pathMark == 1 || cell.pathMark == 2)) {
        Put(pathTokens[cell.pathMark - 1], x + PATH_TOKEN_X, y + PATH_TOKEN_Y + cell.standHeight, *this);
      }
      if (view.cursorOnMap && i == view.cursorCell) Put(markerTop[0], x, y, *this);
    }
    if (searchTokens && cell.floor == FLOOR_SEARCH_SPOT) {
      // A spot beyond the member's flags (the spot list disagrees with the grid) gets no token.
      if (spotsSeen < static_cast<int>(selected->searchable.size()) && selected->searchable[spotsSeen]) {
        Put(findToken, x + FIND_TOKEN_X, y + FIND_TOKEN_Y, *this);
      }
      ++spotsSeen;
    }
    if (!cell.items.empty()) Put(bagToken, x + BAG_TOKEN_X, y + BAG_TOKEN_Y, *this);

    Person* member = At(team, cell.memberBound);
    Person* zombie = At(zombies, cell.zombieBound);
    if (member != nullptr) {
      if (screenState != 1 && cell.memberBound == selectedMember) {
        Put(markerBottom, static_cast<float>(member->x) * CW, static_cast<float>(member->y) * CH, *this);
      }
      member->Draw(view.offsetX, view.offsetY, CW, CH);
    } else if (zombie != nullptr) {
      zombie->Draw(view.offsetX, view.offsetY, CW, CH);
    }
    if (LOGO == -1 && cell.zombieHere >= 0 && font1 != nullptr) {
      font1->printf(x - view.offsetX, y - view.offsetY, HGETEXT_LEFT, "%i",
                    static_cast<int>(cell.zombieHere));
    }
  }

  if (pathsShown) {
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
      const map_cell_struct& cell = cells[i];
      if (cell.pathMark != 1 && cell.pathMark != 2) continue;
      const float x = static_cast<float>(i % W) * CW;
      const float y = static_cast<float>(i / W) * CH;
      Put(pathTokens[cell.pathMark + 1], x + PATH_TOKEN_X, y + PATH_TOKEN_Y + cell.standHeight, *this);
    }
  }
  if (view.cursorOnMap && !overInterface) {
    Put(markerTop[1], static_cast<float>(view.cursorX) * CW, static_cast<float>(view.cursorY) * CH, *this);
  }
}
