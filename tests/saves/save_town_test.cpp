// The built program: a saved game remembers its town and continues there; a save of the time before towns
// continues in the first town; a save naming a town no one knows is refused like any bad save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session_support.h"
#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

// Continues the save in `saveDir` from the menu and dumps frame 8 to `dump`.
nlohmann::json Continue(const std::string& data, const std::string& dir, const std::string& saveDir) {
  WriteScript(
      dir + "/continue.txt",
      {{1, "down SPACE"}, {2, "up SPACE"}, {3, "mouse 400 280"}, {3, "down LBUTTON"}, {4, "up LBUTTON"}});
  fs::remove(dir + "/8.json");
  EXPECT_EQ(RunProgram(data, "--seed 2 --frames 8 --input " + dir + "/continue.txt --save-dir " + saveDir +
                                 " --dump 8:" + dir + "/8.json"),
            0);
  return ReadDump(dir + "/8.json");
}

nlohmann::json ReadJson(const std::string& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in, nullptr, false);
}

TEST(SaveTown, AGameContinuesInItsTownAndAnOldSaveInTheFirstTown) {
  const std::string data = ScratchData();
  const std::string dir = ScratchFolder("runs");
  const std::string saves = dir + "/save";
  fs::create_directories(saves);
  // A bot game in the remembered village, saved at its turns.
  std::ofstream(saves + "/last_town") << "village\n";
  ASSERT_EQ(RunProgram(data, "--seed 5 --bot-game --frames 6000 --save-dir " + saves), 0);
  nlohmann::json save = ReadJson(saves + "/save.json");
  ASSERT_EQ(save["town"], "village");
  // The menu offers the first town for the next new game, but the saved one continues in the village.
  std::ofstream(saves + "/last_town", std::ios::trunc) << "duskhollow\n";
  nlohmann::json state = Continue(data, dir, saves);
  ASSERT_EQ(state["screen"], "game");
  EXPECT_EQ(state["town"], "village");
  EXPECT_EQ(state["map"]["W"], 50);
  EXPECT_EQ(state["map"]["H"], 34);
  EXPECT_EQ(state["team"].size(), save["team"].size());
  EXPECT_TRUE(state["messageBoxes"].empty());

  // The same save without its town is of the first town: its board does not fit there, so it is refused.
  save.erase("town");
  std::ofstream(saves + "/save.json", std::ios::trunc) << save.dump();
  state = Continue(data, dir, saves);
  EXPECT_EQ(state["screen"], "menu");
  ASSERT_EQ(state["messageBoxes"].size(), 1u);
  EXPECT_TRUE(fs::exists(saves + "/save.json.bad"));

  // A save of the time before towns (the first town's, no town named) continues in the first town.
  fs::copy_file(std::string(DH_SOURCE_DIR) + "/fuzz/corpus/save/first_turn.json", saves + "/save.json",
                fs::copy_options::overwrite_existing);
  state = Continue(data, dir, saves);
  ASSERT_EQ(state["screen"], "game");
  EXPECT_EQ(state["town"], "duskhollow");
  EXPECT_EQ(state["map"]["W"], 48);
}

TEST(SaveTown, ASaveNamingAnUnknownTownOrNoTextIsRefusedAndPutAside) {
  const std::string data = ScratchData();
  const std::string dir = ScratchFolder("runs");
  const std::string saves = dir + "/save";
  fs::create_directories(saves);
  nlohmann::json save = ReadJson(std::string(DH_SOURCE_DIR) + "/fuzz/corpus/save/first_turn.json");
  for (const nlohmann::json& town : {nlohmann::json("atlantis"), nlohmann::json("Data/map2.dhm"),
                                     nlohmann::json(3), nlohmann::json::array({"village"})}) {
    save["town"] = town;
    fs::remove(saves + "/save.json.bad");
    std::ofstream(saves + "/save.json", std::ios::trunc) << save.dump();
    const nlohmann::json state = Continue(data, dir, saves);
    EXPECT_EQ(state["screen"], "menu") << town;
    EXPECT_EQ(state["messageBoxes"].size(), 1u) << town;
    EXPECT_TRUE(fs::exists(saves + "/save.json.bad")) << town;
    EXPECT_FALSE(fs::exists(saves + "/save.json")) << town;
  }
}

}  // namespace
