// Checks of Data/font.fnt and its bitmap: a plain-ASCII description and a full-height glyph inside the bitmap
// for every byte the game writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "content/content_support.h"
#include "engine/font.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/messages.h"
#include "support/fake_engine.h"

namespace {

TEST(FontFile, HasAGlyphInsideTheBitmapForEveryByteTheGameWrites) {
  std::string text;
  ASSERT_TRUE(content::ReadWholeFile("Data/font.fnt", &text));
  EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  })) << "the description must be plain ASCII: Cyrillic letters are named by their hex value";

  FakeEngine fake;
  hgeInstall(&fake);
  hgeFont font("Data/font.fnt");
  ASSERT_TRUE(font.IsLoaded());
  const content::Pixels bitmap = content::LoadPixels("Data/font.png");
  ASSERT_GT(bitmap.w, 0);
  // Printable ASCII and Windows-1251 Cyrillic cover the names, passports and labels; the tables add the rest.
  std::set<unsigned char> bytes = {0xA8, 0xB8};  // Ё, ё
  for (int c = 0x20; c < 0x7F; ++c) bytes.insert(static_cast<unsigned char>(c));
  for (int c = 0xC0; c <= 0xFF; ++c) bytes.insert(static_cast<unsigned char>(c));
  LoadPhrases();
  std::vector<std::string> texts = Phrases();
  for (int t = 0; t <= 52; ++t) texts.push_back(ItemName(t));
  for (int s = 0; s <= 21; ++s) texts.push_back(SkillName(s));
  for (const std::string& t : texts) bytes.insert(t.begin(), t.end());
  bytes.erase('\n');
  for (unsigned char c : bytes) {
    hgeSprite* glyph = font.GetSprite(c);
    ASSERT_NE(glyph, nullptr) << "no glyph for byte 0x" << std::hex << int(c);
    float x, y, w, h;
    glyph->GetTextureRect(&x, &y, &w, &h);
    EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= bitmap.w && y + h <= bitmap.h)
        << "glyph 0x" << std::hex << int(c);
    EXPECT_EQ(h, font.GetHeight()) << "glyph 0x" << std::hex << int(c) << " is not a full line high";
  }
}

}  // namespace
