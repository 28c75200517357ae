// Checks that the shipped settings lay every screen out inside 800 x 600 with no accidental overlaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "content/content_support.h"
#include "engine/font.h"
#include "game/messages.h"
#include "support/fake_engine.h"

namespace {

struct Box {
  double x, y, w, h;
};

std::ostream& operator<<(std::ostream& o, const Box& b) {
  return o << "(" << b.x << ", " << b.y << ", " << b.w << " x " << b.h << ")";
}
bool Inside(const Box& in, const Box& out) {
  return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}
bool Overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

const Box kScreen = {0, 0, 800, 600};

class ScreenLayout : public ::testing::Test {
 protected:
  content::IniFile ini = content::ReadIni("Data/dh.ini");

  double V(const std::string& key) const { return ini.Number(key); }
  // The rectangle of the keys g_X, g_Y, g_W and g_H (the menu names its corner g_POSX, g_POSY).
  Box B(const std::string& g, const std::string& x = "_X", const std::string& y = "_Y") const {
    return {V(g + x), V(g + y), V(g + "_W"), V(g + "_H")};
  }
  // The panel's top edge, as the settings loader derives it.
  double Top() const { return 600 - V("INTER_INV_H"); }
  // A part of the inventory panel, offsets from the panel's corner.
  Box Part(const std::string& name, double w, double h) const {
    return {V("INTER_INV_X") + V("INTER_INV_" + name + "_X"), Top() + V("INTER_INV_" + name + "_Y"), w, h};
  }
  Box Bag() const { return Part("ITEMS", 8 * V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_H")); }
};

// Each part gets its own clicks: an overlap sends them to whichever rectangle comes first.
TEST_F(ScreenLayout, GameScreenHudFitsAndKeepsItsPartsApart) {
  const Box panel = {V("INTER_INV_X"), Top(), V("INTER_INV_W"), V("INTER_INV_H")};
  EXPECT_TRUE(Inside(panel, kScreen)) << panel;
  EXPECT_EQ(V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_W")) << "bag cells are one small frame apart";
  const double bigW = V("INTER_ITEM_BIG_W"), bigH = V("INTER_ITEM_BIG_H");
  const double smallW = V("INTER_ITEM_SMALL_W"), smallH = V("INTER_ITEM_SMALL_H");
  const std::vector<std::pair<std::string, Box>> parts = {
      {"bag row", Bag()},
      {"active item", Part("ACT_ITEM", 2 * bigW, 2 * bigH)},
      {"armour", Part("ARMOR", bigW, bigH)},
      {"backpack", Part("BAG", bigW, bigH)},
      {"hands", Part("HANDS", bigW, bigH)},
      {"holster", Part("HOLSTER", smallW, smallH)},
      {"keys", Part("KEYS", smallW, smallH)},
  };
  for (size_t i = 0; i < parts.size(); ++i) {
    EXPECT_TRUE(Inside(parts[i].second, panel)) << parts[i].first << " " << parts[i].second;
    for (size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_FALSE(Overlap(parts[i].second, parts[j].second)) << parts[i].first << " and " << parts[j].first;
    }
  }
  const Box end = B("END_BUTTON");
  EXPECT_TRUE(Inside(end, kScreen)) << end;
  EXPECT_FALSE(Overlap(end, panel)) << "the panel comes first in the HUD list and would take the click";
  for (int i = 0; i < 4; ++i) {
    const Box photo = {V("INTER_PHOTO_X"), V("INTER_PHOTO_Y") + i * V("INTER_PHOTO_STEP"), V("PASS_PHOTO_W"),
                       V("PASS_PHOTO_H") + V("LIFEBAR_H")};
    EXPECT_TRUE(Inside(photo, kScreen) && !Overlap(photo, panel) && !Overlap(photo, end)) << i << photo;
  }
  EXPECT_GE(V("INTER_PHOTO_STEP"), V("PASS_PHOTO_H") + V("LIFEBAR_H"))
      << "photos with their life bars overlap";
  EXPECT_LE(V("LIFEBAR_W"), V("PASS_PHOTO_W"));
  EXPECT_TRUE(V("AP_ON_PHOTO_X") > 0 && V("AP_ON_PHOTO_X") <= V("PASS_PHOTO_W"));
  EXPECT_LT(V("AP_ON_PHOTO_Y"), V("PASS_PHOTO_H") - 14);
}

TEST_F(ScreenLayout, EveryMessageFitsItsLineBeforeTheEquipmentSlots) {
  FakeEngine fake;
  hgeInstall(&fake);
  hgeFont font("Data/font.fnt");
  ASSERT_TRUE(font.IsLoaded());
  LoadPhrases();
  const double x = V("INTER_INV_X") + V("INTER_MESSAGE_X"), y = Top() + V("INTER_MESSAGE_Y");
  const double right = V("INTER_INV_X") + std::min(V("INTER_INV_ARMOR_X"), V("INTER_INV_HANDS_X"));
  for (const std::string& phrase : Phrases()) {
    EXPECT_LE(x + font.GetStringWidth(phrase.c_str()), right) << "a phrase runs under the slots";
  }
  EXPECT_FALSE(Overlap({x, y, 1, font.GetHeight()}, Bag())) << "the message is written over the bag row";
  EXPECT_LE(y + font.GetHeight(), 600);
}

TEST_F(ScreenLayout, MenuAndTeamScreenButtonsCardsAndChoiceFitApart) {
  const Box play = B("MENU_NEWGAME_BUT", "_POSX", "_POSY"), quit = B("MENU_EXIT_BUT", "_POSX", "_POSY");
  EXPECT_TRUE(Inside(play, kScreen) && Inside(quit, kScreen) && !Overlap(play, quit)) << play << quit;

  const Box add = B("PASS_ADD"), start = B("PASS_START");
  EXPECT_TRUE(Inside(add, kScreen) && Inside(start, kScreen) && !Overlap(add, start)) << add << start;
  EXPECT_GE(V("PASS_Y_STEP"), V("PASS_H"));
  const Box column = {V("PASS_X"), V("PASS_Y"), V("PASS_W"), 3 * V("PASS_Y_STEP") + V("PASS_H")};
  EXPECT_TRUE(Inside(column, kScreen)) << "four team cards " << column;
  const Box first = {V("PASS_MAN1_X"), V("PASS_MAN1_Y"), V("PASS_W"), V("PASS_H")};
  const Box second = {V("PASS_MAN2_X"), V("PASS_MAN2_Y"), V("PASS_W"), V("PASS_H")};
  const Box one = B("PASS_CHANGE_ONE"), orBox = B("PASS_CHANGE_OR");
  for (const Box& b : {first, second, one, orBox}) {
    EXPECT_TRUE(Inside(b, kScreen)) << b;
    EXPECT_FALSE(Overlap(b, column) || Overlap(b, add) || Overlap(b, start))
        << b << " covers the column or a button";
  }
  EXPECT_FALSE(Overlap(first, second) || Overlap(one, first) || Overlap(orBox, first) ||
               Overlap(orBox, second));
  const Box card = {0, 0, V("PASS_W"), V("PASS_H")};
  EXPECT_TRUE(Inside(B("PASS_PHOTO"), card));
  for (const std::string k : {"PASS_NAME", "PASS_DESC", "PASS_SKILL", "PASS_ITEMS"}) {
    EXPECT_TRUE(Inside({V(k + "_X"), V(k + "_Y"), 40, 15}, card)) << k;
  }
  EXPECT_GE(V("PASS_ITEMS_Y"), V("PASS_SKILL_Y") + 15) << "skills and items lines overlap";
}

TEST_F(ScreenLayout, MapTokensFitTheShippedCellSize) {
  std::ifstream map("Data/map1.dhm");
  int w = 0, h = 0, cw = 0, ch = 0;
  ASSERT_TRUE(map >> w >> h >> cw >> ch) << "Data/map1.dhm";
  const Box cell = {0, 0, static_cast<double>(cw), static_cast<double>(ch)};
  EXPECT_TRUE(Inside(B("PATH_TOKEN"), cell)) << "path token " << B("PATH_TOKEN");
  EXPECT_TRUE(Inside(B("BAG_TOKEN"), cell)) << "bag token " << B("BAG_TOKEN");
  EXPECT_TRUE(V("FIND_TOKEN_X") >= 0 && V("FIND_TOKEN_X") + V("FIND_TOKEN_W") <= cw)
      << "search marker too wide";
  for (const std::string m : {"PLAYER_MARKER_BOTTOM", "PLAYER_MARKER_TOP"}) {
    EXPECT_TRUE(V(m + "_W") <= cw && V(m + "_H") <= ch) << m;
  }
}

}  // namespace
