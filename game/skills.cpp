// Skill names.
#include "engine/text.h"
#include "game/item.h"

namespace {

const char* const kSkillNames[] = {
    "Ножи",     "Автоматы", "Пистолет",  "Лечение", "Газовый ключ", "Револьвер",       "Гимнаст",
    "Детектив", "Топоры",   "Бензопилы", "Дубинка", "Цепь",         "Ломик",           "Плотник",
    "Боксер",   "Лук",      "Аналгезия", "Ружье",   "Бита",         "Не умеет водить", "Дистрофик",
};
constexpr int kSkillCount = sizeof(kSkillNames) / sizeof(kSkillNames[0]);

}  // namespace

std::string SkillName(int32_t skill) {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const char* name : kSkillNames) list.push_back(ToCp1251(name));
    return list;
  }();
  if (skill < 0 || skill >= kSkillCount) return ToCp1251("навык не известен");
  return names[skill];
}
