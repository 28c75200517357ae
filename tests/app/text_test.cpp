// The Windows-1251 converter: the letters and every byte both ways, what cannot be converted, numbers.
#include "engine/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, EveryByteRoundTripsAndRussianLettersSitWhereTheyShould) {
  // А..я are 0xC0..0xFF in Windows-1251; Ё is 0xA8 and ё 0xB8.
  EXPECT_EQ(ToCp1251("АЯая"), "\xC0\xDF\xE0\xFF");
  EXPECT_EQ(ToCp1251("Ёё«№ —»"), std::string("\xA8\xB8\xAB\xB9\x20\x97\xBB"));
  for (int b = 0x80; b <= 0xFF; ++b) {
    if (b == 0x98) continue;  // the one byte Windows-1251 leaves unassigned
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(ToCp1251(ToUtf8(one)), one) << std::hex << b;
  }
}

TEST(Text, UnconvertibleAndBrokenInputBecomesQuestionMarksAndNumbersAreWrittenPlainly) {
  EXPECT_EQ(ToCp1251("日本"), "??");
  EXPECT_EQ(ToCp1251("a\xD0"), "a?");     // a lead byte cut off at the end
  EXPECT_EQ(ToCp1251("\x80x"), "?x");     // a stray continuation byte
  EXPECT_EQ(ToCp1251("\xD0\x41"), "?A");  // a lead byte followed by plain ASCII
  EXPECT_EQ(ToUtf8(std::string("\x98")), "\xEF\xBF\xBD");
  EXPECT_EQ(IntToText(57), "57");
  EXPECT_EQ(IntToText(-2147483648LL), "-2147483648");
}

}  // namespace
