// Team candidates: draws without repetition, the trait chance and search, and the bounded photo search.
#include "game/candidates.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

class CandidatesTest : public RulesTest {
 protected:
  // A team member with chosen numbers and nothing drawn.
  Person* Member(int firstName, int profession, int photo, int trait) {
    Person* p = Keep(new Person(100, firstName, 11, photo, 0));
    p->profession = profession;
    p->trait = trait;
    return p;
  }
  // A candidate from the engine's draws (name, profession, photo, trait) and the trait chance's roll.
  Person* Candidate(std::initializer_list<int> engineDraws, double roll, const Person* first = nullptr) {
    Engine().QueueRandomInts(engineDraws);
    Feed({Roll(roll)});
    return Keep(MakeCandidate(first != nullptr, first));
  }
};

// The scan is bounded: when every value is taken the draw is kept as a repeat instead of looping forever.
TEST_F(CandidatesTest, FirstFreeValueScansOnwardsWrapsAndGivesUp) {
  const struct {
    int draw, n;
    std::vector<int> taken;
    int expected;
  } cases[] = {{3, 8, {3, 4}, 5}, {2, 8, {3, 4}, 2}, {12, 13, {12, 0}, 1}, {1, 2, {0, 1}, 1}, {0, 1, {0}, 0}};
  for (const auto& c : cases) {
    const auto taken = [&](int v) { return std::find(c.taken.begin(), c.taken.end(), v) != c.taken.end(); };
    EXPECT_EQ(FirstFreeValue(c.draw, c.n, taken), c.expected) << c.draw << " of " << c.n;
  }
}

TEST_F(CandidatesTest, PairsNeverShareNameProfessionOrPhoto) {
  Engine().Random_Seed(1234);
  for (int round = 0; round < 80; ++round) {
    SCOPED_TRACE(round);
    team.clear();
    for (int i = 0; i < round % 4; ++i) team.push_back(Keep(MakeCandidate(false, nullptr)));
    Person* first = Keep(MakeCandidate(false, nullptr));
    Person* second = Keep(MakeCandidate(true, first));
    team.push_back(first);
    team.push_back(second);
    const std::vector<Person*>& all = team;
    for (size_t a = 0; a < all.size(); ++a) {
      EXPECT_LE(all[a]->bagLoad, all[a]->bagCapacity);
      for (size_t b = a + 1; b < all.size(); ++b) {
        EXPECT_NE(all[a]->firstName, all[b]->firstName);
        EXPECT_NE(all[a]->profession, all[b]->profession);
        EXPECT_NE(all[a]->photo, all[b]->photo);
        EXPECT_TRUE(all[a]->trait == 0 || all[a]->trait != all[b]->trait);
      }
    }
  }
}

// A trait is drawn below a roll of 0.2; its search treats "none" (0) like any other value.
TEST_F(CandidatesTest, TraitChanceAndSearch) {
  EXPECT_EQ(Candidate({0, 6, 0, 4}, 0.199)->trait, 4);
  EXPECT_EQ(Candidate({1, 6, 1, 4}, 0.2)->trait, 0);
  team = {Member(0, 0, 0, 12)};
  EXPECT_EQ(Candidate({1, 6, 1, 12}, 0.1)->trait, 0);  // 12 is taken: wraps to 0
  team.push_back(Member(1, 1, 1, 0));
  EXPECT_EQ(Candidate({2, 6, 2, 12}, 0.1)->trait, 1);  // 0 is taken too
  EXPECT_EQ(Unused(), 0u);
}

// With every photo taken the draw repeats rather than searching for ever; fewer than one photo still
// gives photo 0; photos beyond the five bodies use the first.
TEST_F(CandidatesTest, PhotoSearchIsBoundedAndPhotosBeyondTheFiveBodiesUseTheFirst) {
  PASS_PHOTO_NUM = 1;
  team = {Member(0, 0, 0, 0)};
  Person* first = Candidate({1, 6, 0, 1}, 0.5);
  EXPECT_EQ(first->photo, 0);
  EXPECT_EQ(Candidate({2, 6, 0, 1}, 0.5, first)->photo, 0);
  for (int count : {0, -3}) {
    PASS_PHOTO_NUM = count;
    EXPECT_EQ(Keep(MakeCandidate(false, nullptr))->photo, 0);  // the fake engine's own draws
  }
  team.clear();
  PASS_PHOTO_NUM = 8;
  Person* c = Candidate({0, 6, 6, 1}, 0.5);
  EXPECT_EQ(c->photo, 6);
  EXPECT_EQ(c->sprite->GetTexture(), 100u);
}

}  // namespace
