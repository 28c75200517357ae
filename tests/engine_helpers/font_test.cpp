// hgeFont: loading from files, alignment, line breaks, the '?' stand-in, widths, printf and colour.
#include "engine/font.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/sprite.h"
#include "engine_helpers/temp_dir.h"
#include "support/fake_engine.h"

namespace {

// Glyphs: 'A' 8 wide (pre 1, post 2), 'B' 6 wide, '?' 5 wide, all 12 high but 'B' (10).
const char kGlyphs[] =
    "Char=\"A\",0,0,8,12,1,2\n"
    "Char=42,8,0,6,10,0,0\n";
const char kQuestion[] = "Char=3F,14,0,5,12,0,0\n";

class FontTest : public ::testing::Test {
 protected:
  FontTest() {
    hgeInstall(&fake);
    dir.Write("font.png", PngHeader(64, 32));
  }

  // Writes a font file beside font.png and returns its path.
  std::string WriteFont(const std::string& body, const std::string& name = "font.fnt") {
    return dir.Write(name, "[HGEFONT]\nBitmap=font.png\n" + body);
  }

  // The x of the top-left corner of every quad drawn since the last call.
  std::vector<float> DrawnX() {
    std::vector<float> xs;
    for (const hgeQuad& q : fake.quads) xs.push_back(q.v[0].x);
    fake.quads.clear();
    return xs;
  }

  FakeEngine fake;
  TempDir dir;
};

TEST_F(FontTest, LoadsGlyphsFromTheBitmapBesideTheFile) {
  std::string path = WriteFont(std::string(kGlyphs) + kQuestion + "Char=100,0,0,9,30,0,0\n");
  {
    hgeFont font(path.c_str());
    EXPECT_TRUE(font.IsLoaded());
    EXPECT_FLOAT_EQ(font.GetHeight(), 12);  // the skipped 30-high line does not count
    ASSERT_NE(font.GetSprite('A'), nullptr);
    EXPECT_EQ(font.GetSprite('C'), nullptr);
    HTEXTURE tex = font.GetSprite('A')->GetTexture();
    EXPECT_EQ(fake.textures[tex].name, dir.path + "/font.png");
    EXPECT_TRUE(fake.failedTextures.empty());
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(fake.openResources, 0);
  }
  EXPECT_EQ(fake.refs, 0);
}

TEST_F(FontTest, BrokenFilesGiveEmptyFonts) {
  std::string wrongHeader = dir.Write("bad.fnt", "HGEFONT\nBitmap=font.png\n" + std::string(kGlyphs));
  hgeFont bad(wrongHeader.c_str());
  EXPECT_FALSE(bad.IsLoaded());
  EXPECT_EQ(bad.GetSprite('A'), nullptr);
  ASSERT_EQ(fake.log.size(), 1u);
  EXPECT_EQ(fake.log[0], "Font " + wrongHeader + " has incorrect format.");

  std::string missing = dir.path + "/none.fnt";
  hgeFont none(missing.c_str());
  EXPECT_FALSE(none.IsLoaded());
  EXPECT_EQ(fake.log.size(), 1u);  // no message for a missing file

  // Reading stops at a bitmap that cannot be loaded: glyphs after it are not made.
  std::string noBitmap = dir.Write("nob.fnt", "[HGEFONT]\nBitmap=gone.png\n" + std::string(kGlyphs));
  hgeFont nob(noBitmap.c_str());
  EXPECT_FALSE(nob.IsLoaded());
  EXPECT_EQ(nob.GetSprite('A'), nullptr);
  EXPECT_EQ(fake.log.size(), 1u);

  hgeFont empty(dir.Write("empty.fnt", "").c_str());
  EXPECT_FALSE(empty.IsLoaded());
  EXPECT_EQ(fake.log.size(), 2u);

  // Nothing drawn, nothing measured.
  bad.Render(0, 0, HGETEXT_LEFT, "AB");
  EXPECT_TRUE(fake.quads.empty());
  EXPECT_FLOAT_EQ(bad.GetStringWidth("AB"), 0);
}

TEST_F(FontTest, LeftTextAdvancesByPreWidthPostAndTracking) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.Render(100, 50, HGETEXT_LEFT, "AB");
  EXPECT_EQ(DrawnX(), (std::vector<float>{101, 111}));
  font.SetTracking(1);
  font.Render(100, 50, HGETEXT_LEFT, "AB");
  EXPECT_EQ(DrawnX(), (std::vector<float>{101, 112}));
  EXPECT_FLOAT_EQ(font.GetStringWidth("AB"), 19);
}

TEST_F(FontTest, ScaleAndProportionStretchAdvanceAndGlyphs) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.SetScale(2);
  font.SetProportion(1.5f);
  font.Render(100, 50, HGETEXT_LEFT, "AB");
  ASSERT_EQ(fake.quads.size(), 2u);
  const hgeQuad& a = fake.quads[0];
  EXPECT_FLOAT_EQ(a.v[0].x, 103);
  EXPECT_FLOAT_EQ(a.v[2].x, 127);  // 8 wide times 3
  EXPECT_FLOAT_EQ(a.v[2].y, 74);   // 12 high times 2
  EXPECT_FLOAT_EQ(fake.quads[1].v[0].x, 133);
  EXPECT_FLOAT_EQ(font.GetStringWidth("AB"), 51);
}

TEST_F(FontTest, RightAndCentredAlignmentUseTheLineWidth) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.Render(100, 0, HGETEXT_RIGHT, "AB");  // width 17
  EXPECT_EQ(DrawnX(), (std::vector<float>{84, 94}));
  font.Render(100, 0, HGETEXT_RIGHT | 4, "AB");  // only the low two bits count
  EXPECT_EQ(DrawnX(), (std::vector<float>{84, 94}));
  font.SetTracking(0.8f);
  font.Render(100, 0, HGETEXT_CENTER, "BB");  // width 13.6, half 6.8 rounds to 7
  std::vector<float> xs = DrawnX();
  ASSERT_EQ(xs.size(), 2u);
  EXPECT_FLOAT_EQ(xs[0], 93);
  EXPECT_FLOAT_EQ(xs[1], 99.8f);
}

TEST_F(FontTest, EveryLineIsRealignedAndMovedDownByTheRoundedLineHeight) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.SetSpacing(1.3f);  // 12 * 1.3 = 15.6, rounded to 16
  font.Render(100, 50, HGETEXT_RIGHT, "AB\nB");
  ASSERT_EQ(fake.quads.size(), 3u);
  EXPECT_FLOAT_EQ(fake.quads[0].v[0].x, 84);
  EXPECT_FLOAT_EQ(fake.quads[0].v[0].y, 50);
  EXPECT_FLOAT_EQ(fake.quads[2].v[0].x, 94);
  EXPECT_FLOAT_EQ(fake.quads[2].v[0].y, 66);
}

TEST_F(FontTest, WidthsOfSingleAndMultipleLines) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\nBB"), 12);
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\nBB", false), 11);
  EXPECT_FLOAT_EQ(font.GetStringWidth("A\n\r\nBB\n"), 12);  // the run between lines is skipped
  EXPECT_FLOAT_EQ(font.GetStringWidth(""), 0);
}

TEST_F(FontTest, MissingGlyphsShowAsQuestionMark) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.Render(0, 0, HGETEXT_LEFT, "Z");
  ASSERT_EQ(fake.quads.size(), 1u);
  EXPECT_FLOAT_EQ(fake.quads[0].v[0].tx, 14.0f / 64);  // the '?' picture
  EXPECT_FLOAT_EQ(font.GetStringWidth("AZ"), 16);
}

TEST_F(FontTest, WithoutAQuestionMarkMissingGlyphsTakeNoSpace) {
  hgeFont font(WriteFont(kGlyphs).c_str());
  font.Render(100, 0, HGETEXT_LEFT, "AZB");
  EXPECT_EQ(DrawnX(), (std::vector<float>{101, 111}));
  EXPECT_FLOAT_EQ(font.GetStringWidth("AZB"), 17);
}

TEST_F(FontTest, PrintfCutsAt1023Characters) {
  hgeFont font(WriteFont(kGlyphs).c_str());
  font.printf(0, 0, HGETEXT_LEFT, "%d%s", 4, "AB");  // '4' has no glyph and no stand-in
  EXPECT_EQ(DrawnX(), (std::vector<float>{1, 11}));
  std::string many(1500, 'B');
  font.printf(0, 0, HGETEXT_LEFT, "%s", many.c_str());
  EXPECT_EQ(fake.quads.size(), 1023u);
}

TEST_F(FontTest, SetColorReachesEveryGlyph) {
  hgeFont font(WriteFont(std::string(kGlyphs) + kQuestion).c_str());
  font.SetColor(0xFFFF0000);
  font.Render(0, 0, HGETEXT_LEFT, "AB?");
  ASSERT_EQ(fake.quads.size(), 3u);
  for (const hgeQuad& q : fake.quads) {
    for (const hgeVertex& v : q.v) EXPECT_EQ(v.col, 0xFFFF0000u);
  }
}

}  // namespace
