// The built program started where there is no display: it reports its start-up failure instead of playing
// unseen.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/scratch_data.h"

namespace {

// Guards start-up without a display: the error is printed on stderr, no frame runs (no dump is written)
// and the program ends at once rather than after the frames it was given.
TEST(NoDisplay, TheProgramReportsItAndPlaysNoFrame) {
  const std::string data = ScratchData();
  const std::string dump = data + "/frame1.json";
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy " +
                              std::string(DH_BINARY) + " --data " + data + " --frames 300 --dump 1:" + dump +
                              " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  pclose(pipe);
  EXPECT_NE(out.find("Error: "), std::string::npos) << out;
  EXPECT_NE(out.find("display"), std::string::npos) << out;
  EXPECT_FALSE(std::filesystem::exists(dump)) << "a frame ran";
}

}  // namespace
