// Checks that the shipped settings lay every screen out inside 800 x 600 with no part covering another.
#include <gtest/gtest.h>

#include <string>
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

TEST_F(ScreenLayout, MenuAndTeamScreenButtonsCardsAndChoiceFitApart) {
  ExpectInsideAndApart(kScreen,
                       {B("MENU_NEWGAME_BUT", "_POSX", "_POSY"), B("MENU_EXIT_BUT", "_POSX", "_POSY")});
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
