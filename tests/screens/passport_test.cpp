// Passport cards: the word wrap of the description, and every card's text inside the card.

#include <fstream>
#include <map>

#include "engine/language.h"
#include "screen_fixture.h"
#include "ui/help_overlay.h"

namespace {

using Passport = ScreenTest;

// Wrapping breaks only at spaces before the word that would pass the width, paragraph by paragraph.
TEST_F(Passport, LongParagraphsBreakOnlyAtSpacesBeforeTheWordThatWouldPassTheWidth) {
  // Every glyph, the space included, is 10 pixels wide.
  std::string description = "[HGEFONT]\nBitmap=wrap.png\nChar=20,0,0,10,10,0,0\n";
  for (char c = 'a'; c <= 'z'; ++c) {
    description += "Char=\"" + std::string(1, c) + "\"," + std::to_string((c - 'a') * 10) + ",0,10,10,0,0\n";
  }
  fake.SetFile("wrap.fnt", description);
  fake.SetFile("wrap.png", "png");
  fake.SetImageSize("wrap.png", 512, 16);
  const hgeFont font("wrap.fnt");
  struct Case {
    const char* text;
    float width;
    const char* wrapped;
  };
  for (const Case& c :
       {Case{"abc def\nghi", 70, "abc def\nghi"},  // fits: its own breaks only
        Case{"", 30, ""}, Case{"ab\ncccc dddd eeee\nz", 90, "ab\ncccc dddd \neeee\nz"},  // "dddd" just fits
        Case{"aaaaaaaaaaaa b", 50, "\naaaaaaaaaaaa \nb"}}) {  // too wide: not split
    EXPECT_EQ(WrapText(c.text, font, c.width), c.wrapped) << c.text;
  }
}

// The card's pictures and text at the shipped layout: every PASS_ and INTER_ setting of Data/dh.ini, put
// back after.
class ShippedCard : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ASSERT_TRUE(font1->GetSprite('0') != nullptr) << "no Data/font.fnt";
    std::ifstream ini("Data/dh.ini");
    ASSERT_TRUE(ini.good()) << "no Data/dh.ini";
    for (std::string line; std::getline(ini, line);) {
      const size_t eq = line.find('=');
      if ((line.rfind("PASS_", 0) != 0 && line.rfind("INTER_", 0) != 0) || eq == std::string::npos) continue;
      std::string key = line.substr(0, eq);
      key.erase(key.find_last_not_of(' ') + 1);
      for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
        if (key != s->key || s->isInt) continue;
        float* value = static_cast<float*>(s->address);
        kept.emplace_back(value, *value);
        *value = std::stof(line.substr(eq + 1));
      }
    }
  }
  void TearDown() override {
    for (Person* p : people) {
      for (Item* item : p->bag) delete item;
      delete p;
    }
    for (const auto& [address, value] : kept) *address = value;
    ScreenTest::TearDown();
  }

  // Paints the card of `person` at (0, 0) and checks that every letter lies inside the card's text frame,
  // none covers another, and the description stays above the rule over the skills line.
  void ExpectFits(const Person& person, const std::string& what) {
    fake.ClearRecords();
    DrawPassport(person, 0.0f, 0.0f);
    const HTEXTURE letters = font1->GetSprite('0')->GetTexture();
    const float left = PASS_SKILL_X, right = PASS_W - PASS_SKILL_X;
    struct Box {
      float x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    for (const hgeQuad& q : fake.quads) {
      if (q.tex != letters) continue;
      const Box b{q.v[0].x, q.v[0].y, q.v[2].x, q.v[2].y};
      EXPECT_TRUE(b.x0 >= left && b.x1 <= right && b.y0 >= 0 && b.y1 <= PASS_H)
          << what << ": a letter at " << b.x0 << "," << b.y0 << " leaves the card's text frame";
      // The description's lines start right of the photo; they end at the rule over the skills line.
      if (b.x0 >= PASS_DESC_X && b.y0 >= PASS_DESC_Y && b.y0 < PASS_SKILL_Y - 3) {
        EXPECT_LE(b.y1, PASS_SKILL_Y - 3 + 1e-3f) << what << ": the description runs over the rule";
      }
      boxes.push_back(b);
    }
    for (size_t i = 0; i < boxes.size(); ++i) {
      for (size_t j = i + 1; j < boxes.size(); ++j) {
        const Box& a = boxes[i];
        const Box& b = boxes[j];
        // Neighbours on one line may share a pixel column: the font's r, j, J, L and T overhang by one.
        const float side = a.y0 == b.y0 ? 1.5f : 0.5f;
        const bool overlap =
            a.x0 < b.x1 - side && b.x0 < a.x1 - side && a.y0 < b.y1 - 0.5f && b.y0 < a.y1 - 0.5f;
        ASSERT_FALSE(overlap) << what << ": two letters cover each other at " << a.x0 << "," << a.y0;
      }
    }
  }

  // Paints a card for every description, skills line and items line a candidate can have (222 descriptions
  // of thirteen professions, two of them only ever built by hand, with the trait texts each may take).
  // With `someLineWraps`, some items line must be wider than the card (the Russian names are long enough).
  void ExpectEveryCardFits(bool someLineWraps) {
    SetRandomSource(nullptr);
    SeedRandom(15);
    std::map<std::string, std::string> descriptions, skills, items;  // text -> the passport shown for it
    auto fresh = [](std::map<std::string, std::string>& seen, const std::string& text) {
      return seen.emplace(text, ToUtf8(text)).second;
    };
    for (int profession = 0; profession <= 12; ++profession) {
      for (int trait = 0; trait <= 12; ++trait) {
        // A postman's parcel holds any of 33 things, and a trait may add one more: the longest items lines.
        const int tries = profession == 4 && (trait == 9 || trait == 10) ? 3000 : 48;
        for (int k = 0; k < tries; ++k) {
          Person* p = new Person(HTEXTURE{0}, k % 8, profession, k % 5, trait);
          const bool a = fresh(descriptions, p->DescriptionText());
          const bool b = fresh(skills, SkillsLine(*p));
          const bool c = fresh(items, ItemsLine(*p));
          if (a || b || c) {
            people.push_back(p);
          } else {
            for (Item* item : p->bag) delete item;
            delete p;
          }
        }
      }
    }
    EXPECT_EQ(descriptions.size(), 222u);
    float widestItems = 0.0f;
    for (Person* p : people) {
      ExpectFits(
          *p, ToUtf8(p->DescriptionText()) + " / " + ToUtf8(SkillsLine(*p)) + " / " + ToUtf8(ItemsLine(*p)));
      widestItems = std::max(widestItems, font1->GetStringWidth(ItemsLine(*p).c_str(), false));
    }
    // Some items line is wider than the card: it is wrapped, not cut.
    if (someLineWraps) {
      EXPECT_GT(widestItems, PASS_W - 2 * PASS_SKILL_X);
    }
  }

  // The candidates of ExpectEveryCardFits (made on first use), one for each text a card can show.
  const std::vector<Person*>& People() {
    if (people.empty()) ExpectEveryCardFits(false);
    return people;
  }

  std::vector<std::pair<float*, float>> kept;
  std::vector<Person*> people;
};

// Every description a candidate can have, and the longest skills and items lines, fit the card at its real
// size with the game's font. Candidates of every profession and trait are made many times over, so each
// drawn variant turns up.
TEST_F(ShippedCard, EveryDescriptionSkillsAndItemsLineFitsInsideTheCard) {
  ExpectEveryCardFits(true);
}

// The same cards in English: the descriptions, skills and items the catalogue gives them.
TEST_F(ShippedCard, EveryEnglishDescriptionSkillsAndItemsLineFitsInsideTheCard) {
  SetLocaleDir(DH_LOCALE_DIR);
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "the browser build speaks Russian only";
#endif
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  ExpectEveryCardFits(false);
  SetLanguage(Language::Russian);
}

// The display's texts in English: the action's name beside the active item's range, and on the message line
// every phrase, item, find and member's name, which ends before the equipment slots; and the help's lines.
TEST_F(ShippedCard, EveryEnglishTextOfTheDisplayFitsItsBox) {
  SetLocaleDir(DH_LOCALE_DIR);
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "the browser build speaks Russian only";
#endif
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  const float line = INTER_INV_ARMOR_X - 8.0f - INTER_MESSAGE_X;
  std::vector<std::string> texts;
  LoadPhrases();
  texts = Phrases();
  for (int type = 0; type < ITEM_TYPE_COUNT; ++type) {
    texts.push_back(ItemName(type));
    texts.push_back(Tr("Найдено: ") + ItemName(type));
  }
  for (const char* text : {"Нет гвоздей", "Нет стрел", "Машина не здесь"}) texts.push_back(Tr(text));
  for (const Person* p : People()) texts.push_back(p->DisplayName());
  for (const std::string& text : texts) {
    EXPECT_LE(font2->GetStringWidth(text.c_str(), false), line) << ToUtf8(text);
  }
  // The action's name starts at the big frame's left edge; the range is written right-aligned at its right.
  const float rangeWidth = font1->GetStringWidth("10", false);
  const float room = 2 * INTER_ITEM_BIG_W - 4 - rangeWidth - 4;
  for (int type = 0; type < ITEM_TYPE_COUNT; ++type) {
    Item item(type);
    for (size_t a = 0; a < item.actions.size(); ++a) {
      item.selectedAction = static_cast<int32_t>(a);
      const std::string name = item.ActionName();
      EXPECT_LE(font1->GetStringWidth(name.c_str(), false), room) << ToUtf8(name);
    }
  }
  // The help's lines stand on a panel inside the screen with a margin on each side, as in Russian.
  for (const std::string& help : HelpLines()) {
    EXPECT_LE(font1->GetStringWidth(help.c_str()), 760.0f) << help;
  }
  SetLanguage(Language::Russian);
  LoadPhrases();
}

}  // namespace
