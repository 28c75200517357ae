// The line under the menu's title tells a new player what wins the game: the car keys and the car.
#include <gtest/gtest.h>

#include <string>

#include "content/content_support.h"

namespace {

TEST(MenuLine, TheLineUnderTheTitleNamesTheCarKeysAndTheCar) {
  std::string script;
  ASSERT_TRUE(content::ReadWholeFile("tools/content/make_screens.py", &script));
  // The menu's line is the text drawn centred under the title, at (400, 182).
  const std::string call = "layer.text(400, 182, \"";
  const size_t at = script.find(call);
  ASSERT_NE(at, std::string::npos) << "no line under the menu's title";
  const size_t from = at + call.size();
  const std::string line = script.substr(from, script.find('"', from) - from);
  EXPECT_NE(line.find("ключи"), std::string::npos) << line;
  EXPECT_NE(line.find("машину"), std::string::npos) << line;
}

}  // namespace
