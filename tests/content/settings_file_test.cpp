// Checks of Data/dh.ini: every setting the game reads is there, in its section, with values a player can live
// with.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "config/settings.h"
#include "content/content_support.h"

namespace {

class SettingsFile : public ::testing::Test {
 protected:
  content::IniFile ini = content::ReadIni("Data/dh.ini");

  double V(const char* key) const { return ini.Number(key); }
};

TEST_F(SettingsFile, HoldsEveryKeyOfTheSettingsTableInItsSectionAsANumber) {
  ASSERT_EQ(ini.error, 0) << "Data/dh.ini does not parse (line of the first error)";
  int keys = 0;
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s, ++keys) {
    const std::string value = ini.Get(s->section, s->key);
    ASSERT_FALSE(value.empty()) << "[" << s->section << "] " << s->key << " is missing";
    char* end = nullptr;
    std::strtod(value.c_str(), &end);
    EXPECT_TRUE(end != value.c_str() && *end == '\0') << s->key << " = " << value << " is not a number";
    if (s->isInt) {
      EXPECT_EQ(value.find_first_of(".eE"), std::string::npos) << s->key << " must be whole";
    }
  }
  EXPECT_GT(keys, 150);
  EXPECT_EQ(ini.Get("start", "LOGO"), "1");
}

TEST_F(SettingsFile, NamesNoKeyTheGameDoesNotRead) {
  std::set<std::string> known = {"START/LOGO"};
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    known.insert(content::Upper(s->section) + "/" + content::Upper(s->key));
  }
  for (const auto& section : ini.sections) {
    for (const auto& key : section.second) {
      EXPECT_TRUE(known.count(section.first + "/" + key.first))
          << "[" << section.first << "] " << key.first << " is read by nobody (a misspelt key?)";
    }
  }
}

TEST_F(SettingsFile, TimingsAndPacingSuitAPlayer) {
  EXPECT_EQ(V("PASS_PHOTO_NUM"), 5);
  EXPECT_GE(V("LIFEBAR_CADR"), 5) << "life 0 to 4 each need a frame";
  for (const char* k : {"LOGO_TIMER_ADD", "LOGO_TIMER_WAIT", "LOGO_TIMER_REMOVE"}) {
    EXPECT_GT(V(k), 0.0) << k;
    EXPECT_LE(V(k), 1.5) << k << ": the logo must not drag";
  }
  for (const char* k : {"PASS_T_SHOW_TWO", "PASS_T_ADD_ONE"}) {
    EXPECT_GT(V(k), 0.0) << k;
    EXPECT_LE(V(k), 1.0) << k;
  }
  EXPECT_GE(V("PATH_FINDING_CICLES"), 2000);
  EXPECT_GE(V("ZOMBIE_PROPORTION"), 1.0);
  EXPECT_LE(V("ZOMBIE_PROPORTION"), 6.0);
  EXPECT_GE(V("SCROLLING_ZONE"), 4);
  EXPECT_LE(V("SCROLLING_ZONE"), 40);
  EXPECT_GE(V("SCROLLING_SPEED"), 200);
  EXPECT_GE(V("MIN_TRANSPARENCY"), 0);
  EXPECT_LT(V("MIN_TRANSPARENCY"), 255);
  EXPECT_GT(V("TRANSPARENCY_SPEED"), 0);
  EXPECT_GE(V("PASS_DARK_QUAD_COLOR"), 0);
  EXPECT_LE(V("PASS_DARK_QUAD_COLOR"), 255);
  for (const char* k : {"BORDER_LEFT", "BORDER_RIGHT", "BORDER_UP", "BORDER_DOWN"}) {
    EXPECT_GE(V(k), 0) << k;
    EXPECT_LE(V(k), 200) << k;
  }
}

}  // namespace
