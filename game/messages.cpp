// The phrase table and the posting of messages.
#include "game/messages.h"

#include "engine/font.h"
#include "engine/language.h"
#include "engine/text.h"

hgeFont* messageFont = nullptr;

namespace {

std::vector<std::string> phrases;
// The language the table was translated into.
unsigned phrasesGeneration = 0;

const char* const kPhraseTexts[] = {
    N_("Надо подойти ближе"),
    N_("Удалось немного подлечить"),
    N_("Аптечка закончилась"),
    N_("Не чувствует боли"),
    N_("Чувствует себя бодрее"),
    N_("Неудачная попытка"),
    N_("Недостаточно очков действия"),
    N_("Недостаточно места в инвентаре"),
    N_("Передал предмет"),
    N_("Переложил из руки в руку"),
    N_("Выброшены предметы, которым не хватило места"),
    N_("Он не умеет водить!"),
    N_("Двигатель не завелся"),
    N_("Требуется 1 очко действия"),
    N_("Требуется 3 очка действия"),
    N_("Броня спасла от урона"),
    N_("Положил предмет на землю"),
    N_("В этой клетке некого лечить"),
    N_("Нет патронов"),
};
constexpr int kPhraseCount = sizeof(kPhraseTexts) / sizeof(kPhraseTexts[0]);

std::string UndefinedPhrase(int number) {
  return Tr("Фраза не определена (") + IntToText(number) + ")";
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
  for (int i = 0; i < kPhraseCount; ++i) phrases[i] = Tr(kPhraseTexts[i]);
  phrasesGeneration = LanguageGeneration();
}

const std::vector<std::string>& Phrases() {
  if (!phrases.empty() && phrasesGeneration != LanguageGeneration()) LoadPhrases();
  return phrases;
}

void ShowPhrase(int number) {
  if (number >= 0 && number < static_cast<int>(Phrases().size())) {
    Post(Phrases()[number]);
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
