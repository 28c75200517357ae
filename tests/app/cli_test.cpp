// The command line: values, repeated shots and dumps, relative paths, and refusals.
#include <gtest/gtest.h>

#include <vector>

#include "app/cli.h"

namespace {

CommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "duskhollow");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), "/home/p");
}

TEST(CommandLine, ReadsEveryOption) {
  const CommandLine cl = Parse({"--headless", "--seed", "42", "--dt", "0.02", "--frames", "800", "--input",
                                "in.txt", "--record", "/tmp/r.txt", "--shot", "3:a.png", "--shot",
                                "9:/x/b.png", "--dump", "799:b.json", "--data", "game"});
  ASSERT_EQ(cl.error, "");
  EXPECT_EQ(cl.options.backend, hgeBackend::Headless);
  EXPECT_TRUE(cl.options.seeded);
  EXPECT_EQ(cl.options.seed, 42u);
  EXPECT_FLOAT_EQ(cl.options.fixedDelta, 0.02f);
  EXPECT_EQ(cl.options.maxFrames, 800);
  EXPECT_EQ(cl.options.inputScript, "/home/p/in.txt");
  EXPECT_EQ(cl.options.recordFile, "/tmp/r.txt");
  ASSERT_EQ(cl.options.shots.size(), 2u);
  EXPECT_EQ(cl.options.shots[0], std::make_pair(3, std::string("/home/p/a.png")));
  EXPECT_EQ(cl.options.shots[1], std::make_pair(9, std::string("/x/b.png")));
  ASSERT_EQ(cl.dumps.size(), 1u);
  EXPECT_EQ(cl.dumps[0], std::make_pair(799, std::string("/home/p/b.json")));
  EXPECT_EQ(cl.dataDir, "/home/p/game");
}

TEST(CommandLine, DefaultsToAClockSeededWindow) {
  const CommandLine cl = Parse({});
  EXPECT_EQ(cl.error, "");
  EXPECT_EQ(cl.options.backend, hgeBackend::Sdl);
  EXPECT_FALSE(cl.options.seeded);
  EXPECT_EQ(cl.options.maxFrames, 0);
  EXPECT_FALSE(cl.help || cl.version);
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"--version"}).version);
}

TEST(CommandLine, RefusesBadValues) {
  for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
           {"--seed"}, {"--seed", "x"}, {"--seed", "-1"}, {"--frames", "0"}, {"--dt", "0"},
           {"--dt", "abc"}, {"--shot", "a.png"}, {"--dump", "0:a.json"}, {"--dump", "5:"},
           {"--scale", "0"}, {"--bogus"}}) {
    EXPECT_NE(Parse(args).error, "") << args[0];
  }
}

}  // namespace
