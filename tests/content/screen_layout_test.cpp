// Checks that the shipped settings lay every screen out inside 800 x 600 with no accidental overlaps.
#include <gtest/gtest.h>

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
  // The panel's top edge, as the settings loader derives it.
  double Top() const { return 600 - V("INTER_INV_H"); }
  Box Panel() const { return {V("INTER_INV_X"), Top(), V("INTER_INV_W"), V("INTER_INV_H")}; }
  // A slot of the inventory panel, offsets from the panel's corner.
  Box Slot(const std::string& name, bool big) const {
    const std::string size = big ? "INTER_ITEM_BIG_" : "INTER_ITEM_SMALL_";
    return {V("INTER_INV_X") + V("INTER_INV_" + name + "_X"), Top() + V("INTER_INV_" + name + "_Y"),
            V(size + "W"), V(size + "H")};
  }
  Box Card(const std::string& x, const std::string& y) const {
    return {V(x), V(y), V("PASS_W"), V("PASS_H")};
  }
  Box Button(const std::string& g) const { return {V(g + "_X"), V(g + "_Y"), V(g + "_W"), V(g + "_H")}; }
};

TEST_F(ScreenLayout, GameScreenHudFitsAndKeepsItsPartsApart) {
  const Box panel = Panel();
  EXPECT_TRUE(Inside(panel, kScreen)) << panel;
  EXPECT_EQ(panel.y + panel.h, 600);
  EXPECT_EQ(V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_W")) << "bag cells are one small frame apart";
  std::vector<std::pair<std::string, Box>> parts = {
      {"bag row",
       {V("INTER_INV_X") + V("INTER_INV_ITEMS_X"), Top() + V("INTER_INV_ITEMS_Y"),
        8 * V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_H")}},
      {"active item",
       {V("INTER_INV_X") + V("INTER_INV_ACT_ITEM_X"), Top() + V("INTER_INV_ACT_ITEM_Y"),
        2 * V("INTER_ITEM_BIG_W"), 2 * V("INTER_ITEM_BIG_H")}},
      {"armour", Slot("ARMOR", true)},
      {"backpack", Slot("BAG", true)},
      {"hands", Slot("HANDS", true)},
      {"holster", Slot("HOLSTER", false)},
      {"keys", Slot("KEYS", false)},
  };
  for (size_t i = 0; i < parts.size(); ++i) {
    EXPECT_TRUE(Inside(parts[i].second, panel)) << parts[i].first << " " << parts[i].second;
    for (size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_FALSE(Overlap(parts[i].second, parts[j].second)) << parts[i].first << " and " << parts[j].first;
    }
  }
  const Box end = Button("END_BUTTON");
  EXPECT_TRUE(Inside(end, kScreen)) << end;
  EXPECT_FALSE(Overlap(end, panel))
      << "the panel's rectangle comes first in the HUD list and would take the click";
  for (int i = 0; i < 4; ++i) {
    const Box photo = {V("INTER_PHOTO_X"), V("INTER_PHOTO_Y") + i * V("INTER_PHOTO_STEP"), V("PASS_PHOTO_W"),
                       V("PASS_PHOTO_H") + V("LIFEBAR_H")};
    EXPECT_TRUE(Inside(photo, kScreen)) << "photo " << i << " " << photo;
    EXPECT_FALSE(Overlap(photo, panel)) << "photo " << i;
    EXPECT_FALSE(Overlap(photo, end)) << "photo " << i;
  }
  EXPECT_GE(V("INTER_PHOTO_STEP"), V("PASS_PHOTO_H") + V("LIFEBAR_H"))
      << "photos with their life bars overlap";
  EXPECT_LE(V("LIFEBAR_W"), V("PASS_PHOTO_W"));
  EXPECT_GT(V("AP_ON_PHOTO_X"), 0);
  EXPECT_LE(V("AP_ON_PHOTO_X"), V("PASS_PHOTO_W"));
  EXPECT_LT(V("AP_ON_PHOTO_Y"), V("PASS_PHOTO_H") - 14);
}

TEST_F(ScreenLayout, EveryMessageFitsItsLineBeforeTheEquipmentSlots) {
  FakeEngine fake;
  hgeInstall(&fake);
  hgeFont font("Data/font.fnt");
  ASSERT_TRUE(font.IsLoaded());
  LoadPhrases();
  const double x = V("INTER_INV_X") + V("INTER_MESSAGE_X");
  const double y = Top() + V("INTER_MESSAGE_Y");
  const double right = V("INTER_INV_X") + std::min(V("INTER_INV_ARMOR_X"), V("INTER_INV_HANDS_X"));
  for (const std::string& phrase : Phrases()) {
    EXPECT_LE(x + font.GetStringWidth(phrase.c_str()), right) << "a phrase runs under the slots";
  }
  const Box bag = {V("INTER_INV_X") + V("INTER_INV_ITEMS_X"), Top() + V("INTER_INV_ITEMS_Y"),
                   8 * V("INTER_INV_ITEMS_STEP"), V("INTER_ITEM_SMALL_H")};
  EXPECT_FALSE(Overlap({x, y, 1, font.GetHeight()}, bag)) << "the message is written over the bag row";
  EXPECT_LE(y + font.GetHeight(), 600);
}

TEST_F(ScreenLayout, TeamScreenCardsButtonsAndChoiceFit) {
  const Box add = Button("PASS_ADD"), start = Button("PASS_START");
  EXPECT_TRUE(Inside(add, kScreen)) << add;
  EXPECT_TRUE(Inside(start, kScreen)) << start;
  EXPECT_FALSE(Overlap(add, start));
  EXPECT_GE(V("PASS_Y_STEP"), V("PASS_H"));
  const Box column = {V("PASS_X"), V("PASS_Y"), V("PASS_W"), 3 * V("PASS_Y_STEP") + V("PASS_H")};
  EXPECT_TRUE(Inside(column, kScreen)) << "four team cards " << column;
  const Box first = Card("PASS_MAN1_X", "PASS_MAN1_Y"), second = Card("PASS_MAN2_X", "PASS_MAN2_Y");
  const Box one = Button("PASS_CHANGE_ONE"), orBox = Button("PASS_CHANGE_OR");
  for (const Box& b : {first, second, one, orBox}) {
    EXPECT_TRUE(Inside(b, kScreen)) << b;
    EXPECT_FALSE(Overlap(b, column)) << b << " covers the team column";
    EXPECT_FALSE(Overlap(b, add)) << b;
    EXPECT_FALSE(Overlap(b, start)) << b;
  }
  EXPECT_FALSE(Overlap(first, second));
  EXPECT_FALSE(Overlap(one, first));
  EXPECT_FALSE(Overlap(orBox, first));
  EXPECT_FALSE(Overlap(orBox, second));
  const Box card = {0, 0, V("PASS_W"), V("PASS_H")};
  EXPECT_TRUE(Inside({V("PASS_PHOTO_X"), V("PASS_PHOTO_Y"), V("PASS_PHOTO_W"), V("PASS_PHOTO_H")}, card));
  for (const char* t : {"PASS_NAME", "PASS_DESC", "PASS_SKILL", "PASS_ITEMS"}) {
    const std::string k = t;
    EXPECT_TRUE(Inside({V(k + "_X"), V(k + "_Y"), 40, 15}, card)) << k;
  }
  EXPECT_GE(V("PASS_ITEMS_Y"), V("PASS_SKILL_Y") + 15) << "skills and items lines overlap";
}

TEST_F(ScreenLayout, MenuButtonsFitAndStayApart) {
  const Box play = {V("MENU_NEWGAME_BUT_POSX"), V("MENU_NEWGAME_BUT_POSY"), V("MENU_NEWGAME_BUT_W"),
                    V("MENU_NEWGAME_BUT_H")};
  const Box quit = {V("MENU_EXIT_BUT_POSX"), V("MENU_EXIT_BUT_POSY"), V("MENU_EXIT_BUT_W"),
                    V("MENU_EXIT_BUT_H")};
  EXPECT_TRUE(Inside(play, kScreen)) << play;
  EXPECT_TRUE(Inside(quit, kScreen)) << quit;
  EXPECT_FALSE(Overlap(play, quit));
}

TEST_F(ScreenLayout, MapTokensFitTheShippedCellSize) {
  std::ifstream map("Data/map1.dhm");
  int w = 0, h = 0, cw = 0, ch = 0;
  ASSERT_TRUE(map >> w >> h >> cw >> ch) << "Data/map1.dhm";
  const Box cell = {0, 0, static_cast<double>(cw), static_cast<double>(ch)};
  EXPECT_TRUE(Inside(Button("PATH_TOKEN"), cell)) << "path token " << Button("PATH_TOKEN");
  EXPECT_TRUE(Inside(Button("BAG_TOKEN"), cell)) << "bag token " << Button("BAG_TOKEN");
  const Box find = Button("FIND_TOKEN");
  EXPECT_GE(find.x, 0);
  EXPECT_LE(find.x + find.w, cw) << "the search marker leaves its cell sideways";
  EXPECT_LE(V("PLAYER_MARKER_BOTTOM_W"), cw);
  EXPECT_LE(V("PLAYER_MARKER_BOTTOM_H"), ch);
  EXPECT_LE(V("PLAYER_MARKER_TOP_W"), cw);
  EXPECT_LE(V("PLAYER_MARKER_TOP_H"), ch);
}

}  // namespace
