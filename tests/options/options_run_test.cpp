// The built program and the options file: the screen from the menu by keys writes the file, the window's
// flags win over the file for the run without being written back, and a headless run without
// --config-dir never touches the player's config folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

class OptionsRun : public ::testing::Test {
 protected:
  void SetUp() override {
    data = ScratchData();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = (fs::path(DH_TEST_TMP) / (std::string("OptionsRun_") + test->name())).string();
    fs::remove_all(dir);
    fs::create_directories(dir);
  }

  // Runs the program headless with `arguments` (after `environment`, e.g. "HOME=/x"); its exit status.
  int Run(const std::string& arguments, const std::string& environment = "") {
    const std::string command = "cd " + dir + " && " + environment + " " + DH_BINARY + " --headless --data " +
                                data + " " + arguments + " > " + dir + "/out.txt 2>&1";
    return std::system(command.c_str());
  }
  void Write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  nlohmann::json Dump(const std::string& name) {
    return nlohmann::json::parse(Read(dir + "/" + name), nullptr, false);
  }

  std::string data, dir;
};

TEST_F(OptionsRun, TheScreenFromTheMenuWritesWhatTheKeysChangedAndTheNextRunStartsWithIt) {
  // The logo skipped, "Настройки" clicked; the effects down one step, the difficulty up, Escape.
  Write(dir + "/keys.txt",
        "1 down SPACE\n2 up SPACE\n3 mouse 400 520\n3 down LBUTTON\n4 up LBUTTON\n"
        "6 down LEFT\n7 up LEFT\n8 down UP\n9 up UP\n10 down RIGHT\n11 up RIGHT\n12 down ESCAPE\n13 up ESCAPE\n");
  ASSERT_EQ(Run("--frames 14 --input keys.txt --config-dir cfg --dump 5:open.json --dump 14:menu.json"), 0)
      << Read(dir + "/out.txt");
  const nlohmann::json open = Dump("open.json"), menu = Dump("menu.json");
  EXPECT_EQ(open["screen"], "options");
  EXPECT_EQ(open["options"]["difficulty"], 1);
  EXPECT_EQ(menu["screen"], "menu");
  EXPECT_EQ(menu["options"]["effects_volume"], 90);
  EXPECT_EQ(menu["options"]["difficulty"], 2);
  EXPECT_EQ(menu["options"]["muted"], false);
  EXPECT_EQ(menu["menuButtons"].size(), 4u);
  EXPECT_EQ(menu["menuButtons"][3]["text"], "Настройки");
  const std::string file = Read(dir + "/cfg/options.ini");
  EXPECT_NE(file.find("effects_volume = 90\n"), std::string::npos) << file;
  EXPECT_NE(file.find("difficulty = 2\n"), std::string::npos) << file;
  // The next run reads it, and M mutes there.
  Write(dir + "/mute.txt", "2 down M\n3 up M\n");
  ASSERT_EQ(Run("--frames 3 --input mute.txt --config-dir cfg --dump 1:next.json --dump 3:muted.json"), 0);
  EXPECT_EQ(Dump("next.json")["options"]["effects_volume"], 90);
  EXPECT_EQ(Dump("next.json")["options"]["difficulty"], 2);
  EXPECT_EQ(Dump("muted.json")["options"]["muted"], true);
  EXPECT_EQ(Read(dir + "/cfg/options.ini"), file);  // nothing changed on the screen: nothing written
}

TEST_F(OptionsRun, TheWindowsFlagsWinOverTheFileForTheRunAndAreNotWrittenBack) {
  const std::string file = "[options]\nscale = 1\nfullscreen = 0\ndifficulty = 0\neffects_volume = 50\n";
  Write(dir + "/cfg/options.ini", file);
  ASSERT_EQ(Run("--frames 2 --config-dir cfg --scale 3 --fullscreen --dump 2:run.json"), 0);
  const nlohmann::json options = Dump("run.json")["options"];
  EXPECT_EQ(options["scale"], 3);
  EXPECT_EQ(options["fullscreen"], 1);
  EXPECT_EQ(options["difficulty"], 0);
  EXPECT_EQ(options["effects_volume"], 50);
  EXPECT_EQ(Read(dir + "/cfg/options.ini"), file);
}

TEST_F(OptionsRun, ABrokenFileGivesTheDefaultsALogLineAndNoMessageBox) {
  Write(dir + "/cfg/options.ini", std::string("[options]\ndifficulty=\xff\xfe\nscale=999999999999\n"));
  ASSERT_EQ(Run("--frames 2 --config-dir cfg --dump 2:run.json"), 0);
  const nlohmann::json run = Dump("run.json");
  EXPECT_EQ(run["options"]["difficulty"], 1);
  EXPECT_EQ(run["options"]["scale"], 16);
  EXPECT_TRUE(run["messageBoxes"].empty());
  EXPECT_NE(Read(data + "/Data/dh.log").find("Options: "), std::string::npos);
}

TEST_F(OptionsRun, AHeadlessRunWithoutConfigDirNeverTouchesThePlayersFolder) {
  const std::string player = "[options]\ndifficulty = 0\n";
  Write(dir + "/xdg/duskhollow/options.ini", player);
  Write(dir + "/home/.config/duskhollow/options.ini", player);
  // Into the options screen, a change, and out again: a run with a config folder would write now.
  Write(dir + "/keys.txt",
        "1 down SPACE\n2 up SPACE\n3 mouse 400 520\n3 down LBUTTON\n4 up LBUTTON\n"
        "6 down LEFT\n7 up LEFT\n8 down ESCAPE\n9 up ESCAPE\n");
  ASSERT_EQ(Run("--frames 10 --input keys.txt --dump 1:first.json --dump 10:last.json",
                "XDG_CONFIG_HOME=" + dir + "/xdg HOME=" + dir + "/home"),
            0);
  EXPECT_EQ(Dump("first.json")["options"]["difficulty"], 1);
  EXPECT_EQ(Dump("last.json")["options"]["effects_volume"], 90);
  EXPECT_EQ(Read(dir + "/xdg/duskhollow/options.ini"), player);
  EXPECT_EQ(Read(dir + "/home/.config/duskhollow/options.ini"), player);
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir + "/xdg")) files += entry.is_regular_file();
  for (const auto& entry : fs::recursive_directory_iterator(dir + "/home")) files += entry.is_regular_file();
  EXPECT_EQ(files, 2u);
}

}  // namespace
