// The remembered town of the last game: what a file's text names, and the round trip through the save folder.
#include "app/town_memory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/save_paths.h"
#include "map/towns.h"
#include "session_support.h"

namespace {

TEST(TownMemory, OnlyAKnownIdOnTheFirstLineNamesATown) {
  EXPECT_EQ(TownFromMemory("works\n"), FindTown("works"));
  EXPECT_EQ(TownFromMemory("estate"), FindTown("estate"));
  EXPECT_EQ(TownFromMemory("village\r\nworks\n"), FindTown("village"));
  for (const char* text : {"", "\n", "nowhere\n", " works\n", "works \n", "\nworks\n", "Data/map3.dhm\n"}) {
    EXPECT_EQ(TownFromMemory(text), 0) << text;
  }
  EXPECT_EQ(TownFromMemory(std::string("wor\0ks", 6)), 0);
}

TEST(TownMemory, IsKeptInTheSaveFolderAndNothingWithoutOne) {
  const std::string dir = ScratchFolder("save") + "/deeper";
  SetSaveDir("");
  EXPECT_EQ(TownMemoryPath(), "");
  RememberTown(2);
  EXPECT_EQ(RememberedTown(), 0);

  SetSaveDir(dir);
  EXPECT_EQ(RememberedTown(), 0);  // nothing remembered yet
  RememberTown(3);                 // the folder is made
  EXPECT_EQ(RememberedTown(), 3);
  RememberTown(1);
  EXPECT_EQ(RememberedTown(), 1);
  RememberTown(99);  // no such town: the file stays as it was
  EXPECT_EQ(RememberedTown(), 1);
  EXPECT_FALSE(std::filesystem::exists(dir + "/last_town.tmp"));
  std::ofstream(dir + "/last_town", std::ios::trunc) << std::string(100000, 'x');
  EXPECT_EQ(RememberedTown(), 0);
  SetSaveDir("");
}

}  // namespace
