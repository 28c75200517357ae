// The built program, headless with a fixed seed, from the menu through two picks into a game: a team that
// only ever ends its turn is eaten, the end screen follows, and the screenshot asked for is written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "support/scratch_data.h"

namespace {

// Numeric values of the shipped settings file by key (keys are unique across its sections).
std::map<std::string, double> Shipped() {
  std::map<std::string, double> values;
  std::ifstream in(std::string(DH_SOURCE_DIR) + "/Data/dh.ini");
  for (std::string line; std::getline(in, line);) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos || line[0] == ';' || line[0] == '[') continue;
    std::string key = line.substr(0, eq);
    key.erase(key.find_last_not_of(" \t") + 1);
    values[key] = std::atof(line.c_str() + eq + 1);
  }
  return values;
}

std::string Click(int frame, double x, double y) {
  return std::to_string(frame) + " mouse " + std::to_string(static_cast<int>(x)) + " " +
         std::to_string(static_cast<int>(y)) + "\n" + std::to_string(frame) + " down LBUTTON\n" +
         std::to_string(frame + 1) + " up LBUTTON\n";
}

TEST(LossBlackBox, ATeamThatOnlyEndsItsTurnsDiesAndTheEndScreenFollows) {
  std::map<std::string, double> ini = Shipped();
  const double dt = 0.05;
  const int show = static_cast<int>(std::ceil(ini["PASS_T_SHOW_TWO"] / dt)) + 5;
  const int fly = static_cast<int>(std::ceil(ini["PASS_T_ADD_ONE"] / dt)) + 5;
  const double addX = ini["PASS_ADD_X"] + ini["PASS_ADD_W"] / 2,
               addY = ini["PASS_ADD_Y"] + ini["PASS_ADD_H"] / 2;
  std::string script = "1 down SPACE\n2 up SPACE\n";  // past the logo
  script += Click(3, ini["MENU_NEWGAME_BUT_POSX"] + ini["MENU_NEWGAME_BUT_W"] / 2,
                  ini["MENU_NEWGAME_BUT_POSY"] + ini["MENU_NEWGAME_BUT_H"] / 2);
  int f = 6;
  for (const char* card : {"PASS_MAN1_Y", "PASS_MAN2_Y"}) {
    script += Click(f, addX, addY);
    f += 1 + show;
    script += Click(f, ini["PASS_MAN1_X"] + 20, ini[card] + 20);
    f += 1 + fly;
  }
  script +=
      Click(f, ini["PASS_START_X"] + ini["PASS_START_W"] / 2, ini["PASS_START_Y"] + ini["PASS_START_H"] / 2);
  const int game = f + 1, last = 8000;
  script += std::to_string(game + 1) + " down E\n";  // held: every turn is handed straight back

  const std::string dir = std::string(DH_TEST_TMP) + "/loss";
  std::filesystem::remove_all(dir);  // no dump or shot of an earlier run may stand in for this one's
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/input.txt") << script;
  std::string command = std::string(DH_BINARY) + " --headless --seed 7 --dt 0.05 --frames " +
                        std::to_string(last) + " --data " + ScratchData() + " --input " + dir + "/input.txt";
  for (int frame : {game, last})
    command += " --dump " + std::to_string(frame) + ":" + dir + "/" + std::to_string(frame) + ".json";
  command += " --shot " + std::to_string(last) + ":" + dir + "/end.png";
  ASSERT_EQ(std::system((command + " > " + dir + "/out.txt 2>&1").c_str()), 0);

  nlohmann::json start, end;
  std::ifstream(dir + "/" + std::to_string(game) + ".json") >> start;
  std::ifstream(dir + "/" + std::to_string(last) + ".json") >> end;
  ASSERT_EQ(start["screen"], "game");
  ASSERT_EQ(start["team"].size(), 2u);
  EXPECT_EQ(end["screen"], "end");
  ASSERT_EQ(end["team"].size(), 2u);
  for (const nlohmann::json& m : end["team"]) {
    EXPECT_FALSE(m["alive"].get<bool>());
    EXPECT_LE(m["life"].get<int>(), 0);
  }
  EXPECT_LE(end["zombies"].size(), end["map"]["zombieCount"].get<size_t>());
  EXPECT_GT(end["zombies"].size(), start["zombies"].size());  // newcomers entered at the edge
  EXPECT_TRUE(end["messageBoxes"].empty());

  std::ifstream png(dir + "/end.png", std::ios::binary);
  std::string header(24, '\0');
  ASSERT_TRUE(png.read(&header[0], 24)) << "no screenshot";
  EXPECT_EQ(header.substr(1, 3), "PNG");
  auto low16 = [&](size_t at) { return (uint8_t(header[at + 2]) << 8) | uint8_t(header[at + 3]); };
  EXPECT_EQ(std::make_pair(low16(16), low16(20)), std::make_pair(800, 600));  // IHDR width and height
}

}  // namespace
