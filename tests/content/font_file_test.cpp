// Checks of Data/font.fnt and its bitmap: the format, a glyph for every byte the game writes, white glyphs.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "content/content_support.h"
#include "engine/font.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/messages.h"
#include "support/fake_engine.h"

namespace {

// Texts the game writes that no table of the game hands out whole: names, passports, labels.
const char* const kFixedTexts[] = {
    "Сергей Максим Володя Антон Миша Саша Женя Игорь",
    "Навыки: нет С собой: ничего нет",
    "Повар. Мясник. Однажды на спор разделал свиную тушу за 5 минут. Военный. Все началось прямо в казарме.",
    "Офицеры бывшими не бывают. Врач. За 3 года работы в неотложке многое повидал, но не такое.",
    "Сантехник. Почтальон. Полицейский. Похоже, что сегодняшнее дежурство никогда не закончится.",
    "Старое ранение болит... ох не к добру это. Детектив. Поможет ли цепкий глаз и хорошая память против "
    "зомби?",
    "Лесоруб. Лесник. Какой черт дернул именно сегодня поехать в город за спичками и солью?",
    "Охранник. Сторож. Байкер. Деревенщина. Гимнаст. Дистрофик. Робин-Гуда. Красного Креста.",
    "FPS = %i ACUR = %i:%i (%i), %i PP = %i-%i-%i-%i PATHFINDING 0123456789 /",
    "Неизвестно действие Person::analyz Фраза не определена (-1)",
    "ЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ ёжзийклмнопрстуфхцчшщъыьэюя «»—–№…",
};

class FontFile : public ::testing::Test {
 protected:
  FontFile() { hgeInstall(&fake); }

  FakeEngine fake;
};

TEST_F(FontFile, IsAnAsciiHgeFontDescriptionWithHexNamesForAwkwardBytes) {
  std::string text;
  ASSERT_TRUE(content::ReadWholeFile("Data/font.fnt", &text));
  EXPECT_EQ(text.compare(0, 10, "[HGEFONT]\n"), 0) << "the first line must be exactly [HGEFONT]";
  for (unsigned char c : text) ASSERT_LT(c, 0x80) << "the description must be plain ASCII";
  std::istringstream lines(text);
  std::string line, bitmap;
  std::set<std::string> names;
  while (std::getline(lines, line)) {
    EXPECT_LT(line.size(), 255u);
    if (line.rfind("Bitmap = ", 0) == 0) bitmap = line.substr(9);
    if (line.rfind("Char = ", 0) == 0) names.insert(line.substr(7, line.find(',', 8) - 7));
  }
  EXPECT_EQ(bitmap, "font.png");
  EXPECT_TRUE(names.count("20")) << "the space is named by its hex value";
  EXPECT_TRUE(names.count("22")) << "the double quote is named by its hex value";
  EXPECT_TRUE(names.count("C0")) << "Cyrillic letters are named by their Windows-1251 value";
}

TEST_F(FontFile, HasAGlyphInsideTheBitmapForEveryByteTheGameWrites) {
  hgeFont font("Data/font.fnt");
  ASSERT_TRUE(font.IsLoaded());
  int bw = 0, bh = 0;
  ASSERT_TRUE(content::PngSize("Data/font.png", &bw, &bh));
  std::vector<std::string> texts;
  for (const char* t : kFixedTexts) texts.push_back(ToCp1251(t));
  LoadPhrases();
  texts.insert(texts.end(), Phrases().begin(), Phrases().end());
  for (int t = 0; t <= 52; ++t) texts.push_back(ItemName(t));
  for (int s = 0; s <= 21; ++s) texts.push_back(SkillName(s));
  std::string ascii;
  for (int c = 0x20; c < 0x7F; ++c) ascii += static_cast<char>(c);
  texts.push_back(ascii);
  std::set<unsigned char> bytes;
  for (const std::string& t : texts) bytes.insert(t.begin(), t.end());
  bytes.erase('\n');
  for (int c = 0xC0; c <= 0xFF; ++c) bytes.insert(static_cast<unsigned char>(c));
  bytes.insert(0xA8);  // Ё
  bytes.insert(0xB8);  // ё
  for (unsigned char c : bytes) {
    hgeSprite* glyph = font.GetSprite(c);
    ASSERT_NE(glyph, nullptr) << "no glyph for byte 0x" << std::hex << static_cast<int>(c);
    float x, y, w, h;
    glyph->GetTextureRect(&x, &y, &w, &h);
    EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= bw && y + h <= bh) << "glyph 0x" << std::hex << int(c);
    EXPECT_EQ(h, font.GetHeight()) << "glyph 0x" << std::hex << int(c) << " is not a full line high";
  }
  EXPECT_GE(font.GetHeight(), 13.0f) << "too small to read at the HUD";
  EXPECT_LE(font.GetHeight(), 18.0f);
  EXPECT_GT(font.GetStringWidth(ToCp1251("Ж").c_str()), font.GetStringWidth("i"));
}

TEST_F(FontFile, GlyphsAreWhiteSoColourModulationTintsThem) {
  const content::Pixels px = content::LoadPixels("Data/font.png");
  ASSERT_GT(px.w, 0);
  int inked = 0;
  for (int y = 0; y < px.h; ++y) {
    for (int x = 0; x < px.w; ++x) {
      if (px.Alpha(x, y) == 0) continue;
      ++inked;
      ASSERT_EQ(px.At(x, y, 0), 255) << x << ", " << y;
      ASSERT_EQ(px.At(x, y, 1), 255) << x << ", " << y;
      ASSERT_EQ(px.At(x, y, 2), 255) << x << ", " << y;
    }
  }
  EXPECT_GT(inked, 5000);
}

}  // namespace
