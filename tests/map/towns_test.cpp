// The town list and the choice of the town for new games: ids, stepping round, the random town.
#include "map/towns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/random.h"

namespace {

TEST(Towns, IdsNamesAndFilesAreDistinctAndTheFirstTownIsMap1) {
  std::set<std::string> ids, names, files;
  for (const Town& t : Towns()) {
    ids.insert(t.id);
    names.insert(t.name);
    files.insert(t.mapFile);
  }
  EXPECT_EQ(ids.size(), Towns().size());
  EXPECT_EQ(names.size(), Towns().size());
  EXPECT_EQ(files.size(), Towns().size());
  EXPECT_EQ(std::string(Towns()[0].mapFile), "Data/map1.dhm");
  for (size_t i = 0; i < Towns().size(); ++i) EXPECT_EQ(FindTown(Towns()[i].id), static_cast<int>(i));
  for (const char* unknown : {"", "Duskhollow", "duskhollow ", "Data/map1.dhm"})
    EXPECT_EQ(FindTown(unknown), -1);
}

TEST(Towns, StepsWrapAroundBothEnds) {
  const int n = static_cast<int>(Towns().size());
  chosenTown = 0;
  StepTown(-1);
  EXPECT_EQ(chosenTown, n - 1);
  StepTown(1);
  EXPECT_EQ(chosenTown, 0);
  StepTown(n + 2);
  EXPECT_EQ(chosenTown, 2);
  StepTown(-2 * n - 3);
  EXPECT_EQ(chosenTown, n - 1);
  chosenTown = 0;
}

// The random town is the game's own draw: the same seed gives the same town and leaves the generator where
// one RandomInt over the towns leaves it.
TEST(Towns, TheRandomTownIsOneDrawOfTheGamesGenerator) {
  std::set<int> seen;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SeedRandom(seed);
    const int expected = RandomInt(0, static_cast<int>(Towns().size()) - 1);
    const int next = RandomInt(0, 1000);
    SeedRandom(seed);
    ChooseRandomTown();
    EXPECT_EQ(chosenTown, expected) << seed;
    EXPECT_EQ(RandomInt(0, 1000), next) << seed;
    seen.insert(chosenTown);
  }
  EXPECT_EQ(seen.size(), Towns().size());
  chosenTown = 0;
}

}  // namespace
