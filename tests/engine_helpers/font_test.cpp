// hgeFont: loading, alignment, line breaks, the '?' stand-in, widths and printf.
#include "engine/font.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/sprite.h"
#include "support/fake_engine.h"

namespace {

// Glyphs: 'A' 8 wide (pre 1, post 2), 'B' 6 wide, '?' 5 wide, all 12 high but 'B' (10).
const char kGlyphs[] = "Char=\"A\",0,0,8,12,1,2\nChar=42,8,0,6,10,0,0\n";
const char kQuestion[] = "Char=3F,14,0,5,12,0,0\n";

class FontTest : public ::testing::Test {
 protected:
  FontTest() {
    hgeInstall(&fake);
    fake.SetFile("Data/font.png", "picture");
    fake.SetImageSize("Data/font.png", 64, 32);
  }

  // Makes a font file in Data/ whose bitmap is Data/font.png, and returns its name.
  std::string Font(const std::string& glyphs, const std::string& name = "Data/font.fnt") {
    fake.SetFile(name, "[HGEFONT]\nBitmap=font.png\n" + glyphs);
    return name;
  }

  // The top-left corner of every quad drawn since the last call, as "x,y".
  std::vector<std::string> Drawn() {
    std::vector<std::string> corners;
    for (const hgeQuad& q : fake.quads) {
      char corner[48];
      std::snprintf(corner, sizeof corner, "%g,%g", q.v[0].x, q.v[0].y);
      corners.push_back(corner);
    }
    fake.quads.clear();
    return corners;
  }

  FakeEngine fake;
};

// Guards loading: the bitmap beside the file, unusable lines not counted in the height, every resource and
// reference given back; and broken files: a wrong header logged once, a missing file silently, a missing
// bitmap stopping the reading, such fonts drawing and measuring nothing.
TEST_F(FontTest, LoadsGlyphsAndBrokenFilesGiveEmptyFonts) {
  fake.SetFile("Data/bad.fnt", "HGEFONT\nBitmap=font.png\n" + std::string(kGlyphs));
  fake.SetFile("Data/nob.fnt", "[HGEFONT]\nBitmap=gone.png\n" + std::string(kGlyphs));
  {
    hgeFont font(Font(std::string(kGlyphs) + kQuestion + "Char=100,0,0,9,30,0,0\n").c_str());
    EXPECT_FLOAT_EQ(font.GetHeight(), 12);
    ASSERT_NE(font.GetSprite('A'), nullptr);
    EXPECT_EQ(font.GetSprite('C'), nullptr);
    EXPECT_EQ(fake.textures[font.GetSprite('A')->GetTexture()].name, "Data/font.png");
    hgeFont bad("Data/bad.fnt"), none("Data/none.fnt"), nob("Data/nob.fnt");
    EXPECT_EQ(fake.log, (std::vector<std::string>{"Font Data/bad.fnt has incorrect format."}));
    for (const hgeFont* broken : {&bad, &none, &nob}) {
      EXPECT_FALSE(broken->IsLoaded());
      EXPECT_EQ(broken->GetSprite('A'), nullptr);
    }
    bad.Render(0, 0, HGETEXT_LEFT, "AB");
    EXPECT_TRUE(fake.quads.empty());
    EXPECT_FLOAT_EQ(bad.GetStringWidth("AB"), 0);
    EXPECT_EQ(fake.openResources, 0);
  }
  EXPECT_EQ(fake.refs, 0);
}

// Guards glyph placement and widths: advance by pre, width and post; right lines (only the low two bits of
// the alignment count); every line realigned and moved down by the rounded line height; missing glyphs drawn
// as '?', or taking no room.
TEST_F(FontTest, PlacesGlyphsAndMeasuresLines) {
  const std::string withQuestion = Font(std::string(kGlyphs) + kQuestion);
  const std::string without = Font(kGlyphs, "Data/plain.fnt");
  const struct {
    float spacing;
    bool question;
    int align;
    const char* text;
    std::vector<std::string> corners;
    float width;
  } rows[] = {
      {1, true, HGETEXT_LEFT, "AB", {"101,50", "111,50"}, 17},
      {1, true, HGETEXT_RIGHT | 4, "AB", {"84,50", "94,50"}, 17},
      {1.3f, true, HGETEXT_RIGHT, "AB\nB", {"84,50", "94,50", "94,66"}, 17},  // 12 * 1.3 rounds to 16
      {1, true, HGETEXT_LEFT, "AZ", {"101,50", "111,50"}, 16},
      {1, false, HGETEXT_LEFT, "AZB", {"101,50", "111,50"}, 17},
  };
  for (const auto& row : rows) {
    hgeFont font((row.question ? withQuestion : without).c_str());
    font.SetSpacing(row.spacing);
    font.Render(100, 50, row.align, row.text);
    EXPECT_EQ(Drawn(), row.corners) << row.text;
    EXPECT_FLOAT_EQ(font.GetStringWidth(row.text), row.width) << row.text;
  }
  hgeFont font(withQuestion.c_str());
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\nBB"), 12);
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\nBB", false), 11);
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\n\r\nBB\n"), 12);  // the run between lines is skipped
  font.Render(0, 0, HGETEXT_LEFT, "AZ");
  ASSERT_EQ(fake.quads.size(), 2u);
  EXPECT_FLOAT_EQ(fake.quads[1].v[0].tx, 14.0f / 64);  // the '?' picture
}

// Guards printf: formatted like Render, cut at 1023 characters.
TEST_F(FontTest, PrintfIsFormattedAndBounded) {
  hgeFont font(Font(kGlyphs).c_str());
  font.printf(0, 0, HGETEXT_LEFT, "%d%s", 4, "AB");  // '4' has no glyph and no stand-in
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"1,0", "11,0"}));
  std::string text(1500, 'B');
  text[0] = 'A';
  font.printf(0, 0, HGETEXT_LEFT, "%s", text.c_str());
  EXPECT_EQ(fake.quads.size(), 1023u);
}

}  // namespace
