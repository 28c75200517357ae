// Drawing the map: the painter's order over the cells, read back from the quads the engine received.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/font.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "map_fixture.h"
#include "ui/resources.h"
#include "ui/smart_gui.h"

namespace {

class DrawTest : public MapTest {
 protected:
  DrawTest() {
    const char* names[9] = {"path0", "path1", "path2", "path3", "top0", "top1", "bottom", "find", "bag"};
    for (int i = 0; i < 9; ++i) {
      fake.SetTextureSize(101 + i, 64, 64);
      *Tokens()[i] = new hgeSprite(101 + i, 0, 0, 8, 8);
      label[101 + i] = names[i];
    }
    label[900] = "member";
    label[901] = "zombie";
    PATH_TOKEN_X = 3;
    PATH_TOKEN_Y = 4;
    FIND_TOKEN_X = 5;
    FIND_TOKEN_Y = 6;
    BAG_TOKEN_X = 7;
    BAG_TOKEN_Y = 8;
    BORDER_LEFT = 10;
  }

  ~DrawTest() override {
    for (hgeSprite** slot : Tokens()) {
      delete *slot;
      *slot = nullptr;
    }
    hudGui = nullptr;
    font1 = nullptr;
  }

  static std::vector<hgeSprite**> Tokens() {
    return {&pathTokens[0], &pathTokens[1], &pathTokens[2], &pathTokens[3], &markerTop[0],
            &markerTop[1],  &markerBottom,  &findToken,     &bagToken};
  }

  // Each quad drawn since the last call as "label x,y" (figures without a position).
  std::vector<std::string> Drawn() {
    std::vector<std::string> out;
    for (const hgeQuad& q : fake.quads) {
      const std::string name = label.count(q.tex) ? label[q.tex] : "?";
      const bool figure = name == "member" || name == "zombie";
      out.push_back(figure ? name
                           : name + " " + std::to_string(std::lround(q.v[0].x)) + "," +
                                 std::to_string(std::lround(q.v[0].y)));
    }
    fake.quads.clear();
    return out;
  }

  std::map<HTEXTURE, std::string> label;
  Item ground{-1};
};

// The interface under the mouse hides the first pass's path tokens and the cursor's top marker; the team
// acting hides the marker under the selected member; the zombies' half hides path and search tokens.
TEST_F(DrawTest, CellsArePaintedInOrderAndEachSituationLeavesOutItsOwnQuads) {
  // A 2 x 2 board: cell 0 decoration A, an item, mark 1 and a zombie; cell 1 a search spot under the
  // cursor whose decoration names no sprite; cell 2 decoration B and the selected member; cell 3, on
  // rough ground, decoration A again and mark 2. The view is shifted 6 pixels right.
  fake.SetImageSize("a.png", 64, 64);
  fake.SetImageSize("b.png", 64, 64);
  Load("2 2 32 32 0 0 1 1 0 2 a.png 1 0 0 16 16 2 1 b.png 1 0 0 16 16 20 40 (,(* (((( (((( (/)( ''''");
  label[map->textures[0]] = "A";
  label[map->textures[1]] = "B";
  map->cells[0].items.push_back(&ground);
  map->cells[0].pathMark = 1;
  map->cells[3].pathMark = 2;
  map->showPath = true;
  AddZombie(0, 0);
  AddMember(0, 1)->searchable = {true};
  selectedMember = 0;
  map->scrollX = -5.5f;
  mouseX = 46.0f;  // map x 40: column 1
  mouseY = 10.0f;
  map->UpdateView(0.0f);
  fake.quads.clear();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Декорация из несуществующего спрайта 1:7"});
  const std::vector<std::string> full = {
      "A 8,1",     "path0 9,4",   "bag 13,8",  "zombie",  // cell 0
      "top0 38,0", "find 43,6",                           // cell 1: the bad decoration is left out
      "B 26,40",   "bottom 6,32", "member",               // cell 2 covers the zombie of the row above
      "A 8,1",     "path1 41,14",                         // cell 3: path token raised by the floor
      "path2 9,4", "path3 41,14", "top1 38,0",            // second pass and the cursor's top marker
  };
  SmartGui gui;
  gui.Add(1, 0, 0, 800, 600, true);
  hudGui = &gui;
  const struct {
    const char* why;
    int state;
    bool hover, dead;
    std::vector<std::string> missing;
  } cases[] = {
      {"the player commanding", 0, false, false, {}},
      {"the mouse over the interface", 0, true, false, {"path0 9,4", "top0 38,0", "path1 41,14"}},
      {"the team acting", 1, false, false, {"bottom 6,32"}},
      {"zombies", 3, false, false, {"path0 9,4", "find 43,6", "path1 41,14", "path2 9,4", "path3 41,14"}},
      {"a dead selection", 0, false, true, {"find 43,6"}},
  };
  for (const auto& c : cases) {
    screenState = c.state;
    gui.HitTest(c.hover ? 10 : 900, c.hover ? 10 : 900);
    team[0]->alive = c.dead ? 0 : 1;
    std::vector<std::string> expected;
    for (const std::string& quad : full) {
      if (std::find(c.missing.begin(), c.missing.end(), quad) == c.missing.end()) expected.push_back(quad);
    }
    map->Draw();
    EXPECT_EQ(Drawn(), expected) << c.why;
  }
}

// Search tokens follow the selected member's flags and stop where the flags end, even when the grid
// holds more spots than the member has flags.
TEST_F(DrawTest, SearchTokensStopWhereTheMembersFlagsEnd) {
  Load(MapFile(4, 1, ",(,,"));
  AddMember(1, 0)->searchable = {false, true};
  selectedMember = 0;
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw();
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"bottom 32,0", "member", "find 69,6"}));
}

// The index is printed in the cell the zombie occupies, after the figure drawn there: zombie 1 has
// stepped into cell 1 but is still drawn in cell 2.
TEST_F(DrawTest, ZombieIndicesArePrintedWhenTheLogoSettingIsMinusOne) {
  fake.SetFile("f.fnt", "[HGEFONT]\nBitmap=f.png\nChar=\"0\",0,0,8,12,0,0\nChar=\"1\",8,0,8,12,0,0\n");
  fake.SetFile("f.png", "png");
  fake.SetImageSize("f.png", 64, 32);
  hgeFont font("f.fnt");
  ASSERT_TRUE(font.IsLoaded());
  label[font.GetSprite('1')->GetTexture()] = "font";
  font1 = &font;
  Load(MapFile(3, 1, "((("));
  AddZombie(0, 0);
  AddZombie(2, 0);
  map->cells[2].zombieHere = -1;
  map->cells[1].zombieHere = 1;
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw();
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"zombie", "zombie"}));
  LOGO = -1;
  map->Draw();
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"zombie", "font 0,0", "font 32,0", "zombie"}));
}

}  // namespace
