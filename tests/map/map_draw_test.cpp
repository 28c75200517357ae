// Drawing the map: the painter's order over the cells, read back from the textures of the quads drawn.
#include <gtest/gtest.h>

#include <map>

#include "engine/sprite.h"
#include "game/item.h"
#include "map_fixture.h"
#include "ui/resources.h"

namespace {

hgeSprite** const kTokens[10] = {&pathTokens[0], &pathTokens[1], &pathTokens[2], &pathTokens[3],
                                 &markerTop[0],  &markerTop[1],  &markerBottom,  &findToken,
                                 &bagToken,      &escapeToken};

class DrawTest : public MapTest {
 protected:
  DrawTest() {
    const char* names[10] = {"path0", "path1",  "path2", "path3", "top0",
                             "top1",  "bottom", "find",  "bag",   "escape"};
    for (int i = 0; i < 10; ++i) {
      fake.SetTextureSize(101 + i, 64, 64);
      *kTokens[i] = new hgeSprite(101 + i, 0, 0, 8, 8);
      label[101 + i] = names[i];
    }
    label[900] = "member";
    label[901] = "zombie";
  }

  ~DrawTest() override {
    for (hgeSprite** slot : kTokens) {
      delete *slot;
      *slot = nullptr;
    }
  }

  // The texture label of each quad drawn since the last call.
  std::vector<std::string> Drawn() {
    std::vector<std::string> out;
    for (const hgeQuad& q : fake.quads) out.push_back(label.count(q.tex) ? label[q.tex] : "?");
    fake.quads.clear();
    return out;
  }

  std::map<HTEXTURE, std::string> label;
  Item ground{-1};
};

// Each situation leaves out its own quads from the full picture: the zombies' half the path and search
// tokens, a dead selection the search token and the selection's marker.
TEST_F(DrawTest, CellsArePaintedInOrderAndEachSituationLeavesOutItsOwnQuads) {
  // A 2 x 2 board: cell 0 decoration A, an item, mark 1 and a zombie; cell 1 a search spot under the
  // cursor whose decoration names no sprite; cell 2 decoration B and the selected member; cell 3, on
  // rough ground, decoration A again and mark 2.
  fake.SetImageSize("a.png", 64, 64);
  fake.SetImageSize("b.png", 64, 64);
  Load("2 2 32 32 0 0 1 1 0 2 a.png 1 0 0 16 16 2 1 b.png 1 0 0 16 16 20 40 (,(* (((( (((( (/)( ''''");
  label[map->textures[0]] = "A";
  label[map->textures[1]] = "B";
  map->cells[0].items.push_back(&ground);
  map->cells[0].pathMark = 1;
  map->cells[3].pathMark = 2;
  map->view.showPath = true;
  AddZombie(0, 0);
  AddMember(0, 1)->searchable = {true};
  selectedMember = 0;
  map->view.scrollX = -5.5f;
  mouseX = 46.0f;  // map x 40: column 1
  mouseY = 10.0f;
  map->UpdateView(0.0f);
  fake.quads.clear();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Декорация из несуществующего спрайта 1:7"});
  // Cell 0 is the escape cell; the items' token comes over the figure.
  // clang-format off
  const std::vector<std::string> full = {
      "A",     "escape", "path0", "zombie", "bag",  // cell 0
      "top0",  "find",                              // cell 1: the bad decoration is left out
      "B",     "bottom", "member",                  // cell 2 covers the zombie of the row above
      "A",     "path1",                             // cell 3
      "path2", "path3",  "top1",                    // second pass and the cursor's top marker
  };
  // clang-format on
  const struct {
    const char* why;
    int state;
    bool dead;
    std::vector<std::string> missing;
  } cases[] = {
      {"the player commanding", 0, false, {}},
      {"zombies", 3, false, {"path0", "find", "path1", "path2", "path3"}},
      {"a dead selection", 0, true, {"find", "bottom"}},  // drawn as a body, unmarked
  };
  for (const auto& c : cases) {
    screenState = c.state;
    team[0]->alive = c.dead ? 0 : 1;
    std::vector<std::string> expected;
    for (const std::string& quad : full) {
      if (std::find(c.missing.begin(), c.missing.end(), quad) == c.missing.end()) expected.push_back(quad);
    }
    map->Draw(false);
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
  map->Draw(false);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "bottom", "member", "find"}));
}

// A fallen member's body lies in its cell: a zombie that stands on it is drawn over it, and so is a living
// member whose drawing cell it is for a moment; both with the zombie, the member comes last.
TEST_F(DrawTest, AFallenMembersBodyHidesNoFigureStandingOnIt) {
  label[902] = "body";
  Load(MapFile(3, 1));
  AddMember(1, 0, {}, false)->sprite->SetTexture(902);
  AddZombie(1, 0);
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw(false);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "body", "zombie"}));
  AddMember(2, 0);
  team[1]->x = 1;
  team[1]->secondCell = 1;
  map->cells[2].memberBound = -1;
  map->cells[1].memberBound = 1;
  map->Draw(false);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "body", "zombie", "member"}));
}

// Items lying where a member stands are marked over the member, who would hide the token otherwise.
TEST_F(DrawTest, TheItemsTokenIsDrawnOverTheMemberStandingOnIt) {
  Load(MapFile(2, 1));
  map->cells[0].items.push_back(&ground);
  AddMember(0, 0);
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw(false);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "member", "bag"}));
}

// Two zombies sharing a drawing cell for a moment (one stepping in behind the other) are both drawn, whichever
// of them the cell's record names.
TEST_F(DrawTest, FiguresSharingADrawingCellAreAllDrawn) {
  Load(MapFile(3, 1));
  AddZombie(1, 0);
  AddZombie(2, 0);
  zombies[1]->x = 1;  // stepped in: the cell's record now names it, and its old cell names nobody
  zombies[1]->secondCell = 1;
  map->cells[1].zombieBound = 1;
  map->cells[2].zombieBound = -1;
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw(false);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "zombie", "zombie"}));
}

// The escape cell carries its marker on the ground, under whoever stands there, wherever the view is.
TEST_F(DrawTest, TheEscapeCellIsMarkedOnTheGround) {
  Load("3 2 32 32 2 1 0 0 (((((( (((((( (((((( '''''' ''''''");
  AddMember(2, 1);
  map->view.scrollX = 7.0f;
  map->UpdateView(0.0f);
  fake.quads.clear();
  map->Draw(true);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"escape", "member"}));
  map->Draw(true);
  const hgeQuad& marker = fake.quads.at(0);
  EXPECT_EQ(std::make_pair(marker.v[0].x, marker.v[0].y),
            std::make_pair(2 * 32 - 7 + ESCAPE_TOKEN_X, 32 + ESCAPE_TOKEN_Y));
  fake.quads.clear();
}

}  // namespace
