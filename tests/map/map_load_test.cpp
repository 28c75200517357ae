// Loading the map file: header, grids, textures and sprites, and broken files.
#include <gtest/gtest.h>

#include "engine/sprite.h"
#include "map_fixture.h"

namespace {

using Strings = std::vector<std::string>;
const Strings kBadSize = {"Размер карты неверен"}, kEnded = {"Файл карты неожиданно закончился"};

TEST_F(MapTest, HeaderAndGridsFillTheMap) {
  selectedMember = 2;
  // The third spot lies off the grid: it names no cell, but members still get a flag for it.
  Map& m = Load("3 2 40 24 2 1\n3 0 1 1 1 3 0\n0\n(((,,( )(*((( (+(((( '''''' ''''''\n");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(selectedMember, -1);
  EXPECT_EQ(m.CellIndex(1, 1), 4);
  EXPECT_EQ((std::vector<int>{m.pixelW, m.pixelH, m.escapeX, m.escapeY}), (std::vector<int>{120, 48, 2, 1}));
  EXPECT_EQ((std::vector<float>{mapCellW, mapCellH}), (std::vector<float>{40, 24}));
  EXPECT_EQ(searchSpotCount, 3);
  ASSERT_EQ(m.searchSpots.size(), 3u);
  EXPECT_EQ((std::vector<int>{m.searchSpots[0].cell, m.searchSpots[1].cell, m.searchSpots[2].cell}),
            (std::vector<int>{3, 4, -1}));
  EXPECT_EQ(m.cells[3].floor, FLOOR_SEARCH_SPOT);
  EXPECT_EQ((std::vector<int>{m.cells[2].rightBarrier, m.cells[1].topBarrier, m.cells[5].decoration}),
            (std::vector<int>{BARRIER_WALL, BARRIER_NONE_2, -1}));
  for (const map_cell_struct& c : m.cells) {  // nobody there yet
    EXPECT_EQ(c.memberHere, -1);
    EXPECT_EQ(c.zombieBound, -1);
  }

  // A negative spot count is no spots.
  Load("2 2 32 32 0 0 -5 0 (((( (((( (((( '''' ''''");
  EXPECT_EQ(searchSpotCount, 0);
}

// A raised floor lifts the figures on it; a floor type that does not exist is kept but reported per cell.
TEST_F(MapTest, GridOfWrongLengthIsSkippedAndUnknownFloorsAreReportedPerCell) {
  Map& raised = Load(MapFile(4, 1, "*-+/"));
  EXPECT_EQ(
      (std::vector<int>{raised.cells[0].standHeight, raised.cells[1].standHeight, raised.cells[1].floor}),
      (std::vector<int>{-22, 0, 5}));
  const std::string bad = "Расчет высоты непроходимой стартовой ячейки";
  EXPECT_EQ(Boxes(), (Strings{bad, bad}));
  // The short floor grid is skipped; the token after it still holds the right barriers, and so on.
  fake.errorBoxes.clear();
  Map& m = Load(MapFile(2, 2, "(((", "))))", "****"));
  EXPECT_EQ(Boxes(), kBadSize);
  EXPECT_EQ(m.cells[3].floor, FLOOR_OPEN);
  EXPECT_EQ(m.cells[3].rightBarrier, BARRIER_LOW);
  EXPECT_EQ(m.cells[3].topBarrier, BARRIER_WALL);
}

// Decoration and hide indices that name no sprite are reported (and not drawn, see the drawing tests).
TEST_F(MapTest, SpritesAreNumberedAcrossTexturesAndBadIndicesAreReported) {
  fake.SetImageSize("a.png", 256, 256);
  fake.SetImageSize("b.png", 128, 64);
  Map& m = Load(
      "3 1 32 32 0 0 0\n2\n"
      "a.png 3  0 0 10 10 5 6  10 0 10 10 0 0  20 0 10 10 0 0\n"
      "b.png 2  1 2 30 40 70 80  0 0 8 8 0 0\n"
      "((( ((( ((( ,-' -'(\n");
  ASSERT_EQ(m.textures.size(), 2u);
  ASSERT_EQ(m.sprites.size(), 5u);
  EXPECT_EQ(m.sprites[2].sprite->GetTexture(), m.textures[0]);
  EXPECT_EQ(m.sprites[3].sprite->GetTexture(), m.textures[1]);
  EXPECT_EQ((std::vector<float>{m.sprites[3].x, m.sprites[3].y}), (std::vector<float>{70, 80}));
  // Decoration 4 exists, 5 does not; -1 passes; the hide grid is checked the same way.
  EXPECT_EQ(Boxes(),
            (Strings{"Декорация из несуществующего спрайта 1:5", "Скрытие несуществующего спрайта 0:5"}));
  EXPECT_EQ(m.cells[1].decoration, 5);
}

TEST_F(MapTest, NumbersAreTheLeadingSignAndDigitsOfATokenAndSaturate) {
  Map& m = Load("2x 1 +30 32junk -1z 99999999999 0 0 (( (( (( '' ''");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ((std::vector<int>{m.W, m.CW, m.CH, m.escapeX, m.escapeY}),
            (std::vector<int>{2, 30, 32, -1, 2147483647}));
  EXPECT_EQ(Load("2 1 32 junk 0 0 0 0 (( (( (( '' ''").cellCount, 0) << "a cell height of 0";
}

TEST_F(MapTest, MissingFileLeavesAnEmptyMapThatIsSafeToUse) {
  map = std::make_unique<Map>(dir + "/absent.dhm");
  EXPECT_EQ(Boxes(), Strings{"Нет файла карты"});
  AddMember(0, 0);
  selectedMember = 0;
  map->pathsStale = true;
  FinishSearch(0);
  FinishSearch(2);
  map->MarkPath();
  map->MarkTargets();
  map->UpdateView(0.1f);
  map->Draw(false);
  EXPECT_EQ(map->MemberStepCost(0, 0, 0, DIR_RIGHT, true, true, true), -1);
  EXPECT_FALSE(map->LineOfFire(0, 0, 1, 0));
  EXPECT_TRUE(map->PathBack(0, 0).empty());
  EXPECT_EQ(map->view.cursorCell, -1);
}

TEST_F(MapTest, AbsurdSizesAreReportedAndLeaveNoCells) {
  // Beyond the cell count, a pixel width or height past 32 bits would overflow figure positions.
  // A cell of no or negative size is as absurd: the view divides by it.
  for (const std::string header :
       {"", "0 5 32 32", "5 0 32 32", "-3 4 32 32", "128 256 32 32", "abc def", "200 1 2147483647 32",
        "1 68 32 -91000000", "3 2 0 32", "3 2 32 0", "3 2 -32 32", "3 2 32 -1"}) {
    fake.errorBoxes.clear();
    Map& m = Load(header + " 0 0 0 0 ( ( ( ( (");
    EXPECT_EQ(Boxes(), kBadSize) << header;
    EXPECT_TRUE(m.cells.empty()) << header;
    EXPECT_EQ(m.W * m.H, 0) << header;
    EXPECT_EQ(m.cellCount, 0) << header;
  }
  // The largest grid that 16-bit cell indices can address still loads.
  fake.errorBoxes.clear();
  EXPECT_EQ(Load(MapFile(1, 32767)).cells.size(), 32767u);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(MapTest, FileEndingEarlyIsReportedOnceAndKeepsCellsConsistent) {
  // A file that ends before its sizes, an empty one too, ended early: its sizes are not wrong, only missing.
  for (const std::string text : {"", " \n\t\n", "3 2 32"}) {
    fake.errorBoxes.clear();
    Map& empty = Load(text);
    EXPECT_EQ(Boxes(), kEnded) << "'" << text << "'";
    EXPECT_TRUE(empty.cells.empty());
    EXPECT_EQ(empty.cellCount, 0);
  }

  // A huge texture count with nothing behind it must neither hang nor make anything up.
  fake.errorBoxes.clear();
  Map& m = Load("3 2 32 32 0 0 0 1000000000");
  EXPECT_EQ(Boxes(), kEnded);
  EXPECT_EQ(m.cells.size(), 6u);
  EXPECT_TRUE(m.textures.empty());

  fake.errorBoxes.clear();
  Map& half = Load("2 1 32 32 0 0 0 0 (* )(");
  EXPECT_EQ(Boxes(), kEnded);
  EXPECT_EQ(half.cells[1].floor, FLOOR_RAISED);
  EXPECT_EQ(half.cells[0].rightBarrier, BARRIER_LOW);
  EXPECT_EQ(half.cells[0].decoration, -1);

  // A sprite record cut short is dropped rather than half made.
  fake.errorBoxes.clear();
  EXPECT_EQ(Load("2 1 32 32 0 0 0 1 a.png 2 0 0 8 8 0 0 1 2 3").sprites.size(), 1u);
  EXPECT_EQ(Boxes(), kEnded);
}

}  // namespace
