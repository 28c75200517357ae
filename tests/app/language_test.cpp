// The language: the locale's choice, the English catalogue as the game reads it, and the tables and names
// that follow a switch made while the game runs.
#include "engine/language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "engine/text.h"
#include "game/ids.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/random.h"
#include "support/fake_engine.h"

namespace {

// Every test starts and ends in Russian with the build's catalogues at hand.
class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocaleDir(DH_LOCALE_DIR);
    SetLanguage(Language::Russian);
  }
  void TearDown() override {
    SetLocaleDir(DH_LOCALE_DIR);
    SetLanguage(Language::Russian);
  }
};

bool PlainAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TEST(LanguageChoice, TheLocaleSaysEnglishOnlyWhenItsFirstKnownLanguageIsEnglish) {
  struct Case {
    const char *language, *lcAll, *lcMessages, *lang;
    Language expected;
  };
  for (const Case& c : {
           Case{nullptr, nullptr, nullptr, nullptr, Language::Russian},    // nothing set
           Case{nullptr, nullptr, nullptr, "C.UTF-8", Language::Russian},  // the neutral locale
           Case{nullptr, nullptr, nullptr, "en_GB.UTF-8", Language::English},
           Case{nullptr, nullptr, nullptr, "ru_RU.UTF-8", Language::Russian},
           Case{nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::Russian},  // a language we lack
           Case{"en", nullptr, nullptr, "ru_RU.UTF-8", Language::English},     // LANGUAGE comes first
           Case{"de:en:ru", nullptr, nullptr, nullptr, Language::English},     // its first known entry
           Case{"de:ru:en", nullptr, nullptr, "en_US.UTF-8", Language::Russian},
           Case{"fr", nullptr, nullptr, "en_US.UTF-8", Language::English},  // none known: the locale
           Case{"", "", "", "en_US.UTF-8", Language::English},              // empty values are skipped
           Case{nullptr, "ru_RU.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::Russian},  // LC_ALL wins
           Case{nullptr, nullptr, "en_US.UTF-8", "ru_RU.UTF-8", Language::English},
           Case{nullptr, "C", nullptr, "en_US.UTF-8", Language::Russian},  // LC_ALL=C: no English
       }) {
    EXPECT_EQ(LanguageFromLocale(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
        << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
  }
  EXPECT_STREQ(LanguageCode(Language::Russian), "ru");
  EXPECT_STREQ(LanguageCode(Language::English), "en");
}

// The tests run in the source folder, where Data/en/ holds the English pictures.
TEST_F(LanguageTest, EnglishPicturesAreTakenFromTheirFolderWhereTheyExist) {
  EXPECT_EQ(LocalisedFile("Data/menu.png"), "Data/menu.png");
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  for (const char* picture : {"logo", "menu", "end", "end_lost", "person", "items"}) {
    EXPECT_EQ(LocalisedFile("Data/" + std::string(picture) + ".png"),
              "Data/en/" + std::string(picture) + ".png");
  }
  EXPECT_EQ(LocalisedFile("Data/zombie1.png"), "Data/zombie1.png");  // no words in it: one picture for both
  EXPECT_EQ(LocalisedFile("Data/no such.png"), "Data/no such.png");
}

TEST_F(LanguageTest, AMissingCatalogueKeepsRussianAndSaysWhy) {
  SetLocaleDir("/nonexistent/locale");
  EXPECT_FALSE(SetLanguage(Language::English));
  EXPECT_EQ(CurrentLanguage(), Language::Russian);
  EXPECT_NE(LanguageProblem().find("/nonexistent/locale"), std::string::npos) << LanguageProblem();
  EXPECT_EQ(Tr("Выход"), ToCp1251("Выход"));
}

// Every entry of the committed catalogue, read back through the compiled one exactly as the game asks.
TEST_F(LanguageTest, EveryEntryOfTheEnglishCatalogueComesBackThroughTrAsPlainText) {
  std::ifstream po(std::string(DH_SOURCE_DIR) + "/po/en.po");
  ASSERT_TRUE(po.good());
  auto unquote = [](const std::string& line, size_t from) {
    std::string out;
    for (size_t i = line.find('"', from) + 1; i + 1 < line.size(); ++i) {
      if (line[i] == '\\' && i + 2 < line.size()) ++i;  // \" and \\ stand for themselves
      out += line[i];
    }
    return out;
  };
  std::map<std::string, std::string> entries;
  std::string msgid;
  for (std::string line; std::getline(po, line);) {
    if (line.rfind("msgid ", 0) == 0) msgid = unquote(line, 5);
    if (line.rfind("msgstr ", 0) == 0 && !msgid.empty()) entries[msgid] = unquote(line, 6);
  }
  ASSERT_GT(entries.size(), 100u);
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  for (const auto& [russian, english] : entries) {
    EXPECT_FALSE(english.empty()) << russian;
    EXPECT_TRUE(PlainAscii(english)) << english;
    EXPECT_EQ(Tr(russian.c_str()), english) << russian;
  }
}

TEST_F(LanguageTest, TablesTranslatedOnceFollowASwitchBackAndForth) {
  FakeEngine fake;
  LoadPhrases();
  const std::string russianPhrase = Phrases()[PHRASE_ARMOUR_SAVED];
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  EXPECT_EQ(CurrentLanguage(), Language::English);
  EXPECT_EQ(Phrases()[PHRASE_ARMOUR_SAVED], "The armour stopped the blow");
  ShowPhrase(PHRASE_NO_CARTRIDGES);
  EXPECT_EQ(message, "No cartridges");
  ShowPhrase(-3);
  EXPECT_EQ(message, "Undefined phrase (-3)");
  EXPECT_EQ(ItemName(ITEM_AXE), "Axe");
  EXPECT_EQ(ItemName(-1), "Unknown item");
  EXPECT_EQ(SkillName(SKILL_KNIVES), "Knives");
  Item gun(ITEM_PISTOL);
  EXPECT_EQ(gun.ActionName(), "Shot");

  const unsigned before = LanguageGeneration();
  SetLanguage(Language::Russian);
  EXPECT_NE(LanguageGeneration(), before);
  EXPECT_EQ(Phrases()[PHRASE_ARMOUR_SAVED], russianPhrase);
  EXPECT_EQ(ItemName(ITEM_AXE), ToCp1251("Топор"));
  EXPECT_EQ(gun.ActionName(), ToCp1251("Выстрел"));
  EXPECT_EQ(Tr("Выход"), ToCp1251("Выход"));
}

// A person made in English keeps the Russian name and description (saves hold them so) and shows English.
TEST_F(LanguageTest, APersonKeepsItsRussianTextsAndShowsThemInTheLanguageInForce) {
  FakeEngine fake;
  SetRandomSource(nullptr);
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  for (int profession = 0; profession <= 12; ++profession) {
    SeedRandom(40 + profession);
    Person p(HTEXTURE{0}, profession % 8, profession, 0, 1);  // trait 1: the boxer
    const std::string kept = p.description, keptName = p.displayName;
    EXPECT_FALSE(PlainAscii(keptName)) << "the kept name is not Russian: " << keptName;
    const std::string shown = p.DescriptionText(), shownName = p.DisplayName();
    EXPECT_TRUE(PlainAscii(shown) && PlainAscii(shownName)) << ToUtf8(shown) << " / " << ToUtf8(shownName);
    EXPECT_NE(shown.find("Can break a jaw with one punch."), std::string::npos) << shown;
    EXPECT_NE(shownName.find("Boxer"), std::string::npos) << shownName;
    EXPECT_EQ(shownName.rfind(p.FirstName(), 0), 0u) << shownName;
    SetLanguage(Language::Russian);
    EXPECT_EQ(p.DescriptionText(), kept);
    EXPECT_EQ(p.DisplayName(), keptName);
    SetLanguage(Language::English);
    for (Item* item : p.bag) delete item;
    delete p.hands;
  }
}

}  // namespace
