// The logo timeline, its skip keys, the menu's buttons and the end screen, driven frame by frame.
#include "app/screens.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/language.h"
#include "support/fake_engine.h"

namespace {

// Screens keep what they load for the whole run, so every test of this program shares one engine.
FakeEngine& SharedFake() {
  static FakeEngine* engine = new FakeEngine();
  return *engine;
}

class Screens : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.ClearRecords();
    fake.held.clear();
    fake.initiateResult = true;
    fake.shutdowns = 0;
    fake.texturesFreed = 0;
    fake.effectsFreed = 0;
    hgeInstall(&fake);
    hge = &fake;
    fake.SetImageSize("Data/logo.png", 800, 600);
    fake.SetImageSize("Data/menu.png", 1024, 1024);
    const char* menu[][2] = {{"NEWGAME_BUT_POSX", "300"}, {"NEWGAME_BUT_POSY", "250"},
                             {"NEWGAME_BUT_W", "200"},    {"NEWGAME_BUT_H", "50"},
                             {"EXIT_BUT_POSX", "300"},    {"EXIT_BUT_POSY", "320"},
                             {"EXIT_BUT_W", "200"},       {"EXIT_BUT_H", "50"}};
    for (auto& [key, value] : menu) fake.SetIni("start", std::string("MENU_") + key, value);
  }
  void TearDown() override {
    hge = nullptr;
    hgeInstall(nullptr);
  }

  // Runs one frame of the installed screen; true when it asks to stop.
  bool Frame() {
    fake.NextFrame();
    const bool stop = fake.System_GetState(HGE_FRAMEFUNC)();
    if (!stop) fake.System_GetState(HGE_RENDERFUNC)();
    return stop;
  }
  // Runs one frame's logic with `key` gone down (lift: gone up) in it; true when the screen asks to stop.
  bool FrameWith(int key, bool lift = false) {
    fake.NextFrame();
    lift ? fake.Lift(key) : fake.Press(key);
    return fake.System_GetState(HGE_FRAMEFUNC)();
  }
  // Colour of the logo as last drawn.
  uint32_t LogoColour() { return fake.Gfx_GetRecordedQuads().at(0).v[0].col; }

  FakeEngine& fake = SharedFake();
};

TEST_F(Screens, LogoFadesInHoldsAndFadesOutAndSkipKeysLeaveIt) {
  LoadSettings(&fake);
  StartLogo();
  fake.delta = 0.125f;  // exact in binary, so the timeline has no rounding
  Frame();              // 0.125 s
  EXPECT_EQ(screenState, 0);
  EXPECT_EQ(LogoColour(), 31u * 0x01010101u);  // floor(0.125 * 255)
  for (int i = 0; i < 7; ++i) Frame();         // 1.0 s: fully shown, the hold begins
  EXPECT_EQ(screenState, 1);
  EXPECT_EQ(LogoColour(), 0xFFFFFFFFu);
  for (int i = 0; i < 9; ++i) Frame();  // 0.125 s into the fade-out
  EXPECT_EQ(screenState, 2);
  EXPECT_EQ(LogoColour(), 223u * 0x01010101u);
  for (int i = 0; i < 6; ++i) Frame();
  EXPECT_EQ(currentScreen, Screen::Logo);
  Frame();  // 3.0 s in all: the menu
  EXPECT_EQ(currentScreen, Screen::Menu);
  EXPECT_EQ(fake.texturesFreed, 1);

  // A held skip key leaves the logo before the timer moves.
  for (int key : {HGEK_SPACE, HGEK_ESCAPE, HGEK_ENTER}) {
    StartLogo();
    fake.held = {key};
    Frame();
    EXPECT_EQ(currentScreen, Screen::Menu) << key;
    EXPECT_EQ(screenTimer, 0.0f);
  }
  fake.held.clear();

  // Zero durations pass one step per frame without dividing by zero.
  LOGO_TIMER_ADD = LOGO_TIMER_WAIT = LOGO_TIMER_REMOVE = 0.0f;
  StartLogo();
  Frame();
  EXPECT_EQ(screenState, 1);
  EXPECT_EQ(LogoColour(), 0xFFFFFFFFu);
  Frame();
  EXPECT_EQ(screenState, 2);
  Frame();
  EXPECT_EQ(currentScreen, Screen::Menu);
}

TEST_F(Screens, MenuButtonsReportOnReleaseWithTheClickAndTheEndScreenStopsOnEscape) {
  LoadSettings(&fake);
  LoadSounds();
  StartMenu();
  fake.SetMouse(400, 270);  // over new game
  EXPECT_FALSE(FrameWith(HGEK_LBUTTON));
  EXPECT_EQ(currentScreen, Screen::Menu);
  EXPECT_FALSE(FrameWith(HGEK_LBUTTON, true));
  EXPECT_EQ(currentScreen, Screen::Team);
  EXPECT_EQ(fake.playedEffects.size(), 1u);

  StartMenu();  // a second entry reuses the loaded menu
  int menuLoads = 0;
  for (const auto& [handle, texture] : fake.textures) menuLoads += texture.name == "Data/menu.png";
  EXPECT_EQ(menuLoads, 1);
  fake.SetMouse(400, 340);  // over exit
  EXPECT_FALSE(FrameWith(HGEK_LBUTTON));
  EXPECT_TRUE(FrameWith(HGEK_LBUTTON, true));
  EXPECT_EQ(fake.playedEffects.size(), 2u);

  StartEnd();
  EXPECT_FALSE(Frame());
  EXPECT_FALSE(FrameWith(HGEK_ENTER));
  EXPECT_TRUE(FrameWith(HGEK_ESCAPE));
}

// A language chosen while the game runs (the options screen is left for the menu) brings the menu's and the
// end screen's pictures in that language, and the menu made again still works.
TEST_F(Screens, TheMenuAndTheEndScreenAreMadeAgainInANewLanguage) {
  LoadSettings(&fake);
  LoadSounds();
  StartMenu();
  StartEnd();
  auto loads = [this](const std::string& name) {
    int n = 0;
    for (const auto& [handle, texture] : fake.textures) n += texture.name == name;
    return n;
  };
  const int freed = fake.texturesFreed;
  const int russianMenus = loads("Data/menu.png");
  SetLocaleDir(DH_LOCALE_DIR);
  ASSERT_TRUE(SetLanguage(Language::English)) << LanguageProblem();
  StartMenu();
  StartMenu();  // once per switch
  EXPECT_EQ(loads("Data/en/menu.png"), 1);
  EXPECT_GE(fake.texturesFreed, freed + 1);
  fake.SetMouse(400, 270);  // over new game
  EXPECT_FALSE(FrameWith(HGEK_LBUTTON));
  EXPECT_FALSE(FrameWith(HGEK_LBUTTON, true));
  EXPECT_EQ(currentScreen, Screen::Team);
  StartEnd();
  EXPECT_EQ(loads("Data/en/end.png"), 1);
  EXPECT_EQ(loads("Data/en/end_lost.png"), 1);
  SetLanguage(Language::Russian);
  StartMenu();
  EXPECT_EQ(loads("Data/menu.png"), russianMenus + 1);
}

// Escape does nothing on the menu, and the player's documents say so beside where it quits or skips.
TEST_F(Screens, EscapeIsIgnoredOnTheMenuAndDocumentedScreenByScreen) {
  LoadSettings(&fake);
  LoadSounds();
  StartMenu();
  fake.SetMouse(400, 340);  // even over the exit button
  EXPECT_FALSE(FrameWith(HGEK_ESCAPE));
  EXPECT_FALSE(FrameWith(HGEK_ESCAPE, true));
  EXPECT_EQ(currentScreen, Screen::Menu);

  // The controls' Escape entry of the README and of the manual page.
  auto entry = [](const std::string& file, const std::string& start) {
    std::ifstream in(std::string(DH_SOURCE_DIR) + "/" + file);
    std::string line, found;
    while (std::getline(in, line)) {
      if (!found.empty()) return found + " " + line;  // the manual page's text follows its tag line
      if (line.rfind(start, 0) != 0) continue;
      if (start[0] == '|') return line;  // a table row holds the whole entry
      found = line;
    }
    return found;
  };
  for (const std::string& text :
       {entry("README.md", "| Escape"), entry("tools/desktop/duskhollow.6.in", ".B Escape")}) {
    SCOPED_TRACE(text);
    for (const char* where : {"logo", "menu", "team", "game", "end screen"}) {
      EXPECT_NE(text.find(where), std::string::npos) << where;
    }
    EXPECT_NE(text.find("nothing"), std::string::npos);
  }
}

TEST_F(Screens, RunningTheGameFreesEveryEffectAndShutsDown) {
  fake.SetIni("start", "LOGO", "0");
  fake.startFrameLimit = 3;
  const size_t effectsBefore = fake.loadedEffects.size();
  RunGame(hgeRunOptions{});
  EXPECT_GT(fake.loadedEffects.size(), effectsBefore);
  EXPECT_EQ(fake.effectsFreed, static_cast<int>(fake.loadedEffects.size() - effectsBefore));
  EXPECT_EQ(fake.loopedEffects.size(), 1u);
  EXPECT_EQ(fake.shutdowns, 1);
}

TEST_F(Screens, AFailedEngineStartShowsItsErrorAndStopsCleanly) {
  fake.initiateResult = false;
  fake.errorMessage = "no video device";
  const size_t effectsBefore = fake.loadedEffects.size();
  EXPECT_EQ(RunGame(hgeRunOptions{}), 0);
  ASSERT_EQ(fake.errorBoxes.size(), 1u);
  EXPECT_EQ(fake.errorBoxes[0], "no video device");
  EXPECT_EQ(fake.shutdowns, 1);
  EXPECT_EQ(fake.loadedEffects.size(), effectsBefore);
}

}  // namespace
