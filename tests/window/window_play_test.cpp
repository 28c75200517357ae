// The real SDL build in a virtual X display: played from an input script through the menu, the team and three
// turns; driven by xdotool at twice the size on a 2000 x 1400 screen; a recorded session replayed headless.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "content/content_support.h"
#include "support/scratch_data.h"

namespace {

// Shell helpers of the xdotool drivers; $rec is the game's recording, $pid the game, $wid its window.
// clang-format off
const char* kDriverHelpers = R"sh(set -u
alive() { kill -0 "$pid" 2>/dev/null || { echo "the game ended early"; exit 3; }; }
# Waits until the recording holds more than $2 lines matching $1.
more() { until [ "$(grep -c -- "$1" "$rec" 2>/dev/null)" -gt "$2" ]; do alive; sleep 0.05; done; }
# Holds a key or button down until the game has seen it, then lets go: hold key space SPACE.
hold() {
  n=$(grep -c " down $3\$" "$rec"); xdotool "$1down" "$2"; more " down $3\$" "$n"
  n=$(grep -c " up $3\$" "$rec"); xdotool "$1up" "$2"; more " up $3\$" "$n"
}
# Moves the mouse to window pixel ($1, $2) and waits until the game has it at logical ($3, $4).
point() { xdotool mousemove --window "$wid" "$1" "$2"; more " mouse $3 $4\$" 0; }
# Waits until the game's clock has run $1 more seconds.
after() {
  t=$(awk -v d="$1" '/ dt /{t+=$3} END{print t+d}' "$rec")
  until awk -v s="$t" '/ dt /{t+=$3} END{exit !(t>=s)}' "$rec"; do alive; sleep 0.05; done
}
# Starts the game with the given options, records into $rec and waits for its window and tenth frame.
start() {
  SDL_AUDIODRIVER=dummy "$BIN" --data "$SRC" --save-dir "$dir/save" --config-dir "$dir/config" --record "$rec" "$@" > "$dir/game.txt" 2>&1 &
  pid=$!
  wid=$(xdotool search --sync --onlyvisible --name Duskhollow | head -1)
  more "^10 dt" 0
}
)sh";
// clang-format on

bool Available(const char* program) {
  return std::system(("command -v " + std::string(program) + " > /dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const std::string& path) {
  std::string text;
  content::ReadWholeFile(path, &text);
  return text;
}

nlohmann::json Json(const std::string& path) {
  std::ifstream in(path);
  nlohmann::json j;
  if (in) in >> j;
  return j;
}

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Available("xvfb-run")) GTEST_SKIP() << "needs xvfb-run";
    dir = std::string(DH_TEST_TMP) + "/window_" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    rec = dir + "/recording.txt";
    data = ScratchData();
  }

  // Runs an xdotool driver on a fresh 2000 x 1400 virtual screen; its output goes to driver.txt.
  int Drive(const std::string& body) {
    std::ofstream(dir + "/driver.sh") << kDriverHelpers << body;
    return std::system(
        ("cd '" + dir + "' && BIN='" + DH_BINARY + "' SRC='" + data + "' dir='" + dir + "' rec='" + rec +
         "' timeout 300 xvfb-run -a -s '-screen 0 2000x1400x24' sh driver.sh > driver.txt 2>&1")
            .c_str());
  }

  std::string dir, rec, data;
};

// Skip the logo, new game, take two candidates, start; then walk, select, and end the turn three times.
// Frames are generous: at a real frame rate every fade is over long before the next line.
std::string PlayScript() {
  std::ostringstream s;
  const auto key = [&](int f, const char* k) {
    s << f << " down " << k << "\n" << f + 1 << " up " << k << "\n";
  };
  const auto click = [&](int f, int x, int y, int wait = 2) {
    s << f << " mouse " << x << " " << y << "\n";
    key(f + wait, "LBUTTON");
  };
  key(1, "SPACE");
  click(20, 400, 360);   // new game
  click(60, 504, 552);   // add: two are offered
  click(160, 600, 180);  // take the first
  click(260, 504, 552);
  click(360, 600, 370);  // take the second
  click(460, 696, 552);  // start
  s << "480 mouse 430 290\n";
  key(540, "2");
  key(600, "E");
  click(900, 380, 320, 3);
  key(1000, "E");
  key(1300, "E");
  return s.str();
}

TEST_F(Window, MenuTeamAndThreeTurnsEndCleanlyWithScreenshots) {
  std::ofstream(dir + "/input.txt") << PlayScript();
  const std::string command =
      "cd '" + dir + "' && SDL_AUDIODRIVER=dummy timeout 300 xvfb-run -a " + DH_BINARY + " --data " + data +
      " --save-dir save --config-dir config --seed 3 --frames 1500 --input input.txt --shot 150:offer.png --shot 470:team.png"
      " --shot 1500:game.png --dump 590:before.json --dump 1500:after.json > run.txt 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const char* shot : {"offer.png", "team.png", "game.png"}) {
    const content::Pixels px = content::LoadPixels(dir + "/" + shot);
    EXPECT_TRUE(px.w == 800 && px.h == 600) << shot << " " << px.w << " x " << px.h;
  }
  const nlohmann::json before = Json(dir + "/before.json"), after = Json(dir + "/after.json");
  ASSERT_EQ(after.value("screen", ""), "game");
  EXPECT_EQ(after["team"].size(), 2u);
  EXPECT_TRUE(after["messageBoxes"].empty()) << after["messageBoxes"];
  // Each ended turn let a zombie in, up to the map's count.
  EXPECT_GT(after["zombies"].size(), before["zombies"].size());
}

TEST_F(Window, OpensAtTwiceTheScreenAndAClickOnExitThereEndsTheGame) {
  if (!Available("xdotool")) GTEST_SKIP() << "needs xdotool";
  ASSERT_EQ(Drive("start --frames 5000\n"
                  "xdotool getwindowgeometry --shell \"$wid\" > geometry.txt\n"
                  "hold key space SPACE\n"
                  "point 800 880 400 440\n"  // the middle of the menu's exit button, twice as large
                  "hold mouse 1 LBUTTON\n"
                  "wait $pid; echo $? > status.txt\n"),
            0)
      << ReadFile(dir + "/driver.txt");
  const std::string geometry = ReadFile(dir + "/geometry.txt");
  EXPECT_NE(geometry.find("WIDTH=1600\n"), std::string::npos) << geometry;
  EXPECT_NE(geometry.find("HEIGHT=1200\n"), std::string::npos) << geometry;
  EXPECT_EQ(ReadFile(dir + "/status.txt"), "0\n");
  // The game stopped in the frame the button came up, long before its frame limit.
  const std::string recording = ReadFile(rec);
  const size_t lastLine = recording.find_last_of('\n', recording.size() - 2) + 1;
  const std::string lastFrame = recording.substr(lastLine, recording.find(' ', lastLine) - lastLine);
  EXPECT_LT(std::atoi(lastFrame.c_str()), 5000);
  EXPECT_NE(recording.find("\n" + lastFrame + " up LBUTTON\n"), std::string::npos) << recording;
}

TEST_F(Window, RecordedSessionReplaysHeadlessToTheSameState) {
  if (!Available("xdotool")) GTEST_SKIP() << "needs xdotool";
  ASSERT_EQ(Drive("start --scale 1 --frames 600 --dump 600:live.json\n"
                  "hold key space SPACE\n"
                  "point 400 360 400 360; hold mouse 1 LBUTTON\n"  // new game
                  "after 0.3\n"
                  "point 504 552 504 552; hold mouse 1 LBUTTON\n"  // add: two people are offered
                  "after 1.0\n"
                  "point 600 180 600 180; hold mouse 1 LBUTTON\n"  // take the first
                  "wait $pid; echo $? > status.txt\n"),
            0)
      << ReadFile(dir + "/driver.txt");
  EXPECT_EQ(ReadFile(dir + "/status.txt"), "0\n");
  const std::string recording = ReadFile(rec);
  const size_t seedAt = recording.find("# seed ");
  ASSERT_NE(seedAt, std::string::npos) << recording;
  const std::string seed = recording.substr(seedAt + 7, recording.find('\n', seedAt) - seedAt - 7);
  // The replay has the live run's options: the window's scale is among the options in force.
  const std::string replay = std::string(DH_BINARY) + " --headless --data " + data + " --input " + rec +
                             " --seed " + seed + " --scale 1 --frames 600 --dump 600:" + dir + "/replay.json";
  ASSERT_EQ(std::system((replay + " > " + dir + "/replay.txt 2>&1").c_str()), 0);
  const nlohmann::json live = Json(dir + "/live.json"), replayed = Json(dir + "/replay.json");
  ASSERT_FALSE(live.is_null());
  EXPECT_EQ(live["screen"], "team");
  EXPECT_EQ(live["team"].size(), 1u) << "the session did not take anyone";
  EXPECT_EQ(live, replayed) << "live:\n" << live.dump(1) << "\nreplayed:\n" << replayed.dump(1);
}

}  // namespace
