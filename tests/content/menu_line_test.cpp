// The line under the menu's title tells a new player what wins the game: the car keys and the car.
#include <gtest/gtest.h>

#include <string>

#include "content/content_support.h"

namespace {

TEST(MenuLine, TheLineUnderTheTitleNamesTheCarKeysAndTheCar) {
  std::string script;
  ASSERT_TRUE(content::ReadWholeFile("tools/content/make_screens.py", &script));
  // The menu's line is the text drawn centred under the title, at (400, 182); its words are the "goal" of
  // each language's table, Russian first.
  ASSERT_NE(script.find("layer.text(400, 182, words[\"goal\"]"), std::string::npos)
      << "no line under the title";
  const std::string key = "\"goal\": \"";
  std::string lines[2];
  size_t at = 0;
  for (std::string& line : lines) {
    at = script.find(key, at);
    ASSERT_NE(at, std::string::npos) << "no line for every language";
    at += key.size();
    line = script.substr(at, script.find('"', at) - at);
  }
  EXPECT_NE(lines[0].find("ключи"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("машину"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("keys"), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("car"), std::string::npos) << lines[1];
}

}  // namespace
