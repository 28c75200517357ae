// Checks that the shipped settings lay every screen out inside 800 x 600 with no part covering another.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "content/content_support.h"

namespace {

struct Box {
  std::string name;
  double x, y, w, h;
};

std::ostream& operator<<(std::ostream& o, const Box& b) {
  return o << b.name << " (" << b.x << ", " << b.y << ", " << b.w << " x " << b.h << ")";
}
bool Inside(const Box& in, const Box& out) {
  return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}
bool Overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Each part gets its own clicks: an overlap sends them to whichever rectangle comes first.
void ExpectInsideAndApart(const Box& frame, const std::vector<Box>& parts) {
  for (size_t i = 0; i < parts.size(); ++i) {
    EXPECT_TRUE(Inside(parts[i], frame)) << parts[i] << " leaves " << frame;
    for (size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_FALSE(Overlap(parts[i], parts[j])) << parts[i] << " and " << parts[j];
    }
  }
}

const Box kScreen = {"screen", 0, 0, 800, 600};

class ScreenLayout : public ::testing::Test {
 protected:
  content::IniFile ini = content::ReadIni("Data/dh.ini");

  double V(const std::string& key) const { return ini.Number(key); }
  // The rectangle of the keys g_X, g_Y, g_W and g_H (the menu names its corner g_POSX, g_POSY).
  Box B(const std::string& g, const std::string& x = "_X", const std::string& y = "_Y") const {
    return {g, V(g + x), V(g + y), V(g + "_W"), V(g + "_H")};
  }
  // The panel's top edge, as the settings loader derives it.
  double Top() const { return 600 - V("INTER_INV_H"); }
  // A part of the inventory panel, offsets from the panel's corner.
  Box Part(const std::string& name, double w, double h) const {
    return {name, V("INTER_INV_X") + V("INTER_INV_" + name + "_X"), Top() + V("INTER_INV_" + name + "_Y"), w,
            h};
  }
};

TEST_F(ScreenLayout, GameScreenHudFitsAndKeepsItsPartsApart) {
  const Box panel = {"panel", V("INTER_INV_X"), Top(), V("INTER_INV_W"), V("INTER_INV_H")};
  EXPECT_GE(V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_W")) << "bag cells overlap";
  const double bigW = V("INTER_ITEM_BIG_W"), bigH = V("INTER_ITEM_BIG_H");
  const double smallW = V("INTER_ITEM_SMALL_W"), smallH = V("INTER_ITEM_SMALL_H");
  ExpectInsideAndApart(
      panel, {Part("ITEMS", 8 * V("INTER_INV_ITEMS_STEP"), smallH), Part("ACT_ITEM", 2 * bigW, 2 * bigH),
              Part("ARMOR", bigW, bigH), Part("BAG", bigW, bigH), Part("HANDS", bigW, bigH),
              Part("HOLSTER", smallW, smallH), Part("KEYS", smallW, smallH)});
  std::vector<Box> screen = {panel, B("END_BUTTON")};
  for (int i = 0; i < 4; ++i) {
    screen.push_back({"photo " + std::to_string(i), V("INTER_PHOTO_X"),
                      V("INTER_PHOTO_Y") + i * V("INTER_PHOTO_STEP"), V("PASS_PHOTO_W"),
                      V("PASS_PHOTO_H") + V("LIFEBAR_H")});
  }
  ExpectInsideAndApart(kScreen, screen);
  EXPECT_LE(V("LIFEBAR_W"), V("PASS_PHOTO_W"));
}

// The shipped map's grid: cells across and down, and the cell size in pixels.
struct Grid {
  int w = 0, h = 0, cw = 0, ch = 0;
};

Grid ShippedGrid() {
  Grid g;
  std::ifstream in("Data/map1.dhm");
  in >> g.w >> g.h >> g.cw >> g.ch;
  return g;
}

// Scroll positions worth trying along one axis (screen length `screen`) for a cell at `at` (map pixels,
// `size` long): the limits, and each position that puts an edge of the cell against an edge of the screen
// or of a display part. Where the cell fits on the screen clear of the parts, it does at one of these.
std::vector<double> Stops(double lo, double hi, double at, double size, double screen,
                          const std::vector<std::pair<double, double>>& edges) {
  std::vector<double> stops = {lo, hi, std::clamp(at, lo, hi), std::clamp(at + size - screen, lo, hi)};
  for (const auto& [from, to] : edges) {
    for (double s : {at + size - from, at - to}) stops.push_back(std::clamp(s, lo, hi));
  }
  return stops;
}

// Every cell can be brought wholly onto the screen clear of the photo column, the inventory panel and the
// end-turn button, so no part of the display hides a cell, or takes its clicks, wherever the view stands.
TEST_F(ScreenLayout, EveryMapCellCanBeShownClearOfTheDisplay) {
  const Grid g = ShippedGrid();
  ASSERT_GT(g.w * g.h * g.cw * g.ch, 0);
  std::vector<Box> display = {B("END_BUTTON"),
                              {"panel", V("INTER_INV_X"), Top(), V("INTER_INV_W"), V("INTER_INV_H")}};
  for (int i = 0; i < 4; ++i) {
    display.push_back({"photo " + std::to_string(i), V("INTER_PHOTO_X"),
                       V("INTER_PHOTO_Y") + i * V("INTER_PHOTO_STEP"), V("PASS_PHOTO_W"),
                       V("PASS_PHOTO_H") + V("LIFEBAR_H")});
  }
  std::vector<std::pair<double, double>> xs, ys;
  for (const Box& b : display) {
    xs.push_back({b.x, b.x + b.w});
    ys.push_back({b.y, b.y + b.h});
  }
  // The scroll limits as the map loader sets them.
  const double minX = -V("BORDER_LEFT"), maxX = std::max(g.w * g.cw - 800 + V("BORDER_RIGHT"), 0.0);
  const double minY = -V("BORDER_UP"), maxY = std::max(g.h * g.ch - 600 + V("BORDER_DOWN"), 0.0);
  int hidden = 0;
  for (int y = 0; y < g.h; ++y) {
    for (int x = 0; x < g.w; ++x) {
      bool shown = false;
      for (double sx : Stops(minX, maxX, x * g.cw, g.cw, 800, xs)) {
        for (double sy : Stops(minY, maxY, y * g.ch, g.ch, 600, ys)) {
          const Box cell = {"cell", x * g.cw - sx, y * g.ch - sy, double(g.cw), double(g.ch)};
          bool clear = Inside(cell, kScreen);
          for (const Box& b : display) clear = clear && !Overlap(cell, b);
          shown = shown || clear;
        }
      }
      if (!shown) ADD_FAILURE() << "cell (" << x << ", " << y << ") is always under the display";
      hidden += shown ? 0 : 1;
    }
  }
  EXPECT_EQ(hidden, 0);
}

// Tokens drawn over a cell stay inside it, so a click on a token lands on the token's own cell.
TEST_F(ScreenLayout, TokensLieInsideTheirCell) {
  const Grid g = ShippedGrid();
  const Box cell = {"cell", 0, 0, double(g.cw), double(g.ch)};
  for (const char* token : {"FIND_TOKEN", "BAG_TOKEN"}) {
    const Box b = B(token);
    EXPECT_TRUE(Inside(b, cell)) << b << " leaves " << cell;
  }
}

TEST_F(ScreenLayout, MenuAndTeamScreenButtonsCardsAndChoiceFitApart) {
  ExpectInsideAndApart(kScreen, {B("MENU_NEWGAME_BUT", "_POSX", "_POSY"), B("MENU_EXIT_BUT", "_POSX", "_POSY"),
                                 B("MENU_CONTINUE_BUT", "_POSX", "_POSY"), B("MENU_OPTIONS_BUT", "_POSX", "_POSY")});
  EXPECT_GE(V("PASS_Y_STEP"), V("PASS_H")) << "team cards overlap";
  const Box card = {"card", 0, 0, V("PASS_W"), V("PASS_H")};
  std::vector<Box> team = {
      {"team column", V("PASS_X"), V("PASS_Y"), V("PASS_W"), 3 * V("PASS_Y_STEP") + V("PASS_H")},
      {"offer 1", V("PASS_MAN1_X"), V("PASS_MAN1_Y"), V("PASS_W"), V("PASS_H")},
      {"offer 2", V("PASS_MAN2_X"), V("PASS_MAN2_Y"), V("PASS_W"), V("PASS_H")}};
  for (const char* g : {"PASS_ADD", "PASS_START", "PASS_CHANGE_ONE", "PASS_CHANGE_OR"}) team.push_back(B(g));
  ExpectInsideAndApart(kScreen, team);
  std::vector<Box> lines = {B("PASS_PHOTO")};
  for (const std::string k : {"PASS_NAME", "PASS_DESC", "PASS_SKILL", "PASS_ITEMS"})
    lines.push_back({k, V(k + "_X"), V(k + "_Y"), 40, 15});
  ExpectInsideAndApart(card, lines);
}

}  // namespace
