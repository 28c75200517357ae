// The bot's command line, its game seeds, and whole bot runs of the built program: the summary line, and
// the same seed playing the same games.
#include "app/bot/bot_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>

#include "app/cli.h"
#include "support/scratch_data.h"

namespace {

CommandLine Parse(std::initializer_list<const char*> args) {
  std::vector<const char*> argv = {"duskhollow"};
  argv.insert(argv.end(), args.begin(), args.end());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data(), "/here");
}

// Runs the built program with `args`; returns its stdout and sets its exit status.
std::string RunProgram(const std::string& args, int* status) {
  const std::string command =
      std::string(DH_BINARY) + " --data " + ScratchData() + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  *status = pclose(pipe);
  return out;
}

TEST(BotCommandLine, TakesAGameCountAndRefusesScriptedInput) {
  EXPECT_EQ(Parse({"--headless", "--bot", "4"}).botGames, 4);
  EXPECT_TRUE(Parse({"--bot-game"}).botGame);
  EXPECT_FALSE(Parse({"--bot", "0"}).error.empty());
  EXPECT_FALSE(Parse({"--bot"}).error.empty());
  EXPECT_FALSE(Parse({"--bot", "2", "--input", "x.txt"}).error.empty());
}

TEST(BotCommandLine, TakesATeamSizeFromTwoToFourOnlyWithTheBot) {
  EXPECT_EQ(Parse({"--bot", "2", "--bot-team", "4"}).botTeam, 4);
  EXPECT_EQ(Parse({"--bot-game", "--bot-team", "2"}).botTeam, 2);
  EXPECT_EQ(Parse({"--bot", "2"}).botTeam, 0);
  for (const char* size : {"1", "5", "x"}) EXPECT_FALSE(Parse({"--bot", "2", "--bot-team", size}).error.empty());
  EXPECT_FALSE(Parse({"--bot-team", "3"}).error.empty());
  EXPECT_FALSE(Parse({"--bot", "2", "--bot-team"}).error.empty());
}

TEST(BotSeeds, TheFirstGamePlaysTheSeedAndNeighbouringRunsShareNoGame) {
  EXPECT_EQ(BotGameSeed(11, 0), 11u);
  std::set<unsigned> seeds;
  for (unsigned run = 11; run <= 13; ++run) {
    for (int game = 0; game < 4; ++game) seeds.insert(BotGameSeed(run, game));
  }
  EXPECT_EQ(seeds.size(), 12u);
}

TEST(BotRun, PlaysToTheFrameCapAndReportsOneLineThatASecondRunRepeats) {
  int status = -1;
  const std::string first = RunProgram("--headless --seed 5 --bot 2 --frames 1500", &status);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(std::regex_match(
      first,
      std::regex("bot: 2 games, 0 won, 0 lost, 3000 frames, [1-9][0-9]* invariant checks, 0 violations, "
                 "- turns to a win, [0-9]+\\.[0-9] searches a game\n")))
      << first;
  EXPECT_EQ(RunProgram("--headless --seed 5 --bot 2 --frames 1500", &status), first);
}

TEST(BotRun, AFixedTeamSizeIsTheTeamEveryGameStartsWith) {
  const std::filesystem::path dir = std::filesystem::path(DH_TEST_TMP) / "bot_team";
  std::filesystem::create_directories(dir);
  int status = -1;
  for (const int size : {2, 4}) {
    for (const unsigned seed : {5u, 6u}) {
      const std::string dump = (dir / ("team" + std::to_string(size) + ".json")).string();
      std::filesystem::remove(dump);
      RunProgram("--headless --seed " + std::to_string(seed) + " --bot 1 --bot-team " + std::to_string(size) +
                     " --frames 2500 --dump 2500:" + dump,
                 &status);
      EXPECT_EQ(status, 0);
      std::ifstream in(dump);
      const nlohmann::json state = nlohmann::json::parse(in, nullptr, false);
      ASSERT_FALSE(state.is_discarded()) << dump;
      EXPECT_EQ(state["screen"], "game");
      EXPECT_EQ(state["team"].size(), static_cast<size_t>(size)) << "seed " << seed;
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
