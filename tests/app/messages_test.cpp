// The message line: phrases by number, unknown numbers named, and the red-to-white flash.
#include "game/messages.h"

#include <gtest/gtest.h>

#include "engine/font.h"
#include "engine/text.h"
#include "game/ids.h"
#include "support/fake_engine.h"

namespace {

TEST(Messages, PhrasesByNumberAndTheFlashRestartsInRedOnEveryPosting) {
  FakeEngine fake;
  hgeFont font("no such font.fnt");
  messageFont = &font;
  LoadPhrases();
  ShowPhrase(PHRASE_ARMOUR_SAVED);
  EXPECT_EQ(ToUtf8(message), "Броня спасла от урона");
  ShowPhrase(-1);
  EXPECT_EQ(ToUtf8(message), "Фраза не определена (-1)");

  ShowMessage(ToCp1251("Сергей"));
  EXPECT_EQ(messageFlash, 0.0f);
  EXPECT_EQ(font.GetColor(), 0xFFFF0000u);
  UpdateMessageFlash(0.65f);  // past the end: white
  EXPECT_EQ(font.GetColor(), 0xFFFFFFFFu);
  ShowMessage(ToCp1251("Сергей"));  // the same text again flashes again
  EXPECT_EQ(font.GetColor(), 0xFFFF0000u);
  messageFont = nullptr;
}

}  // namespace
