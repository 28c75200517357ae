// Skill names.
#include "engine/language.h"
#include "game/item.h"

namespace {

const char* const kSkillNames[] = {
    N_("Ножи"),      N_("Автоматы"),  N_("Пистолет"), N_("Лечение"), N_("Газовый ключ"),
    N_("Револьвер"), N_("Гимнаст"),   N_("Детектив"), N_("Топоры"),  N_("Бензопилы"),
    N_("Дубинка"),   N_("Цепь"),      N_("Ломик"),    N_("Плотник"), N_("Боксер"),
    N_("Лук"),       N_("Аналгезия"), N_("Ружье"),    N_("Бита"),    N_("Не умеет водить"),
    N_("Дистрофик"),
};
constexpr int kSkillCount = sizeof(kSkillNames) / sizeof(kSkillNames[0]);

}  // namespace

const char* SkillText(int32_t skill) {
  if (skill < 0 || skill >= kSkillCount) return N_("навык не известен");
  return kSkillNames[skill];
}

std::string SkillName(int32_t skill) {
  return Tr(SkillText(skill));
}
