// The options file: what is written reads back, and no file however broken gives more than the defaults,
// a line for the log and values within their ranges.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/options.h"
#include "app/options_file.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class OptionsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = (fs::path(DH_TEST_TMP) / (std::string("OptionsFile_") + test->name())).string();
    fs::remove_all(dir);
    fs::create_directories(dir);
    SetConfigDir(dir + "/config");
  }
  void TearDown() override {
    SetConfigDir("");
    fileOptions = activeOptions = PlayerOptions();
  }

  void Write(const std::string& text) {
    fs::create_directories(dir + "/config");
    std::ofstream(dir + "/config/options.ini", std::ios::binary) << text;
  }

  std::string dir;
};

bool Same(const PlayerOptions& a, const PlayerOptions& b) {
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) {
    if (a.*(o->field) != b.*(o->field)) return false;
  }
  return true;
}

void ExpectInRange(const PlayerOptions& options) {
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) {
    EXPECT_GE(options.*(o->field), o->min) << o->key;
    EXPECT_LE(options.*(o->field), o->max) << o->key;
  }
}

// Every default is the table's and lies in its range; "Обычная" is the factor 1 that leaves the game as it is.
TEST(OptionsTable, DefaultsAreTheTablesAndNormalDifficultyChangesNothing) {
  const PlayerOptions defaults;
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) {
    EXPECT_EQ(defaults.*(o->field), o->def) << o->key;
    EXPECT_LE(o->min, o->def);
    EXPECT_GE(o->max, o->def);
    EXPECT_NE(o->label, nullptr);
  }
  EXPECT_EQ(defaults.difficulty, DIFFICULTY_NORMAL);
  EXPECT_EQ(DifficultyFactor(DIFFICULTY_NORMAL), 1.0f);
  EXPECT_LT(DifficultyFactor(DIFFICULTY_EASY), 1.0f);
  EXPECT_GT(DifficultyFactor(DIFFICULTY_HARD), 1.0f);
  EXPECT_EQ(DifficultyFactor(-5), DifficultyFactor(DIFFICULTY_EASY));
  EXPECT_EQ(DifficultyFactor(99), DifficultyFactor(DIFFICULTY_HARD));
}

TEST_F(OptionsFile, WhatIsWrittenReadsBackAndAMissingFileGivesTheDefaultsQuietly) {
  EXPECT_EQ(LoadOptionsFile(), "");  // no file yet
  EXPECT_TRUE(Same(fileOptions, PlayerOptions()));
  PlayerOptions chosen;
  chosen.effectsVolume = 30;
  chosen.clockVolume = 0;
  chosen.fullscreen = 1;
  chosen.scale = 3;
  chosen.difficulty = DIFFICULTY_HARD;
  fileOptions = chosen;
  std::string error;
  ASSERT_TRUE(SaveOptionsFile(&error)) << error;  // makes the folder too
  EXPECT_FALSE(fs::exists(dir + "/config/options.ini.tmp"));
  fileOptions = activeOptions = PlayerOptions();
  EXPECT_EQ(LoadOptionsFile(), "");
  EXPECT_TRUE(Same(fileOptions, chosen));
  EXPECT_TRUE(Same(activeOptions, chosen));
  // The text alone reads back the same way, with nothing to note.
  std::string note;
  EXPECT_TRUE(Same(ParseOptions(OptionsText(chosen), &note), chosen));
  EXPECT_EQ(note, "");
}

// Names are case-insensitive, comments and unknown keys are skipped, the first line of a key counts, and
// keys outside the options section are not options.
TEST_F(OptionsFile, TheFileIsReadAsTheGamesOtherIniFiles) {
  std::string note;
  const PlayerOptions read = ParseOptions(
      "; mine\n[Options]\nEFFECTS_VOLUME = 40 ; quieter\nclock_volume=70\nclock_volume=10\nwidth=3\n"
      "[other]\ndifficulty=0\n",
      &note);
  EXPECT_EQ(read.effectsVolume, 40);
  EXPECT_EQ(read.clockVolume, 70);
  EXPECT_EQ(read.difficulty, DIFFICULTY_NORMAL);
  EXPECT_EQ(note, "");
}

TEST_F(OptionsFile, GarbledAndHostileFilesGiveDefaultsOrClampedValuesAndALine) {
  struct Case {
    const char* what;
    std::string text;
    PlayerOptions expected;
  };
  PlayerOptions clamped;
  clamped.effectsVolume = 100;
  clamped.clockVolume = 0;
  clamped.scale = 16;
  clamped.difficulty = DIFFICULTY_HARD;
  PlayerOptions loudClock;
  loudClock.clockVolume = 20;
  const Case cases[] = {
      {"huge numbers", "[options]\neffects_volume=99999999999999999999999\nclock_volume=-99999999999999999999\n"
                       "scale=4294967297\ndifficulty=2147483648\n", clamped},
      {"words", "[options]\neffects_volume=loud\nfullscreen=yes\ndifficulty=1.5x\n", PlayerOptions()},
      {"binary bytes", "[options]\n\0\xff\xfe=\x01\nscale=\x80\x00 2\n\xef\xbb\xbf"s, PlayerOptions()},
      {"no section", "effects_volume=5\n", PlayerOptions()},
      {"a broken line among good ones", "[options]\n%%%%\nclock_volume=20\n[half", loudClock},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Write(c.text);
    const std::string note = LoadOptionsFile();
    EXPECT_TRUE(Same(fileOptions, c.expected));
    EXPECT_TRUE(Same(activeOptions, fileOptions));
    ExpectInRange(fileOptions);
    if (std::string(c.what) != "no section") {
      EXPECT_NE(note, "");
    }
  }
}

TEST_F(OptionsFile, AFileThatCannotBeReadGivesTheDefaultsAndALine) {
  // A folder, a pipe (which must not block the start) and a file far too large to be options.
  fs::create_directories(dir + "/config/options.ini");
  EXPECT_NE(LoadOptionsFile(), "");
  EXPECT_TRUE(Same(fileOptions, PlayerOptions()));
  fs::remove_all(dir + "/config/options.ini");
  ASSERT_EQ(mkfifo((dir + "/config/options.ini").c_str(), 0600), 0);
  EXPECT_NE(LoadOptionsFile(), "");
  EXPECT_TRUE(Same(fileOptions, PlayerOptions()));
  fs::remove(dir + "/config/options.ini");
  Write("[options]\ndifficulty=0\n" + std::string(200000, ';'));
  EXPECT_NE(LoadOptionsFile(), "");
  EXPECT_TRUE(Same(fileOptions, PlayerOptions()));
}

TEST_F(OptionsFile, AFileThatCannotBeWrittenFailsWithAReasonAndKeepsWhatWasThere) {
  std::string error;
  // A folder where the file should be: it stays, and the temporary file is cleaned up.
  fs::create_directories(dir + "/config/options.ini");
  EXPECT_FALSE(SaveOptionsFile(&error));
  EXPECT_NE(error, "");
  EXPECT_TRUE(fs::is_directory(dir + "/config/options.ini"));
  EXPECT_FALSE(fs::exists(dir + "/config/options.ini.tmp"));
  // A file where the folder should be.
  std::ofstream(dir + "/file") << "x";
  SetConfigDir(dir + "/file/duskhollow");
  error.clear();
  EXPECT_FALSE(SaveOptionsFile(&error));
  EXPECT_NE(error, "");
  // A folder without write permission (the superuser writes anyway, so this part needs another user).
  if (geteuid() == 0) return;
  fs::create_directories(dir + "/locked");
  fs::permissions(dir + "/locked", fs::perms::owner_read | fs::perms::owner_exec);
  SetConfigDir(dir + "/locked");
  error.clear();
  EXPECT_FALSE(SaveOptionsFile(&error));
  EXPECT_NE(error, "");
  fs::permissions(dir + "/locked", fs::perms::owner_all);
}

TEST(OptionsFolder, FollowsXdgConfigHomeElseHomeAndIsOffWithoutAFolder) {
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string keepConfig = oldConfig != nullptr ? oldConfig : "", keepHome = oldHome != nullptr ? oldHome : "";
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  setenv("HOME", "/home/p", 1);
  EXPECT_EQ(DefaultConfigDir(), "/cfg/duskhollow");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // XDG folders must be absolute
  EXPECT_EQ(DefaultConfigDir(), "/home/p/.config/duskhollow");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(DefaultConfigDir(), "/home/p/.config/duskhollow");
  unsetenv("HOME");
  EXPECT_EQ(DefaultConfigDir(), "");
  if (oldConfig != nullptr) setenv("XDG_CONFIG_HOME", keepConfig.c_str(), 1);
  if (oldHome != nullptr) setenv("HOME", keepHome.c_str(), 1);
  SetConfigDir("");
  EXPECT_EQ(OptionsFilePath(), "");
  std::string error;
  EXPECT_TRUE(SaveOptionsFile(&error));  // nothing to keep is no failure
  EXPECT_EQ(LoadOptionsFile(), "");
}

}  // namespace
