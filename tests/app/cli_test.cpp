// The command line: values, repeated shots and dumps, relative paths, defaults and refusals.
#include "app/cli.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "duskhollow");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), "/home/p");
}

TEST(CommandLine, ReadsEveryOptionAndMakesRelativePathsAbsolute) {
  const CommandLine cl = Parse({"--headless", "--seed", "42", "--dt", "0.02", "--frames", "800", "--input",
                                "in.txt", "--record", "/tmp/r.txt", "--shot", "3:a.png", "--shot",
                                "9:/x/b.png", "--dump", "799:b.json", "--data", "game"});
  ASSERT_EQ(cl.error, "");
  EXPECT_EQ(cl.options.seed, 42u);
  EXPECT_EQ(cl.options.inputScript, "/home/p/in.txt");
  EXPECT_EQ(cl.options.shots,
            (std::vector<std::pair<int, std::string>>{{3, "/home/p/a.png"}, {9, "/x/b.png"}}));
  EXPECT_EQ(cl.dumps, (std::vector<std::pair<int, std::string>>{{799, "/home/p/b.json"}}));
  EXPECT_EQ(cl.dataDir, "/home/p/game");

  const CommandLine none = Parse({});  // a window seeded from the clock, running until closed
  EXPECT_EQ(none.error, "");
  EXPECT_EQ(none.options.backend, hgeBackend::Sdl);
  EXPECT_FALSE(none.options.seeded || none.help || none.version);
  EXPECT_EQ(none.options.maxFrames, 0);
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"--version"}).version);
}

TEST(CommandLine, RefusesBadValues) {
  const std::vector<std::vector<const char*>> bad = {
      {"--seed"},          {"--seed", "-1"},       {"--frames", "0"}, {"--dt", "abc"},
      {"--shot", "a.png"}, {"--dump", "0:a.json"}, {"--dump", "5:"},  {"--bogus"}};
  for (const std::vector<const char*>& args : bad) {
    EXPECT_NE(Parse(args).error, "") << args[0] << " " << (args.size() > 1 ? args[1] : "");
  }
}

}  // namespace
