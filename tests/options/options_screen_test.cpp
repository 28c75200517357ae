// The options screen driven frame by frame on the fake engine: the menu's button opens it, keys and clicks
// change the rows at once (sound, window), Escape and the back button write the file and return; M mutes
// and unmutes every sound on any screen.
#include "app/options_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/options.h"
#include "app/options_file.h"
#include "app/screens.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "support/fake_engine.h"

namespace fs = std::filesystem;

namespace {

// Screens keep what they load for the whole run, so every test of this program shares one engine.
FakeEngine& SharedFake() {
  static FakeEngine* engine = new FakeEngine();
  return *engine;
}

// Row numbers in the table's order.
enum { ROW_EFFECTS, ROW_CLOCK, ROW_FULLSCREEN, ROW_SCALE, ROW_DIFFICULTY };

class OptionsScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.ClearRecords();
    fake.held.clear();
    hgeInstall(&fake);
    hge = &fake;
    fake.SetImageSize("Data/menu.png", 1024, 1024);
    const char* keys[][2] = {{"MENU_OPTIONS_BUT_POSX", "270"}, {"MENU_OPTIONS_BUT_POSY", "490"},
                             {"MENU_OPTIONS_BUT_W", "260"},    {"MENU_OPTIONS_BUT_H", "60"},
                             {"OPTIONS_BACK_BUT_POSX", "270"}, {"OPTIONS_BACK_BUT_POSY", "510"},
                             {"OPTIONS_BACK_BUT_W", "260"},    {"OPTIONS_BACK_BUT_H", "60"}};
    for (auto& [key, value] : keys) fake.SetIni("start", key, value);
    LoadSettings(&fake);
    fake.System_SetState(HGE_MAXSCALE, 3);
    fake.System_SetState(HGE_WINDOWED, true);
    fake.System_SetState(HGE_SCALE, 0);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = (fs::path(DH_TEST_TMP) / (std::string("OptionsScreen_") + test->name())).string();
    fs::remove_all(dir);
    SetConfigDir(dir);
    fileOptions = activeOptions = PlayerOptions();
    soundMuted = false;
    LoadSounds();
    PlayLooped(SND_CLOCK);
    clockChannel = static_cast<HCHANNEL>(fake.playedEffects.size());
    StartMenu();
  }
  void TearDown() override {
    FreeSounds();
    SetConfigDir("");
    fileOptions = activeOptions = PlayerOptions();
    soundMuted = false;
    hge = nullptr;
    hgeInstall(nullptr);
  }

  // Runs one frame (logic and drawing) with `key` gone down in it and up again in the next.
  void Tap(int key) {
    fake.NextFrame();
    fake.Press(key);
    fake.System_GetState(HGE_FRAMEFUNC)();
    fake.System_GetState(HGE_RENDERFUNC)();
    fake.NextFrame();
    fake.Lift(key);
    fake.System_GetState(HGE_FRAMEFUNC)();
  }
  void Click(float x, float y) {
    fake.SetMouse(x, y);
    Tap(HGEK_LBUTTON);
  }
  // The middle of a row's "<" (-1) or ">" (+1).
  void ClickArrow(int row, int direction) {
    Click((direction < 0 ? OPTIONS_LESS_X : OPTIONS_MORE_X) + OPTIONS_ARROW_W / 2,
          OPTIONS_ROW_Y + row * OPTIONS_ROW_STEP + OPTIONS_ROW_STEP / 2);
  }
  void OpenOptions() {
    Click(400, 520);
    ASSERT_EQ(currentScreen, Screen::Options);
  }
  std::string FileText() {
    std::string note;
    return OptionsText(ParseOptions(ReadFile(dir + "/options.ini"), &note));
  }
  static std::string ReadFile(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
      char buffer[4096];
      for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), f)) > 0;) text.append(buffer, n);
      std::fclose(f);
    }
    return text;
  }

  FakeEngine& fake = SharedFake();
  std::string dir;
  HCHANNEL clockChannel = 0;
};

TEST_F(OptionsScreen, KeysPickRowsAndChangeThemAtOnceAndEscapeWritesTheFile) {
  OpenOptions();
  EXPECT_EQ(OptionsRows().size(), 5u);
  EXPECT_LE(OptionsRows().size(), static_cast<size_t>(OPTIONS_ROW_ROOM));
  for (int k = 0; k < 3; ++k) Tap(HGEK_LEFT);
  EXPECT_EQ(activeOptions.effectsVolume, 70);
  EXPECT_EQ(fake.playedVolumes.back(), 70);  // the click of the change sounds at the new volume
  Tap(HGEK_DOWN);
  for (int k = 0; k < 12; ++k) Tap(HGEK_LEFT);  // stops at 0
  EXPECT_EQ(activeOptions.clockVolume, 0);
  EXPECT_EQ(fake.channelVolumes[clockChannel], 0);
  EXPECT_EQ(OptionsRows()[ROW_CLOCK].value, "0");
  Tap(HGEK_DOWN);
  Tap(HGEK_RIGHT);
  EXPECT_EQ(activeOptions.fullscreen, 1);
  EXPECT_FALSE(fake.System_GetState(HGE_WINDOWED));
  EXPECT_EQ(OptionsRows()[ROW_FULLSCREEN].value, "вкл");
  Tap(HGEK_DOWN);
  EXPECT_EQ(OptionsRows()[ROW_SCALE].value, "x3");  // 0: the largest that fits
  Tap(HGEK_LEFT);
  EXPECT_EQ(activeOptions.scale, 2);
  EXPECT_EQ(fake.System_GetState(HGE_SCALE), 2);
  Tap(HGEK_RIGHT);
  Tap(HGEK_RIGHT);  // no further than the display takes
  EXPECT_EQ(activeOptions.scale, 3);
  Tap(HGEK_DOWN);
  EXPECT_EQ(OptionsPickedRow(), ROW_DIFFICULTY);
  EXPECT_EQ(OptionsRows()[ROW_DIFFICULTY].value, "Обычная x1");
  Tap(HGEK_ENTER);
  EXPECT_EQ(OptionsRows()[ROW_DIFFICULTY].value, "Трудная x1,5");
  Tap(HGEK_ENTER);  // Enter goes round
  EXPECT_EQ(activeOptions.difficulty, DIFFICULTY_EASY);
  EXPECT_EQ(OptionsRows()[ROW_DIFFICULTY].value, "Лёгкая x0,5");
  Tap(HGEK_DOWN);  // round to the first row
  EXPECT_EQ(OptionsPickedRow(), ROW_EFFECTS);
  Tap(HGEK_UP);
  EXPECT_EQ(OptionsPickedRow(), ROW_DIFFICULTY);
  EXPECT_FALSE(fs::exists(dir + "/options.ini"));  // written when the screen is left
  Tap(HGEK_ESCAPE);
  EXPECT_EQ(currentScreen, Screen::Menu);
  PlayerOptions expected;
  expected.effectsVolume = 70;
  expected.clockVolume = 0;
  expected.fullscreen = 1;
  expected.scale = 3;
  expected.difficulty = DIFFICULTY_EASY;
  EXPECT_EQ(FileText(), OptionsText(expected));
}

TEST_F(OptionsScreen, ClicksOnTheArrowsChangeRowsAndTheBackButtonWritesTheFile) {
  OpenOptions();
  ClickArrow(ROW_DIFFICULTY, +1);
  EXPECT_EQ(activeOptions.difficulty, DIFFICULTY_HARD);
  EXPECT_EQ(OptionsPickedRow(), ROW_DIFFICULTY);
  ClickArrow(ROW_EFFECTS, -1);
  EXPECT_EQ(activeOptions.effectsVolume, 90);
  ClickArrow(ROW_FULLSCREEN, +1);
  EXPECT_FALSE(fake.System_GetState(HGE_WINDOWED));
  ClickArrow(ROW_FULLSCREEN, -1);
  EXPECT_TRUE(fake.System_GetState(HGE_WINDOWED));
  Click(OPTIONS_ROW_X1 + 20, OPTIONS_ROW_Y + ROW_CLOCK * OPTIONS_ROW_STEP + 10);  // the label only picks
  EXPECT_EQ(OptionsPickedRow(), ROW_CLOCK);
  EXPECT_EQ(activeOptions.clockVolume, 100);
  Click(400, 540);  // "Назад"
  EXPECT_EQ(currentScreen, Screen::Menu);
  PlayerOptions expected;
  expected.effectsVolume = 90;
  expected.difficulty = DIFFICULTY_HARD;
  EXPECT_EQ(FileText(), OptionsText(expected));
}

// A flag of the command line holds for the run; the file keeps the player's own value unless the player
// changes that row on the screen.
TEST_F(OptionsScreen, RowsNotChangedKeepTheFilesValueOverACommandLineFlag) {
  activeOptions.scale = 2;  // as --scale 2 over a file without a scale
  fileOptions.difficulty = activeOptions.difficulty = DIFFICULTY_HARD;
  OpenOptions();
  EXPECT_EQ(OptionsRows()[ROW_SCALE].value, "x2");
  Tap(HGEK_UP);
  Tap(HGEK_LEFT);
  Tap(HGEK_ESCAPE);
  PlayerOptions expected;
  expected.difficulty = DIFFICULTY_NORMAL;
  EXPECT_EQ(FileText(), OptionsText(expected));  // scale stays 0, the largest that fits
  EXPECT_EQ(activeOptions.scale, 2);
}

// A file that cannot be written leaves the choices in force for the run and says why in the log only.
TEST_F(OptionsScreen, AFileThatCannotBeWrittenIsALogLineAndTheMenuAsUsual) {
  fs::create_directories(dir);
  std::FILE* blocker = std::fopen((dir + "/file").c_str(), "w");
  ASSERT_NE(blocker, nullptr);
  std::fclose(blocker);
  SetConfigDir(dir + "/file/duskhollow");  // a file where a folder should be
  OpenOptions();
  Tap(HGEK_LEFT);
  Tap(HGEK_ESCAPE);
  EXPECT_EQ(currentScreen, Screen::Menu);
  EXPECT_EQ(activeOptions.effectsVolume, 90);
  EXPECT_TRUE(fake.errorBoxes.empty());
  ASSERT_FALSE(fake.log.empty());
  EXPECT_EQ(fake.log.back().rfind("Options: not kept: ", 0), 0u) << fake.log.back();
}

TEST_F(OptionsScreen, MMutesAndUnmutesEverySoundOnAnyScreen) {
  PlaySound(SND_CLICK);
  const size_t plays = fake.playedEffects.size();
  Tap(HGEK_M);  // on the menu
  EXPECT_TRUE(soundMuted);
  EXPECT_EQ(fake.channelVolumes[clockChannel], 0);
  PlaySound(SND_CLICK);
  EXPECT_EQ(fake.playedEffects.size(), plays);
  OpenOptions();
  Tap(HGEK_LEFT);  // a change on the screen stays silent too
  EXPECT_EQ(fake.playedEffects.size(), plays);
  Tap(HGEK_M);  // on the options screen
  EXPECT_FALSE(soundMuted);
  EXPECT_EQ(fake.channelVolumes[clockChannel], 100);
  PlaySound(SND_CLICK);
  EXPECT_EQ(fake.playedEffects.size(), plays + 1);
  EXPECT_EQ(fake.playedVolumes.back(), 90);
  // A quiet clock comes back at its own volume, and an effects volume of 0 plays nothing.
  activeOptions.clockVolume = 30;
  activeOptions.effectsVolume = 0;
  Tap(HGEK_M);
  Tap(HGEK_M);
  EXPECT_EQ(fake.channelVolumes[clockChannel], 30);
  PlaySound(SND_CLICK);
  EXPECT_EQ(fake.playedEffects.size(), plays + 1);
}

}  // namespace
