// The Windows-1251 converter: every Russian letter both ways, and what cannot be converted.
#include <gtest/gtest.h>

#include "engine/text.h"

namespace {

TEST(Text, EveryRussianLetterRoundTrips) {
  // А..я are 0xC0..0xFF in Windows-1251; Ё is 0xA8 and ё 0xB8.
  const std::string upper = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
  const std::string lower = "абвгдежзийклмнопрстуфхцчшщъыьэюя";
  const std::string all = upper + lower;
  const std::string cp = ToCp1251(all);
  ASSERT_EQ(cp.size(), 64u);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(static_cast<unsigned char>(cp[i]), 0xC0 + i) << i;
  EXPECT_EQ(ToUtf8(cp), all);

  EXPECT_EQ(ToCp1251("Ёё"), std::string("\xA8\xB8"));
  EXPECT_EQ(ToUtf8("\xA8\xB8"), "Ёё");
}

TEST(Text, AsciiAndPunctuationPassThrough) {
  EXPECT_EQ(ToCp1251("Duskhollow v0.91"), "Duskhollow v0.91");
  EXPECT_EQ(ToCp1251("«№ —»"), std::string("\xAB\xB9\x20\x97\xBB"));
  EXPECT_EQ(ToUtf8(std::string("\xAB\xB9\x20\x97\xBB")), "«№ —»");
  for (int b = 0x80; b <= 0xFF; ++b) {
    if (b == 0x98) continue;  // the one byte Windows-1251 leaves unassigned
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(ToCp1251(ToUtf8(one)), one) << std::hex << b;
  }
}

TEST(Text, UnconvertibleAndBrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(ToCp1251("日本"), "??");
  EXPECT_EQ(ToCp1251("a\xD0"), "a?");          // a lead byte cut off at the end
  EXPECT_EQ(ToCp1251("\x80x"), "?x");          // a stray continuation byte
  EXPECT_EQ(ToCp1251("\xD0\x41"), "?A");       // a lead byte followed by plain ASCII
  EXPECT_EQ(ToUtf8(std::string("\x98")), "\xEF\xBF\xBD");
}

TEST(Text, NumbersAreWrittenPlainly) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(57), "57");
  EXPECT_EQ(IntToText(-1), "-1");
  EXPECT_EQ(IntToText(-2147483648LL), "-2147483648");
}

}  // namespace
