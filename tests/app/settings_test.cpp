// The settings table: values and defaults after every load, the derived panel top, the table's order.
#include "config/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/fake_engine.h"

namespace {

TEST(Settings, AbsentKeysTakeOneAndPresentKeysTheirValueAfterEveryReload) {
  FakeEngine fake;
  LoadSettings(&fake);
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    EXPECT_EQ(s->isInt ? *static_cast<int32_t*>(s->address) : *static_cast<float*>(s->address), 1.0f)
        << s->key;
  }
  EXPECT_FLOAT_EQ(INTER_INV_TOP, 599.0f);  // the screen height less the panel's
  fake.SetIni("maps", "SCROLLING_SPEED", "450.5");
  fake.SetIni("passport", "PASS_PHOTO_NUM", "5");
  fake.SetIni("interface", "INTER_INV_H", "120");
  LoadSettings(&fake);
  EXPECT_FLOAT_EQ(SCROLLING_SPEED, 450.5f);
  EXPECT_EQ(PASS_PHOTO_NUM, 5);
  EXPECT_FLOAT_EQ(INTER_INV_TOP, 480.0f);
  EXPECT_FLOAT_EQ(BORDER_LEFT, 1.0f);
}

// Sections are read in file order, each key once; the whole numbers are read as such.
TEST(Settings, TableIsOrderedBySectionWithUniqueKeysAndTheWholeNumbers) {
  const std::string order[] = {"start", "maps", "interface", "passport"};
  size_t section = 0;
  std::set<std::string> keys, ints;
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    while (section < 4 && order[section] != s->section) ++section;
    ASSERT_LT(section, 4u) << s->key << " is out of section order";
    EXPECT_TRUE(keys.insert(s->key).second) << s->key << " twice";
    if (s->isInt) ints.insert(s->key);
  }
  EXPECT_EQ(ints, (std::set<std::string>{"LIFEBAR_CADR", "PASS_PHOTO_NUM", "PASS_DARK_QUAD_COLOR"}));
  EXPECT_EQ(keys.count("LOGO"), 0u);  // read by the entry function alone
}

}  // namespace
