// Reading font descriptions: the header, Bitmap and Char lines, broken and over-long lines, bitmap folders.
#include "engine/font_parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The lines read, as "bitmap NAME" or "CODE x y w h pre post", to compare a whole description at once.
Lines Read(const std::string& text) {
  Lines out;
  for (const FontLine& l : ParseFontDescription(text.data(), text.size()).lines) {
    char line[96];
    std::snprintf(line, sizeof line, "%02X %d %d %d %d %d %d", l.code, l.x, l.y, l.w, l.h, l.pre, l.post);
    out.push_back(l.kind == FontLine::kBitmap ? "bitmap " + l.bitmap : line);
  }
  return out;
}

// Guards Char lines in every form the font files use: quoted characters (the quote itself too), hex
// codes, spaces around the numbers, negative numbers, CR, LF and CR LF line ends, no final line end; and
// the header, exactly "[HGEFONT]" on the first line.
TEST(FontParser, ReadsBitmapAndCharLinesInOrder) {
  EXPECT_EQ(Read("[HGEFONT]\r\n\r\nBitmap = font.png\r\n; a comment line\nChar=\" \",0,0,4,10,0,1\n"
                 "Char = \"\"\", 1 , 2 , 3 , 4 , -5 , 6\rChar=e9,10,20,7,12,1,2\r\nChar=FF,1,1,1,1,0,0"),
            (Lines{"bitmap font.png", "20 0 0 4 10 0 1", "22 1 2 3 4 -5 6", "E9 10 20 7 12 1 2",
                   "FF 1 1 1 1 0 0"}));
  EXPECT_TRUE(ParseFontDescription("[HGEFONT]", 9).headerOk);
  for (const char* bad : {"[HGEFONT] \n", "\n[HGEFONT]\n", "[hgefont]\n", ""}) {  // else nothing is read
    const std::string text = std::string(bad) + "Char=41,0,0,1,1,0,0";
    const FontDescription d = ParseFontDescription(text.data(), text.size());
    EXPECT_FALSE(d.headerOk) << bad;
    EXPECT_TRUE(d.lines.empty()) << bad;
  }
}

// Guards broken lines: codes above FF, fewer than six numbers, unclosed quotes and the like are left out;
// numbers beyond int are clamped; a Bitmap line without a name gives an empty name.
TEST(FontParser, UnusableLinesAreLeftOut) {
  EXPECT_EQ(Read("[HGEFONT]\n"
                 "Char=100,0,0,9,30,0,0\n"           // above FF
                 "Char=0000000000041,0,0,1,1,0,0\n"  // leading zeros: still 41
                 "Char=\"D\",1,2,3,4,5\n"            // five numbers, not six
                 "Char=\"E,1,2,3,4,5,6\n"            // no closing quote
                 "Char 41,1,2,3,4,5,6\n"             // no '='
                 "Char=zz,1,2,3,4,5,6\n"             // not a character at all
                 "Char=42,1,2,3,4,5,x\n"
                 "Char=43,99999999999,2,3,4,5,6\n"
                 "Bitmap\nBitmap = \nBitmap=a.png trailing\n"),
            (Lines{"41 0 0 1 1 0 0", "43 2147483647 2 3 4 5 6", "bitmap ", "bitmap ", "bitmap a.png"}));
}

// Guards the 255-character line limit: the rest of a longer line is dropped, never read as a line.
TEST(FontParser, LongLinesAreCutAt255Characters) {
  const std::string padding(300, ' ');
  EXPECT_EQ(Read("[HGEFONT]\n; " + padding + "Char=41,1,1,1,1,1,1\n" +      // the comment's tail
                 "Char=\"D\"," + std::string(250, ' ') + "1,2,3,4,5,6\n" +  // cut inside its numbers
                 "Char=\"E\",1,2,3,4,5,6" + padding + "tail\nChar=\"F\",1,2,3,4,5,6\n"),
            (Lines{"45 1 2 3 4 5 6", "46 1 2 3 4 5 6"}));
}

// Guards the bitmap's folder: that of the font file, after its last backslash, else its last slash.
TEST(FontParser, BitmapLivesInTheFontsFolder) {
  EXPECT_EQ(FontBitmapPath("Data/font.fnt", "font.png"), "Data/font.png");
  EXPECT_EQ(FontBitmapPath("font.fnt", "font.png"), "font.png");
  EXPECT_EQ(FontBitmapPath("C:\\game/Data/a.fnt", "b.png"), "C:\\b.png");
}

}  // namespace
