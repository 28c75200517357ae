// The phrase table and the posting of messages.
#include "game/messages.h"

#include "engine/font.h"
#include "engine/text.h"

hgeFont* messageFont = nullptr;

namespace {

std::vector<std::string> phrases;

const char* const kPhraseTexts[] = {
    "Надо подойти ближе",
    "Удалось немного подлечить",
    "Аптечка закончилась",
    "Не чувствует боли",
    "Чувствует себя бодрее",
    "Неудачная попытка",
    "Недостаточно очков действия",
    "Недостаточно места в инвентаре",
    "Передал предмет",
    "Переложил из руки в руку",
    "Выброшены предметы, которым не хватило места",
    "Он не умеет водить!",
    "Двигатель не завелся",
    "Требуется 1 очко действия",
    "Требуется 3 очка действия",
    "Броня спасла от урона",
    "Положил предмет на землю",
    "В этой клетке некого лечить",
    "Нет патронов",
};
constexpr int kPhraseCount = sizeof(kPhraseTexts) / sizeof(kPhraseTexts[0]);

std::string UndefinedPhrase(int number) {
  return ToCp1251("Фраза не определена (") + IntToText(number) + ")";
}

void Post(const std::string& text) {
  message = text;
  messageFlash = 0.0f;
  if (messageFont != nullptr) messageFont->SetColor(0xFFFF0000);
}

}  // namespace

void LoadPhrases() {
  phrases.clear();
  for (int i = 0; i < kPhraseCount; ++i) phrases.push_back(UndefinedPhrase(i));
  for (int i = 0; i < kPhraseCount; ++i) phrases[i] = ToCp1251(kPhraseTexts[i]);
}

const std::vector<std::string>& Phrases() {
  return phrases;
}

void ShowPhrase(int number) {
  if (number >= 0 && number < static_cast<int>(phrases.size())) {
    Post(phrases[number]);
  } else {
    Post(UndefinedPhrase(number));
  }
}

void ShowMessage(const std::string& text) {
  Post(text);
}

void UpdateMessageFlash(float dt) {
  if (messageFlash >= MESSAGE_FLASH_TIME) return;
  messageFlash += dt;
  if (messageFlash > MESSAGE_FLASH_TIME) messageFlash = MESSAGE_FLASH_TIME;
  const uint32_t v = static_cast<uint32_t>(static_cast<int>(messageFlash / MESSAGE_FLASH_TIME * 255.0f));
  if (messageFont != nullptr) messageFont->SetColor(0x101u * v - 0x10000u);
}
