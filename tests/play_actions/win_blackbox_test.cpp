// The built program, headless with a fixed seed and a recorded script: a game won by starting the car.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "game/ids.h"
#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

// The shipped data with one change, no zombies at all, so that the script's walk is never interrupted.
std::string DataWithoutZombies() {
  const fs::path dir = ScratchData();
  fs::remove(dir / "Data" / "dh.ini");
  std::ifstream in(fs::path(DH_SOURCE_DIR) / "Data" / "dh.ini");
  std::ofstream out(dir / "Data" / "dh.ini");
  const std::regex proportion(R"(^\s*ZOMBIE_PROPORTION\s*=.*)", std::regex::icase);
  for (std::string line; std::getline(in, line);) {
    out << (std::regex_match(line, proportion) ? "ZOMBIE_PROPORTION = 0" : line) << "\n";
  }
  return dir.string();
}

TEST(WinBlackBox, ASeededGameIsWonByStartingTheCarOnTheEscapeCell) {
  const std::string data = DataWithoutZombies();
  const std::string script = std::string(DH_SOURCE_DIR) + "/tests/data/win_seed1.txt";
  const std::string dump = std::string(DH_TEST_TMP) + "/win_end.json";
  const int last = 1770;
  const std::string command = std::string(DH_BINARY) + " --headless --seed 1 --dt 0.05 --frames " +
                              std::to_string(last) + " --data " + data + " --input " + script + " --dump " +
                              std::to_string(last) + ":" + dump + " > " + DH_TEST_TMP + "/win_out.txt 2>&1";
  fs::remove(dump);
  ASSERT_EQ(std::system(command.c_str()), 0);

  nlohmann::json end;
  std::ifstream(dump) >> end;
  ASSERT_EQ(end["screen"], "end");
  const nlohmann::json& map = end["map"];
  EXPECT_TRUE(map["escapeKeyFound"].get<bool>());
  EXPECT_EQ(map["searchesMade"], map["searchThreshold"]);  // the last search turned up the keys
  EXPECT_EQ(map["zombieCount"], 0);
  const nlohmann::json& driver = end["team"][0];
  EXPECT_EQ(driver["x"], map["escape"][0]);
  EXPECT_EQ(driver["y"], map["escape"][1]);
  ASSERT_TRUE(driver["keys"].is_object());
  EXPECT_EQ(driver["keys"]["type"], ITEM_CAR_KEYS);
  EXPECT_EQ(driver["active"], driver["keys"]);
  EXPECT_TRUE(end["messageBoxes"].empty());
}

}  // namespace
