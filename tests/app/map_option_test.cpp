// --map: new games start on the named map file, the bot's games too, and a file that cannot be read is
// refused before anything starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli.h"
#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

// Runs the built program headless on the scratch data with `args`; returns its exit status.
int RunGame(const std::string& data, const std::string& args) {
  const std::string command =
      std::string(DH_BINARY) + " --headless --data " + data + " " + args + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

nlohmann::json ReadJson(const std::string& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in, nullptr, false);
}

// This test's own folder: ctest runs the tests side by side.
std::string Folder() {
  const fs::path dir = fs::path(DH_TEST_TMP) / "map_option" /
                       ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

TEST(MapOption, IsReadAsAnAbsolutePathAndNeedsAFile) {
  const char* args[] = {"duskhollow", "--map", "towns/mine.dhm"};
  EXPECT_EQ(ParseCommandLine(3, args, "/home/p").mapFile, "/home/p/towns/mine.dhm");
  const char* bare[] = {"duskhollow", "--map"};
  EXPECT_NE(ParseCommandLine(2, bare, "/home/p").error, "");
  const char* none[] = {"duskhollow"};
  EXPECT_EQ(ParseCommandLine(1, none, "/home/p").mapFile, "");
}

TEST(MapOption, TheGameAndTheBotsGamesLoadTheNamedTownAndAMissingFileIsRefused) {
  const std::string data = ScratchData(), dir = Folder();
  ASSERT_EQ(RunGame(data, "--seed 3 --frames 2 --dump 2:" + dir + "/first.json"), 0);
  ASSERT_EQ(RunGame(data, "--seed 3 --frames 2 --map " + data + "/Data/map2.dhm --dump 2:" + dir + "/second.json"), 0);
  const nlohmann::json first = ReadJson(dir + "/first.json"), second = ReadJson(dir + "/second.json");
  ASSERT_TRUE(first.contains("map") && second.contains("map"));
  // The second town differs from the first in size and in the escape's place.
  EXPECT_EQ(first["map"]["W"], 48);
  EXPECT_EQ(second["map"]["W"], 50);
  EXPECT_NE(first["map"]["escape"], second["map"]["escape"]);

  // The bot plays each game in a process of its own, which must be given the map too.
  ASSERT_EQ(RunGame(data, "--seed 3 --bot 1 --frames 5 --map " + data + "/Data/map2.dhm --dump 5:" + dir + "/bot.json"),
            0);
  EXPECT_EQ(ReadJson(dir + "/bot.json")["map"]["W"], 50);

  EXPECT_EQ(RunGame(data, "--seed 3 --frames 2 --map " + dir + "/no_such.dhm --dump 2:" + dir + "/none.json"), 2);
  EXPECT_FALSE(fs::exists(dir + "/none.json"));
  fs::remove_all(dir);
}

// The dump and the save name a --map game's town by the file's path; a path that is not UTF-8 is written with
// its odd bytes replaced instead of failing the dump or the save.
TEST(MapOption, AMapFileWhoseNameIsNotUtf8StillDumpsAndSaves) {
  const std::string data = ScratchData(), dir = Folder();
  const std::string odd = dir + "/odd\xff.dhm";
  fs::copy_file(data + "/Data/map2.dhm", odd);
  ASSERT_EQ(RunGame(data, "--seed 3 --bot-game --frames 3000 --map '" + odd + "' --save-dir " + dir +
                              "/save --dump 3000:" + dir + "/odd.json"),
            0);
  const nlohmann::json state = ReadJson(dir + "/odd.json"), save = ReadJson(dir + "/save/save.json");
  ASSERT_FALSE(state.is_discarded());
  EXPECT_EQ(state["town"], dir + "/odd\xef\xbf\xbd.dhm");
  EXPECT_EQ(state["map"]["W"], 50);
  ASSERT_FALSE(save.is_discarded());
  EXPECT_EQ(save["town"], state["town"]);
  fs::remove_all(dir);
}

}  // namespace
