// Passport cards: the word wrap of the description.

#include "screen_fixture.h"

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

}  // namespace
