// Loading the map file: the grids, textures and sprites, every failure message, and broken files.
#include <gtest/gtest.h>

#include "engine/sprite.h"
#include "map_fixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(MapTest, GridCharactersGiveCellValuesRowByRow) {
  // Floors 0, 0, 0, 4 with rough ground of type 2 nowhere; barriers and sprites are plain numbers too.
  Map& m = Load(MapFile(2, 2, "(((,", ")(*(", "(+((", "''''", "''''"));
  EXPECT_TRUE(Boxes().empty());
  ASSERT_EQ(m.cells.size(), 4u);
  EXPECT_EQ(m.cellCount, 4);
  EXPECT_EQ(m.cells[0].floor, 0);
  EXPECT_EQ(m.cells[2].floor, 0);
  EXPECT_EQ(m.cells[3].floor, 4);
  EXPECT_EQ(m.CellIndex(1, 1), 3);
  EXPECT_EQ(m.cells[0].rightBarrier, 1);
  EXPECT_EQ(m.cells[2].rightBarrier, 2);
  EXPECT_EQ(m.cells[1].topBarrier, 3);
  EXPECT_EQ(m.cells[3].decoration, -1);
  // Fresh cells: nobody there, unreached in every table and in the zombie field.
  for (const map_cell_struct& c : m.cells) {
    EXPECT_EQ(c.memberHere, -1);
    EXPECT_EQ(c.zombieBound, -1);
    EXPECT_EQ(c.zombieDistance, 4);
    EXPECT_EQ(c.zombieDirection, 0);
    for (const man_ap_struct& e : c.paths) EXPECT_EQ(e.cost, 4);
  }
}

TEST_F(MapTest, HeaderFillsSizesEscapeSpotsAndTheCellSizeGlobals) {
  selectedMember = 2;
  // The third spot lies off the grid: it names no cell, but members still get a flag for it.
  Map& m = Load("3 2 40 24 2 1\n3 0 1 1 1 3 0\n0\n(((,,( (((((( (((((( '''''' ''''''\n");
  EXPECT_EQ(selectedMember, -1);
  EXPECT_EQ(m.W, 3);
  EXPECT_EQ(m.H, 2);
  EXPECT_EQ(m.pixelW, 120);
  EXPECT_EQ(m.pixelH, 48);
  EXPECT_EQ(m.escapeX, 2);
  EXPECT_EQ(m.escapeY, 1);
  EXPECT_FLOAT_EQ(mapCellW, 40.0f);
  EXPECT_FLOAT_EQ(mapCellH, 24.0f);
  EXPECT_EQ(searchSpotCount, 3);
  ASSERT_EQ(m.searchSpots.size(), 3u);
  EXPECT_EQ(m.searchSpots[0].cell, 3);
  EXPECT_EQ(m.searchSpots[1].cell, 4);
  EXPECT_EQ(m.searchSpots[2].cell, -1);
  EXPECT_EQ(m.cursorX, -1);
  EXPECT_EQ(m.searchMember, -1);
  EXPECT_TRUE(Boxes().empty());
  Load("2 2 32 32 0 0 -5 0 (((( (((( (((( '''' ''''");
  EXPECT_EQ(searchSpotCount, 0);
}

TEST_F(MapTest, FloorTwoRaisesFiguresAndUnknownFloorsAreReportedPerCell) {
  Map& m = Load(MapFile(4, 1, "*-+/"));
  EXPECT_EQ(m.cells[0].standHeight, -22);
  EXPECT_EQ(m.cells[1].standHeight, 0);
  EXPECT_EQ(m.cells[1].floor, 5);  // the value stays in the cell
  EXPECT_EQ(m.cells[2].standHeight, 0);
  EXPECT_EQ(m.cells[3].floor, 7);
  const std::string bad = "Расчет высоты непроходимой стартовой ячейки";
  EXPECT_EQ(Boxes(), (Strings{bad, bad}));
}

TEST_F(MapTest, GridOfWrongLengthIsSkippedAndTheNextTokenIsTheNextGrid) {
  Map& m = Load(MapFile(2, 2, "(((", "))))", "****"));
  // The short floor grid is skipped; the token after it still holds the right barriers, and so on.
  EXPECT_EQ(Boxes(), Strings{"Размер карты неверен"});
  EXPECT_EQ(m.cells[3].floor, 0);
  EXPECT_EQ(m.cells[3].rightBarrier, 1);
  EXPECT_EQ(m.cells[3].topBarrier, 2);
}

TEST_F(MapTest, SpritesAreNumberedAcrossTexturesAndBadIndicesAreReported) {
  fake.SetImageSize("a.png", 256, 256);
  fake.SetImageSize("b.png", 128, 64);
  const std::string text =
      "3 1 32 32 0 0 0\n2\n"
      "a.png 3  0 0 10 10 5 6  10 0 10 10 0 0  20 0 10 10 0 0\n"
      "b.png 2  1 2 30 40 70 80  0 0 8 8 0 0\n"
      "((( ((( ((( ,-' -'(\n";
  Map& m = Load(text);
  ASSERT_EQ(m.textures.size(), 2u);
  ASSERT_EQ(m.sprites.size(), 5u);
  EXPECT_EQ(m.sprites[0].sprite->GetTexture(), m.textures[0]);
  EXPECT_EQ(m.sprites[3].sprite->GetTexture(), m.textures[1]);
  float tx, ty, w, h;
  m.sprites[3].sprite->GetTextureRect(&tx, &ty, &w, &h);
  EXPECT_EQ((std::vector<float>{tx, ty, w, h}), (std::vector<float>{1, 2, 30, 40}));
  EXPECT_FLOAT_EQ(m.sprites[3].x, 70.0f);
  EXPECT_FLOAT_EQ(m.sprites[3].y, 80.0f);
  EXPECT_FLOAT_EQ(m.sprites[0].alpha, 255.0f);
  EXPECT_EQ(fake.textures[m.textures[1]].name, "b.png");
  // Decoration 4 exists, 5 does not; -1 passes; the hide grid is checked the same way.
  EXPECT_EQ(Boxes(),
            (Strings{"Декорация из несуществующего спрайта 1:5", "Скрытие несуществующего спрайта 0:5"}));
  EXPECT_EQ(m.cells[1].decoration, 5);
}

TEST_F(MapTest, ScrollLimitsAndBandsComeFromTheSettings) {
  BORDER_LEFT = 10.0f;
  BORDER_RIGHT = 20.0f;
  BORDER_UP = 30.0f;
  BORDER_DOWN = 40.0f;
  SCROLLING_ZONE = 15.0f;
  Map& big = Load(MapFile(40, 30, std::string(1200, '(')));
  EXPECT_FLOAT_EQ(big.scrollMinX, -10.0f);
  EXPECT_FLOAT_EQ(big.scrollMaxX, 1280.0f - 800.0f + 20.0f);
  EXPECT_FLOAT_EQ(big.scrollMinY, -30.0f);
  EXPECT_FLOAT_EQ(big.scrollMaxY, 960.0f - 600.0f + 40.0f);
  EXPECT_FLOAT_EQ(big.bandLeft, 15.0f);
  EXPECT_FLOAT_EQ(big.bandRight, 785.0f);
  EXPECT_FLOAT_EQ(big.bandTop, 15.0f);
  EXPECT_FLOAT_EQ(big.bandBottom, 585.0f);
  // Narrower and lower than the screen: the highest offsets are 0.
  Map& small = Load(MapFile(10, 5, std::string(50, '(')));
  EXPECT_FLOAT_EQ(small.scrollMaxX, 0.0f);
  EXPECT_FLOAT_EQ(small.scrollMaxY, 0.0f);
  EXPECT_FLOAT_EQ(small.scrollMinX, -10.0f);
}

TEST_F(MapTest, NumbersAreTheLeadingSignAndDigitsOfATokenAndSaturate) {
  Map& m = Load("2x 1 +30 junk -1z 99999999999 0 0 (( (( (( '' ''");
  EXPECT_EQ(m.W, 2);
  EXPECT_EQ(m.CW, 30);
  EXPECT_EQ(m.CH, 0);
  EXPECT_EQ(m.escapeX, -1);
  EXPECT_EQ(m.escapeY, 2147483647);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(MapTest, MissingFileLeavesAnEmptyMapThatIsSafeToUse) {
  map = std::make_unique<Map>(dir + "/absent.dhm");
  EXPECT_EQ(Boxes(), Strings{"Нет файла карты"});
  EXPECT_TRUE(map->cells.empty());
  EXPECT_EQ(map->W, 0);
  AddMember(0, 0);
  selectedMember = 0;
  map->pathsStale = true;
  FinishSearch(0);
  FinishSearch(2);
  map->MarkPath();
  map->MarkTargets();
  map->UpdateView(0.1f);
  map->Draw();
  EXPECT_EQ(map->MemberStepCost(0, 0, 0, 2, true, true, true), -1);
  EXPECT_FALSE(map->LineOfFire(0, 0, 1, 0));
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  EXPECT_EQ(map->cursorCell, -1);
}

TEST_F(MapTest, AbsurdSizesAreReportedAndLeaveNoCells) {
  // Beyond the cell count, a pixel width or height past 32 bits would overflow figure positions.
  const Strings headers = {
      "",        "0 5 32 32",           "5 0 32 32",        "-3 4 32 32", "128 256 32 32",
      "abc def", "200 1 2147483647 32", "1 68 32 -91000000"};
  for (const std::string& header : headers) {
    fake.errorBoxes.clear();
    Map& m = Load(header + " 0 0 0 0 ( ( ( ( (");
    EXPECT_EQ(Boxes(), Strings{"Размер карты неверен"}) << header;
    EXPECT_TRUE(m.cells.empty()) << header;
    EXPECT_EQ(m.W * m.H, 0) << header;
    EXPECT_EQ(m.cellCount, 0) << header;
  }
  // The largest grid that 16-bit cell indices can address still loads.
  fake.errorBoxes.clear();
  Map& tall = Load(MapFile(1, 32767, std::string(32767, '(')));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(tall.cells.size(), 32767u);
}

TEST_F(MapTest, FileEndingEarlyIsReportedOnceAndKeepsCellsConsistent) {
  // A huge texture count with nothing behind it must neither hang nor make anything up.
  Map& m = Load("3 2 32 32 0 0 0 1000000000");
  EXPECT_EQ(Boxes(), Strings{"Файл карты неожиданно закончился"});
  EXPECT_EQ(m.cells.size(), 6u);
  EXPECT_TRUE(m.textures.empty());

  fake.errorBoxes.clear();
  Map& half = Load("2 1 32 32 0 0 0 0 (* )(");
  EXPECT_EQ(Boxes(), Strings{"Файл карты неожиданно закончился"});
  EXPECT_EQ(half.cells[1].floor, 2);
  EXPECT_EQ(half.cells[0].rightBarrier, 1);
  EXPECT_EQ(half.cells[0].decoration, -1);

  // A sprite record cut short is dropped rather than half made.
  fake.errorBoxes.clear();
  Map& cut = Load("2 1 32 32 0 0 0 1 a.png 2 0 0 8 8 0 0 1 2 3");
  EXPECT_EQ(Boxes(), Strings{"Файл карты неожиданно закончился"});
  EXPECT_EQ(cut.sprites.size(), 1u);
}

}  // namespace
