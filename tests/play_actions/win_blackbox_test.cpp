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

// Runs the win script to frame `last` under the locale `language` (LANGUAGE's value) and returns the dump of
// frame `last`.
nlohmann::json WinScriptDump(const std::string& language, int last) {
  const std::string data = DataWithoutZombies();
  const std::string script = std::string(DH_SOURCE_DIR) + "/tests/data/win_seed1.txt";
  const std::string dump = std::string(DH_TEST_TMP) + "/win_" + language + ".json";
  const std::string command = "LANGUAGE=" + language + " " + DH_BINARY +
                              " --headless --seed 1 --dt 0.05 --frames " + std::to_string(last) + " --data " +
                              data + " --input " + script + " --dump " + std::to_string(last) + ":" + dump +
                              " > " + DH_TEST_TMP + "/win_" + language + ".txt 2>&1";
  fs::remove(dump);
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  nlohmann::json state;
  std::ifstream(dump) >> state;
  return state;
}

// Drops every text a player reads from a dump, leaving the game itself.
void DropTexts(nlohmann::json& j) {
  if (j.is_object()) {
    for (const char* key : {"message", "name", "description", "language"}) j.erase(key);
    for (auto& [key, value] : j.items()) DropTexts(value);
  } else if (j.is_array()) {
    for (auto& value : j) DropTexts(value);
  }
}

// English changes the texts and nothing else: the same seed and script play the same game.
TEST(WinBlackBox, TheSameGameInEnglishDiffersOnlyInItsTexts) {
  const int last = 900;  // the first find: the message line names it
  nlohmann::json russian = WinScriptDump("ru", last);
  nlohmann::json english = WinScriptDump("en", last);
  ASSERT_EQ(english["screen"], "game");
  EXPECT_EQ(russian["language"], "ru");
  EXPECT_EQ(english["language"], "en");
  EXPECT_EQ(russian["message"], "Найдено: Нож \"Коммандо\"");
  EXPECT_EQ(english["message"], "Found: \"Commando\" knife");
  ASSERT_EQ(english["team"].size(), 2u);
  EXPECT_EQ(russian["team"][0]["name"], "Миша");
  EXPECT_EQ(english["team"][0]["name"], "Misha");
  EXPECT_EQ(english["team"][1]["name"], "Volodya (Knives)");
  EXPECT_EQ(english["team"][1]["description"], "Cook. Handy with knives.\n");
  DropTexts(russian);
  DropTexts(english);
  EXPECT_EQ(russian, english);
}

}  // namespace
