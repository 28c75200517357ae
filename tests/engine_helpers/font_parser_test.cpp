// Reading font descriptions: the header, Bitmap and Char lines, broken and over-long lines, bitmap folders.
#include "engine/font_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

FontDescription Parse(const std::string& text) {
  return ParseFontDescription(text.data(), text.size());
}

TEST(FontParser, ReadsBitmapAndCharLinesInOrder) {
  FontDescription d = Parse(
      "[HGEFONT]\r\n"
      "\r\n"
      "Bitmap = font.png\r\n"
      "; a comment line\n"
      "Char=\" \",0,0,4,10,0,1\n"
      "Char = \"\"\", 1 , 2 , 3 , 4 , -5 , 6\r"
      "Char=e9,10,20,7,12,1,2\r\n"
      "Char=FF,1,1,1,1,0,0");
  ASSERT_TRUE(d.headerOk);
  ASSERT_EQ(d.lines.size(), 5u);
  EXPECT_EQ(d.lines[0].kind, FontLine::kBitmap);
  EXPECT_EQ(d.lines[0].bitmap, "font.png");
  EXPECT_EQ(d.lines[1].kind, FontLine::kChar);
  EXPECT_EQ(d.lines[1].code, ' ');
  EXPECT_EQ(d.lines[1].w, 4);
  EXPECT_EQ(d.lines[1].post, 1);
  EXPECT_EQ(d.lines[2].code, '"');
  EXPECT_EQ(d.lines[2].pre, -5);
  EXPECT_EQ(d.lines[2].post, 6);
  EXPECT_EQ(d.lines[3].code, 0xE9);
  EXPECT_EQ(d.lines[3].x, 10);
  EXPECT_EQ(d.lines[3].y, 20);
  EXPECT_EQ(d.lines[3].h, 12);
  EXPECT_EQ(d.lines[4].code, 0xFF);
}

TEST(FontParser, TheFirstLineMustBeExactlyTheHeader) {
  EXPECT_FALSE(Parse("[HGEFONT] \nChar=41,0,0,1,1,0,0").headerOk);
  EXPECT_FALSE(Parse("\n[HGEFONT]\nChar=41,0,0,1,1,0,0").headerOk);
  EXPECT_FALSE(Parse("[hgefont]\n").headerOk);
  EXPECT_FALSE(Parse("").headerOk);
  FontDescription bad = Parse("[FONT]\nChar=41,0,0,1,1,0,0");
  EXPECT_TRUE(bad.lines.empty());
  EXPECT_TRUE(Parse("[HGEFONT]").headerOk);
}

TEST(FontParser, UnusableCharLinesAreLeftOut) {
  FontDescription d = Parse(
      "[HGEFONT]\n"
      "Char=100,0,0,9,30,0,0\n"           // above FF
      "Char=0000000000041,0,0,1,1,0,0\n"  // leading zeros: still 41
      "Char=\"C\",1,2,3\n"                // fewer than six numbers
      "Char=\"D\",1,2,3,4,5\n"            // five
      "Char=\"E,1,2,3,4,5,6\n"            // no closing quote
      "Char=\"\n"                         // nothing after the quote
      "Char 41,1,2,3,4,5,6\n"             // no '='
      "Char=zz,1,2,3,4,5,6\n"             // not a character at all
      "Char=\n"
      "Char=42,1,2,3,4,5,x\n"
      "Char=43,99999999999,2,3,4,5,6\n");  // a number beyond int is clamped, not overflowed
  ASSERT_EQ(d.lines.size(), 2u);
  EXPECT_EQ(d.lines[0].code, 0x41);
  EXPECT_EQ(d.lines[1].code, 0x43);
  EXPECT_EQ(d.lines[1].x, 2147483647);
}

TEST(FontParser, LongLinesAreCutAt255Characters) {
  std::string padding(300, ' ');
  std::string cutInsideNumbers = "Char=\"D\"," + std::string(250, ' ') + "1,2,3,4,5,6";
  std::string cutInComment = "Char=\"E\",1,2,3,4,5,6" + padding + "tail";
  FontDescription d = Parse("[HGEFONT]\n; " + padding + "Char=41,1,1,1,1,1,1\n" + cutInsideNumbers + "\n" +
                            cutInComment + "\nChar=\"F\",1,2,3,4,5,6\n");
  // The comment's tail is not a line of its own; the cut Char line lost its numbers; the others stand.
  ASSERT_EQ(d.lines.size(), 2u);
  EXPECT_EQ(d.lines[0].code, 'E');
  EXPECT_EQ(d.lines[0].post, 6);
  EXPECT_EQ(d.lines[1].code, 'F');
}

TEST(FontParser, BitmapLineWithoutANameGivesAnEmptyName) {
  FontDescription d = Parse("[HGEFONT]\nBitmap\nBitmap = \nBitmap=a.png trailing\n");
  ASSERT_EQ(d.lines.size(), 3u);
  EXPECT_EQ(d.lines[0].bitmap, "");
  EXPECT_EQ(d.lines[1].bitmap, "");
  EXPECT_EQ(d.lines[2].bitmap, "a.png");
}

TEST(FontParser, BitmapLivesInTheFontsFolder) {
  EXPECT_EQ(FontBitmapPath("Data/font.fnt", "font.png"), "Data/font.png");
  EXPECT_EQ(FontBitmapPath("font.fnt", "font.png"), "font.png");
  EXPECT_EQ(FontBitmapPath("Data\\fonts\\a.fnt", "b.png"), "Data\\fonts\\b.png");
  // A backslash wins over a later slash.
  EXPECT_EQ(FontBitmapPath("C:\\game/Data/a.fnt", "b.png"), "C:\\b.png");
}

}  // namespace
