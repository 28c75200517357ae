// Choosing the town on the team screen of the built program, with the shipped layout: the arrows (mouse and
// keys), the random town, the remembered town of the last game, and the team screen's own controls, which
// keep their places and meanings beside the choice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

// Screen points of the shipped layout (Data/dh.ini): the team screen's buttons and cards, the town choice.
constexpr const char* kNewGame = "400 360";
constexpr const char* kAdd = "504 552";    // add, and start over at four members
constexpr const char* kStart = "696 552";  // start, and its stand-by look
constexpr const char* kFirstCard = "600 180";
constexpr const char* kSecondCard = "600 370";
constexpr const char* kPrevious = "468 404";
constexpr const char* kNext = "732 404";
constexpr const char* kRandom = "600 495";

class TownChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test its own folder: ctest runs the tests side by side.
    dir = fs::path(DH_TEST_TMP) / "town_choice" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir / "save");
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the built program headless on the scratch data with the script `lines` (each "FRAME ..."), dumping
  // the state after each frame of `dumps`; returns its exit status.
  int Run(const std::string& lines, std::initializer_list<int> dumps, const std::string& extra = "") {
    const fs::path script = dir / "input.txt";
    std::ofstream(script) << lines;
    std::string command = std::string(DH_BINARY) + " --headless --seed 7 --data " + ScratchData() +
                          " --input " + script.string() + " " + extra;
    int last = 0;
    for (int frame : dumps) {
      command +=
          " --dump " + std::to_string(frame) + ":" + (dir / (std::to_string(frame) + ".json")).string();
      last = std::max(last, frame);
    }
    command += " --frames " + std::to_string(last) + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  nlohmann::json Dump(int frame) const {
    std::ifstream in(dir / (std::to_string(frame) + ".json"));
    return nlohmann::json::parse(in, nullptr, false);
  }

  std::string SaveDir() const { return "--save-dir " + (dir / "save").string(); }

  fs::path dir;
};

// A click at `at` in frames f (move, down) and f + 1 (up).
std::string Click(int f, const char* at) {
  return std::to_string(f) + " mouse " + at + "\n" + std::to_string(f) + " down LBUTTON\n" +
         std::to_string(f + 1) + " up LBUTTON\n";
}

std::string Key(int f, const char* key) {
  return std::to_string(f) + " down " + key + "\n" + std::to_string(f + 1) + " up " + key + "\n";
}

// The logo skipped and the menu's new game taken: the team screen runs from frame 5 on.
const std::string kToTeamScreen = Key(1, "SPACE") + Click(3, kNewGame);

TEST_F(TownChoice, ArrowsAndKeysStepThroughTheTownsWrappingAndTheGameStartsInTheChosenOne) {
  const std::string script = kToTeamScreen + Click(10, kNext) + Key(20, "RIGHT") + Click(30, kPrevious) +
                             Key(40, "LEFT") + Key(50, "LEFT") + Click(60, kAdd) + Click(110, kFirstCard) +
                             Click(160, kAdd) + Click(210, kSecondCard) + Click(260, kStart);
  ASSERT_EQ(Run(script, {8, 12, 22, 32, 42, 52, 262}, SaveDir()), 0);
  EXPECT_EQ(Dump(8)["screen"], "team");
  EXPECT_EQ(Dump(8)["town"], "duskhollow");  // nothing remembered: the first town
  EXPECT_EQ(Dump(12)["town"], "village");
  EXPECT_EQ(Dump(22)["town"], "works");
  EXPECT_EQ(Dump(32)["town"], "village");
  EXPECT_EQ(Dump(42)["town"], "duskhollow");
  EXPECT_EQ(Dump(52)["town"], "estate");  // back past the first town to the last
  const nlohmann::json game = Dump(262);
  ASSERT_EQ(game["screen"], "game");
  EXPECT_EQ(game["town"], "estate");
  EXPECT_EQ(game["team"].size(), 2u);
  // Kestrel Park's map: 50 x 38 with its escape at (14, 25).
  EXPECT_EQ(game["map"]["W"], 50);
  EXPECT_EQ(game["map"]["H"], 38);
  EXPECT_EQ(game["map"]["escape"], nlohmann::json::array({14, 25}));

  // The next start offers the town of the last game; a file naming no town gives the first town.
  std::ifstream remembered(dir / "save" / "last_town");
  std::string line;
  std::getline(remembered, line);
  EXPECT_EQ(line, "estate");
  ASSERT_EQ(Run(kToTeamScreen, {8}, SaveDir()), 0);
  EXPECT_EQ(Dump(8)["town"], "estate");
  std::ofstream(dir / "save" / "last_town") << "../../etc/passwd\n";
  ASSERT_EQ(Run(kToTeamScreen, {8}, SaveDir()), 0);
  EXPECT_EQ(Dump(8)["town"], "duskhollow");
  // Without a save folder nothing is remembered or read.
  ASSERT_EQ(Run(kToTeamScreen + Click(10, kNext) + Click(60, kAdd) + Click(110, kFirstCard) +
                    Click(160, kAdd) + Click(210, kSecondCard) + Click(260, kStart),
                {262}),
            0);
  EXPECT_EQ(Dump(262)["town"], "village");
  ASSERT_EQ(Run(kToTeamScreen, {8}), 0);
  EXPECT_EQ(Dump(8)["town"], "duskhollow");
}

TEST_F(TownChoice, TheRandomTownFollowsTheSeedAndReachesEveryTown) {
  std::set<std::string> towns;
  for (int seed = 1; seed <= 12; ++seed) {
    const std::string script = kToTeamScreen + Click(10, kRandom);
    ASSERT_EQ(Run(script, {12}, "--seed " + std::to_string(seed)), 0);
    const std::string town = Dump(12)["town"];
    towns.insert(town);
    ASSERT_EQ(Run(script, {12}, "--seed " + std::to_string(seed)), 0);
    EXPECT_EQ(Dump(12)["town"], town) << "seed " << seed;
  }
  EXPECT_EQ(towns.size(), 4u);
}

// Every control of the team screen keeps its place and meaning beside the town choice, and a click on the
// choice's place while the offer is open is a click on the offered card, never a change of town.
TEST_F(TownChoice, TheTeamScreensOwnControlsDoWhatTheyDidAndTheOfferCoversTheChoice) {
  std::string script = kToTeamScreen + Click(10, kStart);  // the stand-by start does nothing
  script += Click(20, kAdd) + Click(70, kNext);            // the second card lies over the arrow
  for (int k = 0; k < 3; ++k) script += Click(120 + 100 * k, kAdd) + Click(170 + 100 * k, kFirstCard);
  script += Click(430, kAdd);  // start over at four members
  script += Click(440, kAdd) + Click(490, kSecondCard) + Click(540, kAdd) + Click(590, kFirstCard);
  script += Click(640, kStart);
  ASSERT_EQ(Run(script, {12, 22, 72, 118, 420, 432, 638, 642}), 0);
  EXPECT_EQ(Dump(12)["screen"], "team");
  EXPECT_EQ(Dump(12)["state"], 0);
  EXPECT_EQ(Dump(22)["state"], 1);  // add: the two cards fade in
  EXPECT_EQ(Dump(22)["candidates"].size(), 2u);
  EXPECT_EQ(Dump(72)["state"], 3);  // the second card was picked and flies
  EXPECT_EQ(Dump(118)["team"].size(), 1u);
  EXPECT_EQ(Dump(118)["team"][0]["name"], Dump(22)["candidates"][1]["name"]);
  EXPECT_EQ(Dump(118)["town"], "duskhollow");
  EXPECT_EQ(Dump(420)["team"].size(), 4u);
  EXPECT_EQ(Dump(432)["team"].size(), 0u);
  EXPECT_EQ(Dump(638)["team"].size(), 2u);
  EXPECT_EQ(Dump(642)["screen"], "game");
  EXPECT_EQ(Dump(642)["town"], "duskhollow");
}

}  // namespace
