// The car keys' search threshold against the searches a constructed team can still make.
#include <gtest/gtest.h>

#include "map_fixture.h"

namespace {

// A 33 x 2 map whose top row is 33 search spots, as many as the shipped town has.
std::string SpotRowMap() {
  std::string text = "33 2 32 32 0 0\n33";
  for (int x = 0; x < 33; ++x) text += " " + std::to_string(x) + " 0";
  const std::string floor = std::string(33, G(FLOOR_SEARCH_SPOT)) + std::string(33, G(FLOOR_OPEN));
  const std::string open(66, '('), none(66, '\'');
  return text + "\n0\n" + floor + "\n" + open + "\n" + open + "\n" + none + "\n" + none + "\n";
}

class SearchThreshold : public MapTest {
 protected:
  void SetUp() override { Load(SpotRowMap()); }
  // A member below spot x, with every spot still to search.
  Person* Searcher(int x, bool alive = true) {
    Person* p = AddMember(x, 1, {}, alive);
    p->searchable.assign(33, true);
    return p;
  }
};

// Counts each living member's unsearched spots of the list; the dead and flags past the list count nothing.
TEST_F(SearchThreshold, SearchesLeftAreTheLivingMembersUnsearchedSpots) {
  EXPECT_EQ(map->SearchesLeft(), 0) << "nobody to search";
  Person* a = Searcher(0);
  Person* b = Searcher(1);
  Searcher(2, false);
  EXPECT_EQ(map->SearchesLeft(), 66);
  a->searchable[0] = a->searchable[32] = false;
  b->searchable.resize(40, true);  // flags beyond the spot list search nothing
  EXPECT_EQ(map->SearchesLeft(), 64);
  b->searchable.resize(10);  // nor do spots a member has no flag for
  EXPECT_EQ(map->SearchesLeft(), 41);
}

// The town's four members wait for 82 searches; when two of them are dead only 66 can be made, and the
// threshold comes down to them. One within reach, or one whose keys are already found, stays.
TEST_F(SearchThreshold, AnUnreachableThresholdComesDownToWhatCanStillBeSearched) {
  for (int x = 0; x < 4; ++x) Searcher(x);
  map->searchThreshold = 82;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 82);
  team[2]->alive = team[3]->alive = 0;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 66);

  // Searches already made count toward it: 10 made, each living member has 5 spots searched.
  for (int k = 0; k < 5; ++k) team[0]->searchable[k] = team[1]->searchable[k] = false;
  map->searchesMade = 10;
  map->searchThreshold = 70;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 66);
  map->searchThreshold = 60;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 60);

  team[1]->alive = 0;
  map->escapeKeyFound = true;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 60) << "the keys are found already";
  map->escapeKeyFound = false;
  map->KeepKeysReachable();
  EXPECT_EQ(map->searchThreshold, 38);
}

}  // namespace
