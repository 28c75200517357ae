// The built program: a game quit with Escape and continued plays on as if never interrupted; a finished
// game leaves no save and the next one starts on a fresh board; a bad save is refused and put aside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session_support.h"
#include "support/scratch_data.h"

namespace fs = std::filesystem;

namespace {

// The recorded game is quit with Escape in this frame; the save holds the state after the frame before.
constexpr int kQuitFrame = 199;
// The menu's continue click of a new run (logo skipped in frames 1 and 2) is done in this frame.
constexpr int kContinueFrame = 4;
// So frame F of the continued run matches frame F + kShift of the run that was never interrupted.
constexpr int kShift = kQuitFrame - 1 - kContinueFrame;
constexpr int kLastFrame = 1200;

// The menu's "Продолжить" button, clicked after the logo is skipped.
std::vector<ScriptLine> ContinueClick() {
  return {{1, "down SPACE"}, {2, "up SPACE"}, {3, "mouse 400 280"}, {3, "down LBUTTON"}, {4, "up LBUTTON"}};
}

// A dump of every frame from `from` to `to` into folder `dir` (relative to the run's folder, which keeps
// the command line short).
std::string DumpArgs(const std::string& dir, int from, int to) {
  std::string args;
  for (int f = from; f <= to; ++f)
    args += " --dump " + std::to_string(f) + ":" + dir + "/" + std::to_string(f) + ".json";
  return args;
}

TEST(SessionBlackBox, AGameQuitWithEscapeAndContinuedPlaysOnFrameForFrameAsTheUninterruptedOne) {
  const std::string data = ScratchData();
  const std::string dir = ScratchFolder("runs");
  const std::vector<ScriptLine> game = RecordedGame();

  // The whole game in one run.
  WriteScript(dir + "/whole.txt", game);
  fs::create_directories(dir + "/whole");
  fs::create_directories(dir + "/second");
  ASSERT_EQ(RunProgram(data,
                       "--seed 1 --dt 0.05 --frames " + std::to_string(kLastFrame) + " --input " + dir +
                           "/whole.txt --save-dir " + dir + "/save_whole" +
                           DumpArgs("whole", kQuitFrame - 1, kLastFrame) + " --shot " +
                           std::to_string(kLastFrame) + ":whole.png",
                       dir),
            0);
  // The same game quit with Escape ...
  std::vector<ScriptLine> first;
  ScriptLine mouse{kContinueFrame + 1, "mouse 400 300"};
  for (const ScriptLine& s : game) {
    if (s.frame >= kQuitFrame) continue;
    first.push_back(s);
    if (s.event.rfind("mouse", 0) == 0) mouse.event = s.event;
  }
  first.push_back({kQuitFrame, "down ESCAPE"});
  WriteScript(dir + "/first.txt", first);
  ASSERT_EQ(RunProgram(data, "--seed 1 --dt 0.05 --frames 400 --input " + dir + "/first.txt --save-dir " +
                                 dir + "/save"),
            0);
  ASSERT_TRUE(fs::exists(dir + "/save/save.json"));
  // ... and continued by a new run with another seed: the rest of the input comes as many frames earlier.
  std::vector<ScriptLine> second = ContinueClick();
  second.push_back(mouse);
  for (const ScriptLine& s : game) {
    if (s.frame > kQuitFrame) second.push_back({s.frame - kShift, s.event});
  }
  WriteScript(dir + "/second.txt", second);
  ASSERT_EQ(RunProgram(data,
                       "--seed 77 --dt 0.05 --frames " + std::to_string(kLastFrame - kShift) + " --input " +
                           dir + "/second.txt --save-dir " + dir + "/save" +
                           DumpArgs("second", kContinueFrame, kLastFrame - kShift) + " --shot " +
                           std::to_string(kLastFrame - kShift) + ":second.png",
                       dir),
            0);

  int compared = 0;
  for (int f = kContinueFrame; f <= kLastFrame - kShift; ++f) {
    nlohmann::json whole = ReadDump(dir + "/whole/" + std::to_string(f + kShift) + ".json");
    nlohmann::json continued = ReadDump(dir + "/second/" + std::to_string(f) + ".json");
    ASSERT_TRUE(whole.is_object() && continued.is_object()) << "frame " << f;
    whole.erase("frame");
    continued.erase("frame");
    ASSERT_EQ(whole, continued) << "continued frame " << f << " differs from frame " << f + kShift;
    ++compared;
  }
  EXPECT_EQ(compared, kLastFrame - kShift - kContinueFrame + 1);
  // The game went on for real: zombies came and turns passed.
  const nlohmann::json last = ReadDump(dir + "/second/" + std::to_string(kLastFrame - kShift) + ".json");
  EXPECT_EQ(last["screen"], "game");
  EXPECT_FALSE(last["zombies"].empty());
  // And it looks the same: the continued run has the pictures of figures, photos and display too.
  const std::string picture = ReadFile(dir + "/whole.png");
  EXPECT_FALSE(picture.empty());
  EXPECT_TRUE(picture == ReadFile(dir + "/second.png")) << "the continued game's frame looks different";
}

TEST(SessionBlackBox, AWonGameLeavesNoSaveAndTheNextGameStartsOnAFreshBoardWithoutARestart) {
  // The recorded win needs a map without zombies.
  const std::string data = ScratchData();
  fs::remove(data + "/Data/dh.ini");
  {
    std::ifstream in(std::string(DH_SOURCE_DIR) + "/Data/dh.ini");
    std::ofstream out(data + "/Data/dh.ini");
    for (std::string line; std::getline(in, line);) {
      out << (line.rfind("ZOMBIE_PROPORTION", 0) == 0 ? "ZOMBIE_PROPORTION = 0" : line) << "\n";
    }
  }
  const std::string dir = ScratchFolder("runs");
  std::vector<ScriptLine> script = RecordedGame();
  constexpr int kWon = 1770;
  // A click on the end screen, then a new game of two as at the start (the same clicks, later).
  script.push_back({kWon + 5, "mouse 400 300"});
  script.push_back({kWon + 5, "down LBUTTON"});
  script.push_back({kWon + 6, "up LBUTTON"});
  for (const ScriptLine& s : RecordedGame()) {
    if (s.frame >= 3 && s.frame <= 63) script.push_back({s.frame + kWon + 10, s.event});
  }
  WriteScript(dir + "/script.txt", script);
  const std::string save = dir + "/save/save.json";
  ASSERT_EQ(
      RunProgram(data, "--seed 1 --dt 0.05 --frames 1900 --input " + dir + "/script.txt --save-dir " + dir +
                           "/save --dump 1000:" + dir + "/playing.json --dump " + std::to_string(kWon) + ":" +
                           dir + "/won.json --dump " + std::to_string(kWon + 8) + ":" + dir +
                           "/menu.json --dump 1900:" + dir + "/again.json"),
      0);
  const nlohmann::json playing = ReadDump(dir + "/playing.json");
  const nlohmann::json won = ReadDump(dir + "/won.json");
  const nlohmann::json menu = ReadDump(dir + "/menu.json");
  const nlohmann::json again = ReadDump(dir + "/again.json");
  EXPECT_TRUE(playing["saveExists"].get<bool>());
  ASSERT_EQ(won["screen"], "end");
  EXPECT_FALSE(won["saveExists"].get<bool>());
  ASSERT_EQ(menu["screen"], "menu");
  ASSERT_EQ(menu["menuButtons"].size(), 4u);
  for (const nlohmann::json& b : menu["menuButtons"]) {
    EXPECT_EQ(b["enabled"].get<bool>(), b["text"] != "Продолжить") << b["text"];
  }
  // The second game: a fresh board and a save of its own from its first turn.
  ASSERT_EQ(again["screen"], "game");
  EXPECT_EQ(again["team"].size(), 2u);
  EXPECT_EQ(again["map"]["searchesMade"], 0);
  EXPECT_FALSE(again["map"]["escapeKeyFound"].get<bool>());
  EXPECT_TRUE(again["groundItems"].empty());
  EXPECT_TRUE(again["messageBoxes"].empty());
  EXPECT_TRUE(again["saveExists"].get<bool>());
  EXPECT_TRUE(fs::exists(save));
}

TEST(SessionBlackBox, ABadSaveIsRefusedWithABoxPutAsideAndTheMenuOffersANewGame) {
  const std::string data = ScratchData();
  const std::string dir = ScratchFolder("runs");
  fs::create_directories(dir + "/save");
  std::ofstream(dir + "/save/save.json") << R"({"format": "duskhollow-save", "version": 1, "team": [)";
  std::vector<ScriptLine> script = ContinueClick();
  // New game, pressed after the refusal.
  script.push_back({8, "mouse 400 360"});
  script.push_back({8, "down LBUTTON"});
  script.push_back({9, "up LBUTTON"});
  WriteScript(dir + "/script.txt", script);
  ASSERT_EQ(RunProgram(data, "--seed 3 --frames 12 --input " + dir + "/script.txt --save-dir " + dir +
                                 "/save --dump 6:" + dir + "/refused.json --dump 12:" + dir + "/team.json"),
            0);
  const nlohmann::json refused = ReadDump(dir + "/refused.json");
  EXPECT_EQ(refused["screen"], "menu");
  ASSERT_EQ(refused["messageBoxes"].size(), 1u);
  EXPECT_EQ(refused["messageBoxes"][0], "Сохранение повреждено");
  EXPECT_FALSE(refused["saveExists"].get<bool>());
  EXPECT_FALSE(refused["menuButtons"][2]["enabled"].get<bool>());
  EXPECT_TRUE(fs::exists(dir + "/save/save.json.bad"));
  EXPECT_EQ(ReadDump(dir + "/team.json")["screen"], "team");
  std::ifstream log(data + "/Data/dh.log");
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Save refused: the file is not complete JSON"), std::string::npos) << text;
}

TEST(SessionBlackBox, AHeadlessRunWithoutSaveDirWritesNoPlayersFiles) {
  const std::string data = ScratchData();
  const std::string home = ScratchFolder("home");
  std::vector<ScriptLine> script;
  for (const ScriptLine& s : RecordedGame()) {
    if (s.frame <= 150) script.push_back(s);
  }
  script.push_back({160, "down ESCAPE"});
  const std::string path = home + "/script.txt";
  WriteScript(path, script);
  ASSERT_EQ(
      RunProgram(data, "--seed 1 --dt 0.05 --frames 200 --input " + path + " --dump 150:" + home + "/d.json"),
      0);
  // Run again with the player's folders pointing into the scratch folder.
  const std::string env = "HOME=" + home + " XDG_DATA_HOME=" + home + "/data ";
  const std::string command = env + DH_BINARY + " --headless --data " + data +
                              " --seed 1 --dt 0.05 --frames 200 --input " + path + " > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadDump(home + "/d.json")["screen"], "game");
  EXPECT_FALSE(ReadDump(home + "/d.json")["saveExists"].get<bool>());
  EXPECT_FALSE(fs::exists(home + "/data"));
  EXPECT_FALSE(fs::exists(home + "/.local"));
}

}  // namespace
