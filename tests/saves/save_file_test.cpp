// The save's folder and its atomic writing: a writer killed between the write and the rename leaves the
// previous save whole.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/atomic_file.h"
#include "app/save_paths.h"
#include "session_support.h"

namespace fs = std::filesystem;

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SaveFile, WritingReplacesTheFileAndMakesItsFolders) {
  const std::string dir = ScratchFolder("files") + "/a/b";
  std::string error;
  ASSERT_TRUE(MakeFolders(dir, &error)) << error;
  ASSERT_TRUE(WriteFileAtomically(dir + "/save.json", "first", &error)) << error;
  ASSERT_TRUE(WriteFileAtomically(dir + "/save.json", "second, longer", &error)) << error;
  EXPECT_EQ(Contents(dir + "/save.json"), "second, longer");
  EXPECT_FALSE(fs::exists(dir + "/save.json.tmp"));
  struct stat info {};
  ASSERT_EQ(stat((dir + "/save.json").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "a player's save is the player's alone";
  // A folder that cannot be made, and a file that cannot be written, are failures with a reason.
  std::ofstream(dir + "/plain") << "x";
  EXPECT_FALSE(MakeFolders(dir + "/plain/sub", &error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(WriteFileAtomically(dir + "/missing/save.json", "x", &error));
  EXPECT_FALSE(error.empty());
}

void AbortNow() {
  std::abort();
}

TEST(SaveFileDeathTest, AWriterKilledBeforeTheRenameLeavesTheOldSaveWhole) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string path = ScratchFolder("files") + "/save.json";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "the old save", &error));
  EXPECT_DEATH(
      {
        beforeRenameHook = AbortNow;
        std::string e;
        WriteFileAtomically(path, "the new save, cut short by the crash", &e);
      },
      "");
  EXPECT_EQ(Contents(path), "the old save");
  // The flushed temporary file is what the crash left; the next write replaces both.
  EXPECT_EQ(Contents(path + ".tmp"), "the new save, cut short by the crash");
  ASSERT_TRUE(WriteFileAtomically(path, "after the crash", &error));
  EXPECT_EQ(Contents(path), "after the crash");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST(SaveFile, TheSaveLivesInThePlayersDataFolderOrWhereTheCommandLineSays) {
  const char* oldHome = std::getenv("HOME");
  const char* oldData = std::getenv("XDG_DATA_HOME");
  const std::string home = oldHome != nullptr ? oldHome : "";
  const std::string data = oldData != nullptr ? oldData : "";
  setenv("HOME", "/home/player", 1);
  setenv("XDG_DATA_HOME", "/data/player", 1);
  EXPECT_EQ(DefaultSaveDir(), "/data/player/duskhollow");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  EXPECT_EQ(DefaultSaveDir(), "/home/player/.local/share/duskhollow");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DefaultSaveDir(), "/home/player/.local/share/duskhollow");
  unsetenv("HOME");
  EXPECT_EQ(DefaultSaveDir(), "");
  if (oldHome != nullptr) setenv("HOME", home.c_str(), 1);
  if (oldData != nullptr) setenv("XDG_DATA_HOME", data.c_str(), 1);

  SetSaveDir("");
  EXPECT_EQ(SaveFilePath(), "");
  EXPECT_FALSE(SaveExists());
  const std::string dir = ScratchFolder("files");
  SetSaveDir(dir);
  EXPECT_EQ(SaveFilePath(), dir + "/save.json");
  EXPECT_EQ(BadSaveFilePath(), dir + "/save.json.bad");
  EXPECT_FALSE(SaveExists());
  fs::create_directory(dir + "/save.json");
  EXPECT_FALSE(SaveExists()) << "a folder is no save";
  fs::remove(dir + "/save.json");
  std::ofstream(dir + "/save.json") << "{}";
  EXPECT_TRUE(SaveExists());
  SetSaveDir("");
}

}  // namespace
