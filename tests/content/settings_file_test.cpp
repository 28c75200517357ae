// Checks of Data/dh.ini: every setting the game reads is there, in its section, as a number in a range the
// game can live with, and no key is misspelt.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/settings.h"
#include "content/content_support.h"

namespace {

TEST(SettingsFile, HoldsEveryKeyTheGameReadsInItsSectionAsANumberAndNoOther) {
  const content::IniFile ini = content::ReadIni("Data/dh.ini");
  ASSERT_EQ(ini.error, 0) << "Data/dh.ini does not parse (line of the first error)";
  EXPECT_EQ(ini.Get("start", "LOGO"), "1");
  std::set<std::string> known = {"START/LOGO"};
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    known.insert(content::Upper(s->section) + "/" + content::Upper(s->key));
    const std::string value = ini.Get(s->section, s->key);
    ASSERT_FALSE(value.empty()) << "[" << s->section << "] " << s->key << " is missing";
    char* end = nullptr;
    std::strtod(value.c_str(), &end);
    EXPECT_TRUE(end != value.c_str() && *end == '\0') << s->key << " = " << value << " is not a number";
    EXPECT_TRUE(!s->isInt || value.find_first_of(".eE") == std::string::npos) << s->key << " must be whole";
  }
  EXPECT_GT(known.size(), 150u);
  for (const auto& section : ini.sections) {
    for (const auto& key : section.second) {
      EXPECT_TRUE(known.count(section.first + "/" + key.first))
          << "[" << section.first << "] " << key.first << " is read by nobody (a misspelt key?)";
    }
  }
}

TEST(SettingsFile, CountsColoursAndPacingAreInRange) {
  const content::IniFile ini = content::ReadIni("Data/dh.ini");
  const struct {
    std::vector<const char*> keys;
    double min, max;
    const char* why;
  } kRanges[] = {
      {{"PASS_PHOTO_NUM"}, 5, 5, "one photo per survivor sheet"},
      {{"LIFEBAR_CADR"}, 5, 100, "life 0 to 4 each need a frame"},
      {{"LOGO_TIMER_ADD", "LOGO_TIMER_WAIT", "LOGO_TIMER_REMOVE"},
       0.01,
       1.5,
       "the logo must fade and not drag"},
      {{"PASS_T_SHOW_TWO", "PASS_T_ADD_ONE"}, 0.01, 1.0, "the offer must show and not drag"},
      {{"ZOMBIE_PROPORTION"}, 1, 6, "zombies per member"},
      {{"SCROLLING_ZONE"}, 4, 40, "pixels at the screen's edge"},
      {{"SCROLLING_SPEED"}, 200, 1e6, "pixels a second"},
      {{"MIN_TRANSPARENCY"}, 0, 254, "an alpha byte below opaque"},
      {{"TRANSPARENCY_SPEED"}, 0.01, 1e6, "hiding sprites must fade"},
      {{"PASS_DARK_QUAD_COLOR"}, 0, 255, "a colour byte"},
      {{"BORDER_LEFT", "BORDER_RIGHT", "BORDER_UP", "BORDER_DOWN"}, 0, 200, "map margins"},
  };
  for (const auto& r : kRanges) {
    for (const char* key : r.keys) {
      const double v = ini.Number(key);
      EXPECT_TRUE(v >= r.min && v <= r.max) << key << " = " << v << ": " << r.why;
    }
  }
}

}  // namespace
