// Drawing the map: one painter's pass over the cells with sprites, tokens and figures, then the overlays.
#include <algorithm>
#include <vector>

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
hgeSprite* escapeToken = nullptr;

namespace {

// Draws `sprite` at map point (x, y) if the interface has made it.
void Put(hgeSprite* sprite, float x, float y, const Map& map) {
  if (sprite != nullptr) sprite->Render(x - map.view.offsetX, y - map.view.offsetY);
}

Person* At(const std::vector<Person*>& list, int i) {
  return i >= 0 && i < static_cast<int>(list.size()) ? list[i] : nullptr;
}

// A figure with its place in the painter's pass: its drawing cell, then the fallen (0) under the zombies (1)
// under the living members (2), then its index in its list.
struct Figure {
  int cell, layer, index;
  Person* person;
  bool operator<(const Figure& o) const {
    return cell != o.cell ? cell < o.cell : layer != o.layer ? layer < o.layer : index < o.index;
  }
};

// Every figure of the game in drawing order. Figures are found by their own drawing cell, so two that share
// one for a moment (one stepping in behind the other, a zombie on a body) are all drawn.
std::vector<Figure> FiguresInDrawingOrder() {
  std::vector<Figure> out;
  out.reserve(team.size() + zombies.size());
  for (int i = 0; i < static_cast<int>(team.size()); ++i)
    out.push_back({team[i]->secondCell, team[i]->alive ? 2 : 0, i, team[i]});
  for (int j = 0; j < static_cast<int>(zombies.size()); ++j)
    out.push_back({zombies[j]->secondCell, 1, j, zombies[j]});
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

void Map::Draw(bool overInterface) {
  const bool playerSide = screenState == 0 || screenState == 1;
  const bool pathsShown = view.showPath && playerSide;
  const Person* selected = At(team, selectedMember);
  const bool searchTokens = playerSide && selected != nullptr && selected->alive;
  int spotsSeen = 0;
  const int escapeCell = EscapeCell();
  const std::vector<Figure> figures = FiguresInDrawingOrder();
  auto next = figures.begin();

  for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
    const map_cell_struct& cell = cells[i];
    const float x = static_cast<float>(i % W) * CW;
    const float y = static_cast<float>(i / W) * CH;

    // Decoration indices that name no sprite were reported at load and are left out.
    if (cell.decoration >= 0 && cell.decoration < static_cast<int>(sprites.size())) {
      const map_sprites_struct& s = sprites[cell.decoration];
      Put(s.sprite, s.x, s.y, *this);
    }
    if (i == escapeCell) Put(escapeToken, x + ESCAPE_TOKEN_X, y + ESCAPE_TOKEN_Y, *this);
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

    for (; next != figures.end() && next->cell <= i; ++next) {
      if (next->cell < i) continue;  // a drawing cell off the grid
      Person* p = next->person;
      if (next->layer == 2 && screenState != 1 && next->index == selectedMember) {
        Put(markerBottom, static_cast<float>(p->x) * CW, static_cast<float>(p->y) * CH, *this);
      }
      p->Draw(view.offsetX, view.offsetY, CW, CH);
    }
    // Over the figures, so that a member standing on the items does not hide them.
    if (!cell.items.empty()) Put(bagToken, x + BAG_TOKEN_X, y + BAG_TOKEN_Y, *this);
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
