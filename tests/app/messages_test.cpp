// The message line: the phrase table, unknown numbers, and the red-to-white flash.
#include <gtest/gtest.h>

#include "engine/font.h"
#include "engine/text.h"
#include "game/messages.h"
#include "support/fake_engine.h"

namespace {

class Messages : public ::testing::Test {
 protected:
  void SetUp() override {
    hgeInstall(&fake);
    font = new hgeFont("no such font.fnt");
    messageFont = font;
    LoadPhrases();
  }
  void TearDown() override {
    messageFont = nullptr;
    delete font;
  }

  FakeEngine fake;
  hgeFont* font = nullptr;
};

TEST_F(Messages, PhrasesByNumberAndUnknownNumbersNamed) {
  ASSERT_EQ(Phrases().size(), 19u);
  ShowPhrase(15);
  EXPECT_EQ(ToUtf8(message), "Броня спасла от урона");
  ShowPhrase(19);
  EXPECT_EQ(ToUtf8(message), "Фраза не определена (19)");
  ShowPhrase(-1);
  EXPECT_EQ(ToUtf8(message), "Фраза не определена (-1)");
}

TEST_F(Messages, EveryPostingRestartsTheFlashInRed) {
  ShowMessage(ToCp1251("Сергей"));
  EXPECT_EQ(messageFlash, 0.0f);
  EXPECT_EQ(font->GetColor(), 0xFFFF0000u);

  UpdateMessageFlash(0.25f);  // half way: green and blue at 127
  EXPECT_EQ(font->GetColor(), 0xFFFF7F7Fu);
  UpdateMessageFlash(0.4f);   // capped at the end: white
  EXPECT_FLOAT_EQ(messageFlash, 0.5f);
  EXPECT_EQ(font->GetColor(), 0xFFFFFFFFu);

  font->SetColor(0x12345678);
  UpdateMessageFlash(0.1f);  // an ended flash leaves the colour alone
  EXPECT_EQ(font->GetColor(), 0x12345678u);

  ShowMessage(ToCp1251("Сергей"));  // the same text again flashes again
  EXPECT_EQ(font->GetColor(), 0xFFFF0000u);
  ShowMessage("");
  EXPECT_EQ(message, "");
}

}  // namespace
