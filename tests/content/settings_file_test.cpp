// Checks of Data/dh.ini: every setting the game reads is there, in its section, as a number, and no key is
// misspelt.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

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
    EXPECT_FALSE(std::isnan(ini.Number(s->key, s->section)))
        << "[" << s->section << "] " << s->key << " = '" << value << "' is missing or not a number";
    EXPECT_TRUE(!s->isInt || value.find_first_of(".eE") == std::string::npos) << s->key << " must be whole";
  }
  EXPECT_GT(known.size(), 150u);
  // Counts the game indexes pictures with: a photo per survivor sheet, a life-bar frame for life 0 to 4.
  EXPECT_EQ(ini.Number("PASS_PHOTO_NUM"), 5);
  EXPECT_GE(ini.Number("LIFEBAR_CADR"), 5);
  EXPECT_LE(ini.Number("MIN_TRANSPARENCY"), 254) << "an alpha byte below opaque";
  for (const auto& section : ini.sections) {
    for (const auto& key : section.second) {
      EXPECT_TRUE(known.count(section.first + "/" + key.first))
          << "[" << section.first << "] " << key.first << " is read by nobody (a misspelt key?)";
    }
  }
}

}  // namespace
