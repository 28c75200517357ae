// The real SDL build in a virtual X display, played from an input script through the menu, the team
// selection and three turns: it must end cleanly, with its screenshots written and no error shown.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

// Skip the logo, new game, take two candidates, start; then walk, select, and end the turn three times.
// Frames are generous: at a real frame rate every fade is over long before the next line.
const char* const kScript = R"(1 down SPACE
2 up SPACE
20 mouse 400 360
22 down LBUTTON
23 up LBUTTON
60 mouse 504 552
62 down LBUTTON
63 up LBUTTON
160 mouse 600 180
162 down LBUTTON
163 up LBUTTON
260 mouse 504 552
262 down LBUTTON
263 up LBUTTON
360 mouse 600 370
362 down LBUTTON
363 up LBUTTON
460 mouse 696 552
462 down LBUTTON
463 up LBUTTON
480 mouse 430 290
540 down 2
541 up 2
600 down E
601 up E
900 mouse 380 320
903 down LBUTTON
904 up LBUTTON
1000 down E
1001 up E
1300 down E
1301 up E
)";

bool Available(const char* program) {
  return std::system(("command -v " + std::string(program) + " > /dev/null 2>&1").c_str()) == 0;
}

// Width and height from a PNG's header, or (0, 0).
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof(header))) return {0, 0};
  auto word = [&](int at) {
    return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
  };
  return {word(16), word(20)};
}

nlohmann::json Json(const std::string& path) {
  std::ifstream in(path);
  nlohmann::json j;
  if (in) in >> j;
  return j;
}

TEST(WindowPlay, MenuTeamAndThreeTurnsEndCleanlyWithScreenshots) {
  if (!Available("xvfb-run")) GTEST_SKIP() << "needs xvfb-run";
  const std::string dir = std::string(DH_TEST_TMP) + "/window_play";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/input.txt") << kScript;
  const std::string command =
      "cd '" + dir + "' && SDL_AUDIODRIVER=dummy timeout 300 xvfb-run -a " + DH_BINARY + " --data " +
      DH_SOURCE_DIR +
      " --seed 3 --frames 1500 --input input.txt --shot 150:offer.png --shot 470:team.png"
      " --shot 1500:game.png --dump 590:before.json --dump 1500:after.json > run.txt 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const char* shot : {"offer.png", "team.png", "game.png"}) {
    EXPECT_EQ(PngSize(dir + "/" + shot), std::make_pair(800, 600)) << shot;
  }
  const nlohmann::json before = Json(dir + "/before.json");
  const nlohmann::json after = Json(dir + "/after.json");
  ASSERT_EQ(after.value("screen", ""), "game");
  EXPECT_EQ(after["team"].size(), 2u);
  EXPECT_TRUE(after["messageBoxes"].empty()) << after["messageBoxes"];
  // Each ended turn let a zombie in, up to the map's count.
  EXPECT_GT(after["zombies"].size(), before["zombies"].size());
}

}  // namespace
