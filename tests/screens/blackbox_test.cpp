// The built program from the menu into a running game, driven by an input script and read from its dumps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

namespace {

// Numeric values of the shipped settings file, by key (the keys are unique across its sections).
std::map<std::string, double> ShippedSettings() {
  std::map<std::string, double> values;
  std::ifstream in(std::string(DH_SOURCE_DIR) + "/Data/dh.ini");
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos || line[0] == ';' || line[0] == '[') continue;
    std::string key = line.substr(0, eq);
    key.erase(key.find_last_not_of(" \t") + 1);
    values[key] = std::atof(line.substr(eq + 1).c_str());
  }
  return values;
}

// A left click at (x, y): the button goes down in `frame` and up in the next.
std::string ClickAt(int frame, double x, double y) {
  std::ostringstream s;
  s << frame << " mouse " << static_cast<int>(x) << " " << static_cast<int>(y) << "\n"
    << frame << " down LBUTTON\n"
    << frame + 1 << " up LBUTTON\n";
  return s.str();
}

std::string Held(int from, int to, const char* key) {
  return std::to_string(from) + " down " + key + "\n" + std::to_string(to) + " up " + key + "\n";
}

class BlackBox : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::string(DH_TEST_TMP) + "/blackbox";
    std::filesystem::create_directories(dir);
  }

  // Runs the program headless with the script; the dumps and shots are asked for by frame.
  int Run(const std::string& script, int frames, const std::set<int>& dumps, const std::set<int>& shots) {
    std::ofstream(dir + "/input.txt") << script;
    std::string command = std::string(DH_BINARY) + " --headless --seed 11 --frames " +
                          std::to_string(frames) + " --data " + DH_SOURCE_DIR + " --input " + dir +
                          "/input.txt";
    for (int f : dumps) command += " --dump " + std::to_string(f) + ":" + DumpPath(f);
    for (int f : shots) command += " --shot " + std::to_string(f) + ":" + ShotPath(f);
    return std::system((command + " > " + dir + "/out.txt 2>&1").c_str());
  }

  std::string DumpPath(int frame) const { return dir + "/dump" + std::to_string(frame) + ".json"; }
  std::string ShotPath(int frame) const { return dir + "/shot" + std::to_string(frame) + ".png"; }

  nlohmann::json Dump(int frame) const {
    std::ifstream in(DumpPath(frame));
    EXPECT_TRUE(in) << "no dump of frame " << frame;
    nlohmann::json j;
    if (in) in >> j;
    return j;
  }

  // Width and height from a PNG's header.
  std::pair<int, int> PngSize(int frame) const {
    std::ifstream in(ShotPath(frame), std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof(header));
    auto be = [&](int at) {
      return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
    };
    return {be(16), be(20)};
  }

  std::string dir;
};

TEST_F(BlackBox, FromTheMenuTwoCandidatesIntoAGameThatSelectsAndScrolls) {
  std::map<std::string, double> ini = ShippedSettings();
  ASSERT_FALSE(ini.empty());
  const int show = static_cast<int>(std::ceil(ini["PASS_T_SHOW_TWO"] / 0.01)) + 5;
  const int fly = static_cast<int>(std::ceil(ini["PASS_T_ADD_ONE"] / 0.01)) + 5;
  const double addX = ini["PASS_ADD_X"] + ini["PASS_ADD_W"] / 2,
               addY = ini["PASS_ADD_Y"] + ini["PASS_ADD_H"] / 2;

  std::string script = Held(1, 2, "SPACE");  // past the logo, if there is one
  script += ClickAt(3, ini["MENU_NEWGAME_BUT_POSX"] + ini["MENU_NEWGAME_BUT_W"] / 2,
                    ini["MENU_NEWGAME_BUT_POSY"] + ini["MENU_NEWGAME_BUT_H"] / 2);
  int f = 6;
  script += ClickAt(f, addX, addY);
  f += 1 + show;
  const int offerFrame = f - 1;
  script += ClickAt(f, ini["PASS_MAN1_X"] + 20, ini["PASS_MAN1_Y"] + 20);
  f += 1 + fly;
  script += ClickAt(f, addX, addY);
  f += 1 + show;
  script += ClickAt(f, ini["PASS_MAN2_X"] + 20, ini["PASS_MAN2_Y"] + 20);
  f += 1 + fly;
  script += ClickAt(f, ini["PASS_START_X"] + ini["PASS_START_W"] / 2,
                    ini["PASS_START_Y"] + ini["PASS_START_H"] / 2);
  const int game = f + 1;
  script += std::to_string(game + 1) + " mouse 400 300\n";
  script += Held(game + 5, game + 6, "2") + Held(game + 8, game + 9, "4") + Held(game + 11, game + 12, "1");
  // The arrow keys carry the view to its left and bottom limits, the mouse at the edges back again.
  const double speed = ini["SCROLLING_SPEED"] * 0.01;
  const int across = static_cast<int>(std::ceil(3000 / speed));
  const int left = game + 20, right = left + across + 1, down = right + 31, up = down + across + 1;
  script += Held(left, right - 1, "LEFT");
  script += std::to_string(right) + " mouse 799 300\n" + std::to_string(right + 30) + " mouse 400 300\n";
  script += Held(down, up - 1, "DOWN");
  script += std::to_string(up) + " mouse 400 0\n";

  const std::set<int> dumps = {offerFrame, game,       game + 6, game + 9, game + 12,
                               right - 1,  right + 30, up - 1,   up + 30};
  ASSERT_EQ(Run(script, up + 30, dumps, {offerFrame, up + 30}), 0);

  const nlohmann::json offer = Dump(offerFrame);
  EXPECT_EQ(offer["screen"], "team");
  EXPECT_EQ(offer["state"], 2);
  EXPECT_EQ(offer["candidates"].size(), 2u);
  EXPECT_TRUE(offer["team"].empty());

  const nlohmann::json start = Dump(game);
  ASSERT_EQ(start["screen"], "game");
  EXPECT_EQ(start["state"], 0);
  EXPECT_EQ(start["selectedMember"], 0);
  EXPECT_TRUE(start["candidates"].empty());
  const nlohmann::json& map = start["map"];
  const int W = map["W"], H = map["H"];
  ASSERT_EQ(start["team"].size(), 2u);
  EXPECT_NE(start["team"][0]["cell"], start["team"][1]["cell"]);
  for (const nlohmann::json& m : start["team"]) {
    const int x = m["x"], y = m["y"];
    const int d = m["direction"];
    EXPECT_TRUE((y == 0 && d == 3) || (x == W - 1 && d == 4) || (y == H - 1 && d == 1) || (x == 0 && d == 2))
        << x << "," << y << " facing " << d;
    EXPECT_EQ(m["cell"], y * W + x);
    EXPECT_EQ(m["actionPoints"], m["maximum"]);
  }
  EXPECT_EQ(start["message"], start["team"][0]["name"]);
  const int count = static_cast<int>(std::trunc(2 * ini["ZOMBIE_PROPORTION"]));
  EXPECT_EQ(map["zombieCount"], count);
  EXPECT_EQ(start["zombies"].size(), static_cast<size_t>(count / 2));
  for (const nlohmann::json& z : start["zombies"]) {
    for (const nlohmann::json& m : start["team"]) {
      EXPECT_FALSE(std::abs(int{z["x"]} - int{m["x"]}) < 4 && std::abs(int{z["y"]} - int{m["y"]}) < 4);
    }
  }
  EXPECT_EQ(map["searchesMade"], 0);
  EXPECT_GE(map["searchThreshold"], 2);

  EXPECT_EQ(Dump(game + 6)["selectedMember"], 1);
  EXPECT_EQ(Dump(game + 6)["message"], start["team"][1]["name"]);
  EXPECT_EQ(Dump(game + 9)["selectedMember"], 1);  // there is no fourth member
  EXPECT_EQ(Dump(game + 12)["selectedMember"], 0);

  const double minX = -ini["BORDER_LEFT"];
  EXPECT_DOUBLE_EQ(Dump(right - 1)["map"]["scroll"][0], minX);
  EXPECT_GT(Dump(right + 30)["map"]["scroll"][0], minX);
  const double maxY = double{map["H"]} * double{map["CH"]} - 600 + ini["BORDER_DOWN"];
  EXPECT_DOUBLE_EQ(Dump(up - 1)["map"]["scroll"][1], maxY);
  EXPECT_LT(Dump(up + 30)["map"]["scroll"][1], maxY);
  EXPECT_EQ(Dump(up + 30)["screen"], "game");

  EXPECT_EQ(PngSize(offerFrame), std::make_pair(800, 600));
  EXPECT_EQ(PngSize(up + 30), std::make_pair(800, 600));
}

}  // namespace
