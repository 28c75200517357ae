// Runs the content generator into a scratch folder and checks it reproduces the shipped files byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "content/content_support.h"

namespace fs = std::filesystem;

namespace {

bool Succeeds(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Files under root/Data and root/Sound, relative to root (logs left out).
std::set<std::string> Shipped(const fs::path& root) {
  std::set<std::string> out;
  for (const char* dir : {"Data", "Sound"}) {
    if (!fs::exists(root / dir)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root / dir)) {
      if (e.is_regular_file() && e.path().extension() != ".log") {
        out.insert(fs::relative(e.path(), root).generic_string());
      }
    }
  }
  return out;
}

TEST(ContentGenerator, ReproducesEveryShippedFile) {
  if (!Succeeds("/usr/bin/python3 -c 'import PIL, numpy'"))
    GTEST_SKIP() << "python3 with PIL and numpy is needed";
  std::string skip = std::getenv("DH_CONTENT_SKIP") ? std::getenv("DH_CONTENT_SKIP") : "";
  if (!Succeeds("command -v sox") || !Succeeds("command -v lame")) skip += " make_sounds.sh";
  const fs::path out = fs::path(DH_TEST_TMP) / "content_generator";
  fs::remove_all(out);
  fs::create_directories(out);
  const std::string command =
      "DH_CONTENT_SKIP='" + skip + "' sh tools/content/generate.sh '" + out.string() + "'";
  ASSERT_TRUE(Succeeds(command)) << command;

  const std::set<std::string> made = Shipped(out);
  EXPECT_GE(made.size(), 15u);
  for (const std::string& file : made) {
    std::string fresh, shipped;
    ASSERT_TRUE(content::ReadWholeFile((out / file).string(), &fresh));
    ASSERT_TRUE(content::ReadWholeFile(file, &shipped)) << file << " is made but not shipped";
    EXPECT_TRUE(fresh == shipped) << file << " differs from the shipped one: regenerate and commit it";
  }
  if (skip.find_first_not_of(' ') == std::string::npos) {
    for (const std::string& file : Shipped(".")) EXPECT_TRUE(made.count(file)) << file << " is not generated";
  }
  fs::remove_all(out);
}

}  // namespace
