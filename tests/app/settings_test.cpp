// The settings table: values and defaults after every load, the derived panel top, unique keys.
#include "config/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/fake_engine.h"

namespace {

// Absent keys read as 1; a key listed twice would be read into the first variable only.
TEST(Settings, AbsentKeysTakeOneAndPresentKeysTheirValueAfterEveryReload) {
  FakeEngine fake;
  LoadSettings(&fake);
  std::set<std::string> keys;
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    EXPECT_EQ(s->isInt ? *static_cast<int32_t*>(s->address) : *static_cast<float*>(s->address), 1.0f)
        << s->key;
    EXPECT_TRUE(keys.insert(s->key).second) << s->key << " twice";
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

}  // namespace
