// Passport cards: the word wrap of the description, the skills and items lines, and what a card paints.

#include <set>

#include "screen_fixture.h"

namespace {

class Passport : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // Every glyph, the space included, is 10 pixels wide.
    std::string description = "[HGEFONT]\nBitmap=wrap.png\nChar=20,0,0,10,10,0,0\n";
    for (char c = 'a'; c <= 'z'; ++c) {
      description +=
          "Char=\"" + std::string(1, c) + "\"," + std::to_string((c - 'a') * 10) + ",0,10,10,0,0\n";
    }
    fake.SetFile("wrap.fnt", description);
    fake.SetFile("wrap.png", "png");
    fake.SetImageSize("wrap.png", 512, 16);
    font = std::make_unique<hgeFont>("wrap.fnt");
    ASSERT_EQ(font->GetStringWidth("ab c", false), 40);
  }

  std::string Wrap(const std::string& text, float width) { return WrapText(text, *font, width); }

  std::unique_ptr<hgeFont> font;
};

// Wrapping breaks only at spaces before the word that would pass the width, paragraph by paragraph.
TEST_F(Passport, LongParagraphsBreakOnlyAtSpacesBeforeTheWordThatWouldPassTheWidth) {
  struct Case {
    const char* text;
    float width;
    const char* wrapped;
  };
  for (const Case& c : {Case{"abc def\nghi", 70, "abc def\nghi"},  // fits: its own breaks only
                        Case{"abc\n", 30, "abc\n"}, Case{"", 30, ""},
                        Case{"aaaa bbbb cccc", 95, "aaaa bbbb \ncccc"},  // "cccc" would end at 140
                        Case{"ab\ncccc dddd eeee\nz", 90, "ab\ncccc dddd \neeee\nz"},  // "dddd" just fits
                        Case{"aaaaaaaaaaaa b", 50, "\naaaaaaaaaaaa \nb"}}) {           // too wide: not split
    EXPECT_EQ(Wrap(c.text, c.width), c.wrapped) << c.text;
  }
}

// Slots are not listed among the items; empty lists say so.
TEST_F(Passport, TheSkillsAndItemsLinesNameEveryEntryOrSayThereIsNone) {
  Person p(HTEXTURE{0}, 0, 11, 0, 0);
  EXPECT_EQ(SkillsLine(p), W("Навыки: нет"));
  p.armour = new Item(4);  // slots are not listed
  p.keys = new Item(0);
  EXPECT_EQ(ItemsLine(p), W("С собой: ничего нет"));
  p.skills = {0, 3};
  p.bag = {new Item(13), new Item(33)};
  EXPECT_EQ(SkillsLine(p), W("Навыки: ") + SkillName(0) + ", " + SkillName(3));
  EXPECT_EQ(ItemsLine(p), W("С собой: ") + ItemName(13) + ", " + ItemName(33));
}

// The card paints its blank, the photo and the text lines at the layout's offsets.
TEST_F(Passport, ACardPaintsTheBlankThePhotoAndFourTextsAtTheirOffsets) {
  Person p(HTEXTURE{0}, 2, 11, 3, 0);
  p.description = W("Профессия");
  fake.ClearRecords();
  DrawPassport(p, 100, 200);
  const std::vector<hgeQuad>& quads = fake.quads;
  ASSERT_GE(quads.size(), 2u);
  EXPECT_TRUE(quads[0].tex == passportBlank->GetTexture() && quads[0].v[0].x == 100 &&
              quads[0].v[0].y == 200);
  EXPECT_TRUE(quads[1].v[0].tx == photos[3]->GetQuad().v[0].tx && quads[1].v[0].x == 105 &&
              quads[1].v[0].y == 205);
  std::set<float> lines;  // the name, the description, the skills and the items
  for (size_t i = 2; i < quads.size(); ++i) lines.insert(quads[i].v[0].y);
  for (float y : {205.0f, 225.0f, 280.0f, 290.0f}) EXPECT_EQ(lines.count(y), 1u) << y;
}

}  // namespace
