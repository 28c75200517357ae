// Reading the map file: sizes, escape cell, search spots, textures and sprites, and the five grids.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

#include "config/settings.h"
#include "engine/hge.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/ids.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// Reads white-space separated tokens; past the end every token is empty and `ended` is set.
class TokenReader {
 public:
  explicit TokenReader(std::istream& in) : in(in) {}

  // The next token, or false (and an empty token) at the end of the file.
  bool Next(std::string* token) {
    if (!ended && in >> *token) return true;
    ended = true;
    token->clear();
    return false;
  }

  // The next token as a number: its leading sign and digits, 0 when it does not start with a number.
  int32_t Int() {
    std::string token;
    Next(&token);
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) negative = token[i++] == '-';
    int64_t value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
      value = std::min<int64_t>(value * 10 + (token[i] - '0'), int64_t{1} << 32);
    }
    if (negative) value = -value;
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  }

  bool ended = false;

 private:
  std::istream& in;
};

void Report(const std::string& text) {
  if (hge != nullptr) hge->System_ErrorBox(text.c_str());
}

// True when v is a 32-bit number.
bool FitsInt32(int64_t v) {
  return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Stand height of a floor type; false for a floor type that does not exist.
bool FloorStandHeight(int floor, int16_t* height) {
  *height = floor == FLOOR_RAISED ? -22 : 0;
  return floor >= FLOOR_OPEN && floor <= FLOOR_SEARCH_SPOT;
}

}  // namespace

void Map::Load(const std::string& path) {
  const std::string kNoFile = Tr("Нет файла карты");
  const std::string kBadSize = Tr("Размер карты неверен");
  const std::string kBadFloor = Tr("Расчет высоты непроходимой стартовой ячейки");
  const std::string kBadDecoration = Tr("Декорация из несуществующего спрайта ");
  const std::string kBadHide = Tr("Скрытие несуществующего спрайта ");
  const std::string kEnded = Tr("Файл карты неожиданно закончился");

  std::ifstream in(path);
  if (!in) {
    Report(kNoFile);
    return;
  }
  FreeLoaded();
  TokenReader reader(in);

  W = reader.Int();
  H = reader.Int();
  CW = reader.Int();
  CH = reader.Int();
  // A file that ends before its sizes (an empty one too) has ended early, whatever it left behind.
  const bool sizesRead = !reader.ended;
  // Cells are 16-bit indices and pixel positions 32-bit numbers, and the view divides by the cell size:
  // an empty grid, a cell of no size, or a map too large for either leaves a map without cells.
  const bool sizesValid = sizesRead && W > 0 && H > 0 && CW > 0 && CH > 0 && int64_t{W} * H < MAP_MAX_CELLS &&
                          FitsInt32(int64_t{W} * CW) && FitsInt32(int64_t{H} * CH);
  if (!sizesValid) W = H = 0;
  cellCount = W * H;
  pixelW = W * CW;
  pixelH = H * CH;
  mapCellW = static_cast<float>(CW);
  mapCellH = static_cast<float>(CH);

  escapeX = reader.Int();
  escapeY = reader.Int();

  view.scrollMinX = -BORDER_LEFT;
  view.scrollMaxX = std::max(static_cast<float>(pixelW) - 800.0f + BORDER_RIGHT, 0.0f);
  view.scrollMinY = -BORDER_UP;
  view.scrollMaxY = std::max(static_cast<float>(pixelH) - 600.0f + BORDER_DOWN, 0.0f);
  view.bandLeft = SCROLLING_ZONE;
  view.bandRight = 800.0f - SCROLLING_ZONE;
  view.bandTop = SCROLLING_ZONE;
  view.bandBottom = 600.0f - SCROLLING_ZONE;
  pathDone.fill(false);
  searchSpotCount = 0;
  if (!sizesValid) {
    Report(sizesRead ? kBadSize : kEnded);
    return;
  }

  const int32_t spotCount = reader.Int();
  for (int32_t i = 0; i < spotCount && !reader.ended; ++i) {
    const int32_t x = reader.Int();
    const int32_t y = reader.Int();
    if (!reader.ended) searchSpots.push_back({x, y, CellIndex(x, y)});
  }
  // Members get one searchable flag per spot actually listed.
  searchSpotCount = static_cast<int>(searchSpots.size());

  const int32_t textureCount = reader.Int();
  for (int32_t t = 0; t < textureCount && !reader.ended; ++t) {
    std::string name;
    if (!reader.Next(&name)) break;
    const HTEXTURE texture = hge != nullptr ? hge->Texture_Load(name.c_str(), 0, false) : 0;
    textures.push_back(texture);
    const int32_t spriteCount = reader.Int();
    for (int32_t s = 0; s < spriteCount && !reader.ended; ++s) {
      int32_t v[6];
      for (int32_t& value : v) value = reader.Int();
      if (reader.ended) break;
      hgeSprite* sprite = new hgeSprite(texture, static_cast<float>(v[0]), static_cast<float>(v[1]),
                                        static_cast<float>(v[2]), static_cast<float>(v[3]));
      sprites.push_back({sprite, 255.0f, static_cast<float>(v[4]), static_cast<float>(v[5])});
    }
  }

  map_cell_struct blank;
  blank.zombieDistance = static_cast<int16_t>(cellCount);
  blank.paths.fill({static_cast<int16_t>(cellCount), 0});
  cells.assign(cellCount, blank);

  const auto spriteTotal = static_cast<int64_t>(sprites.size());
  for (int grid = 1; grid <= 5; ++grid) {
    std::string token;
    if (!reader.Next(&token)) break;
    if (static_cast<int64_t>(token.size()) != cellCount) {
      Report(kBadSize);
      continue;
    }
    for (int k = 0; k < cellCount; ++k) {
      const auto value = static_cast<int16_t>(static_cast<unsigned char>(token[k]) - 40);
      map_cell_struct& cell = cells[k];
      switch (grid) {
        case 1:
          cell.floor = value;
          if (!FloorStandHeight(value, &cell.standHeight)) Report(kBadFloor);
          break;
        case 2:
          cell.rightBarrier = value;
          break;
        case 3:
          cell.topBarrier = value;
          break;
        case 4:
          cell.decoration = value;
          if (value >= spriteTotal) Report(kBadDecoration + IntToText(k) + ":" + IntToText(value));
          break;
        default:
          cell.hide = value;
          if (value >= spriteTotal) Report(kBadHide + IntToText(k) + ":" + IntToText(value));
          break;
      }
    }
  }
  if (reader.ended) Report(kEnded);
}
