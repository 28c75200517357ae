// The settings globals and the table that drives their loading.
#include "config/settings.h"

#include "engine/hge.h"

#define SETTING_F(section, key) float key = 0.0f;
#define SETTING_I(section, key) int32_t key = 0;
#include "config/settings_keys.h"
#undef SETTING_F
#undef SETTING_I

int32_t LOGO = 1;
float INTER_INV_TOP = 0.0f;

namespace {

#define SETTING_F(section, key) {#section, #key, false, &key},
#define SETTING_I(section, key) {#section, #key, true, &key},
const SettingInfo kTable[] = {
#include "config/settings_keys.h"
    {nullptr, nullptr, false, nullptr},
};
#undef SETTING_F
#undef SETTING_I

}  // namespace

const SettingInfo* SettingsTable() { return kTable; }

void LoadSettings(HGE* hge) {
  for (const SettingInfo* s = kTable; s->key != nullptr; ++s) {
    if (s->isInt) {
      *static_cast<int32_t*>(s->address) = hge->Ini_GetInt(s->section, s->key, 1);
    } else {
      *static_cast<float*>(s->address) = hge->Ini_GetFloat(s->section, s->key, 1.0f);
    }
  }
  INTER_INV_TOP = 600.0f - INTER_INV_H;
}
