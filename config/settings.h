// The settings of Data/dh.ini: one global per key, named after the key, loaded from one table.
#pragma once

#include <cstdint>

#define SETTING_F(section, key) extern float key;
#define SETTING_I(section, key) extern int32_t key;
#include "config/settings_keys.h"
#undef SETTING_F
#undef SETTING_I

// Read once by the entry function: > 0 shows the logo; < 1 developer displays; 1 dimming; -1 zombie indices.
extern int32_t LOGO;
// Top edge of the inventory panel, 600 - INTER_INV_H, derived on every load.
extern float INTER_INV_TOP;

class HGE;

// Reads every key from the engine's ini file (section by section); absent keys get 1.0 / 1.
void LoadSettings(HGE* hge);

// One row of the loading table, for tools and tests that walk every key.
struct SettingInfo {
  const char* section;
  const char* key;
  bool isInt;
  void* address;
};
// The whole table in loading order, terminated by a row with a null key.
const SettingInfo* SettingsTable();
