// Team candidates: draws without repetition, profession and trait rules, and the bounded photo search.
#include "game/candidates.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/person.h"
#include "game/roster.h"
#include "rules_fixture.h"

namespace {

class CandidatesTest : public RulesTest {
 protected:
  void TearDown() override {
    for (Person* p : made) DeletePerson(p);
    RulesTest::TearDown();
  }
  Person* Keep(Person* p) {
    made.push_back(p);
    return p;
  }
  // A team member with chosen numbers and nothing drawn.
  Person* Member(int firstName, int profession, int photo, int trait) {
    Person* p = Keep(new Person(100, firstName, 11, photo, 0));
    p->profession = profession;
    p->trait = trait;
    return p;
  }
  std::vector<Person*> made;
};

std::vector<int> Types(const std::vector<Item*>& items) {
  std::vector<int> types;
  for (const Item* item : items) types.push_back(item->type);
  return types;
}

TEST_F(CandidatesTest, FirstFreeValueScansOnwardsAndWraps) {
  auto takenOf = [](std::vector<int> taken) {
    return [taken](int v) { return std::find(taken.begin(), taken.end(), v) != taken.end(); };
  };
  EXPECT_EQ(FirstFreeValue(3, 8, takenOf({3, 4})), 5);
  EXPECT_EQ(FirstFreeValue(4, 8, takenOf({3, 4})), 5);
  EXPECT_EQ(FirstFreeValue(2, 8, takenOf({3, 4})), 2);
  EXPECT_EQ(FirstFreeValue(12, 13, takenOf({12})), 0);
  EXPECT_EQ(FirstFreeValue(12, 13, takenOf({12, 0})), 1);
  EXPECT_EQ(FirstFreeValue(1, 2, takenOf({0, 1})), 1);  // nothing free: the draw repeats
  EXPECT_EQ(FirstFreeValue(0, 1, takenOf({0})), 0);
}

TEST_F(CandidatesTest, NameSkipsTheTeamsNames) {
  team = {Member(3, 0, 0, 0), Member(4, 1, 1, 0)};
  Engine().QueueRandomInts({3, 6, 0, 5});  // name, profession (detective), photo, trait draw
  Feed({Roll(0.5)});                       // no trait
  Person* c = Keep(MakeCandidate(false, nullptr));
  EXPECT_EQ(c->FirstName(), W("Саша"));
  EXPECT_EQ(c->profession, 6);
  EXPECT_EQ(c->photo, 2);
  EXPECT_EQ(c->trait, 0);
  EXPECT_EQ(c->DisplayName(), W("Саша (Детектив)"));
  EXPECT_EQ(c->description, W("Детектив. Поможет ли цепкий глаз и хорошая память против зомби?\n"));
  EXPECT_EQ(c->sprite->GetTexture(), 102u);
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(CandidatesTest, PairsNeverShareNameProfessionOrPhoto) {
  Engine().Random_Seed(1234);
  for (int round = 0; round < 80; ++round) {
    SCOPED_TRACE(round);
    team.clear();
    for (int i = 0; i < round % 4; ++i) team.push_back(Keep(MakeCandidate(false, nullptr)));
    Person* first = Keep(MakeCandidate(false, nullptr));
    Person* second = Keep(MakeCandidate(true, first));
    std::vector<Person*> all = team;
    all.push_back(first);
    all.push_back(second);
    for (size_t a = 0; a < all.size(); ++a) {
      EXPECT_LE(all[a]->bagLoad, all[a]->bagCapacity);
      for (size_t b = a + 1; b < all.size(); ++b) {
        EXPECT_NE(all[a]->firstName, all[b]->firstName);
        EXPECT_NE(all[a]->profession, all[b]->profession);
        EXPECT_NE(all[a]->photo, all[b]->photo);
        if (all[a]->trait != 0 && all[b]->trait != 0) {
          EXPECT_NE(all[a]->trait, all[b]->trait);
        }
      }
    }
  }
}

TEST_F(CandidatesTest, TraitIsDrawnOnlyBelowTwentyPercent) {
  Engine().QueueRandomInts({0, 6, 0, 4});
  Feed({Roll(0.199)});
  Person* lucky = Keep(MakeCandidate(false, nullptr));
  EXPECT_EQ(lucky->trait, 4);
  EXPECT_EQ(lucky->description, W("Детектив. Поможет ли цепкий глаз и хорошая память против зомби?\n"
                                  "После юношеской травмы спины не чувствует боли."));
  Engine().QueueRandomInts({1, 6, 1, 4});
  Feed({Roll(0.2)});
  EXPECT_EQ(Keep(MakeCandidate(false, nullptr))->trait, 0);
}

TEST_F(CandidatesTest, TraitSearchTreatsNoneLikeAnyValue) {
  team = {Member(0, 0, 0, 12)};
  Engine().QueueRandomInts({1, 6, 1, 12});
  Feed({Roll(0.1)});
  EXPECT_EQ(Keep(MakeCandidate(false, nullptr))->trait, 0);  // 12 is taken: wraps to 0

  team.push_back(Member(1, 1, 1, 0));
  Engine().QueueRandomInts({2, 6, 2, 12});
  Feed({Roll(0.1)});
  EXPECT_EQ(Keep(MakeCandidate(false, nullptr))->trait, 1);  // 0 is taken too
}

TEST_F(CandidatesTest, PhotoSearchEndsWhenEveryPhotoIsTaken) {
  PASS_PHOTO_NUM = 1;
  team = {Member(0, 0, 0, 0)};
  Engine().QueueRandomInts({1, 6, 0, 1});
  Feed({Roll(0.5)});
  Person* first = Keep(MakeCandidate(false, nullptr));
  EXPECT_EQ(first->photo, 0);  // a repeated photo rather than no candidate at all
  Engine().QueueRandomInts({2, 6, 0, 1});
  Feed({Roll(0.5)});
  EXPECT_EQ(Keep(MakeCandidate(true, first))->photo, 0);

  for (int count : {0, -3}) {
    PASS_PHOTO_NUM = count;
    Person* c = Keep(MakeCandidate(false, nullptr));  // the fake engine's own draws
    EXPECT_EQ(c->photo, 0);
  }
}

TEST_F(CandidatesTest, PhotosBeyondTheFiveBodiesUseTheFirst) {
  PASS_PHOTO_NUM = 8;
  Engine().QueueRandomInts({0, 6, 6, 1});
  Feed({Roll(0.5)});
  Person* c = Keep(MakeCandidate(false, nullptr));
  EXPECT_EQ(c->photo, 6);
  EXPECT_EQ(c->sprite->GetTexture(), 100u);
}

TEST_F(CandidatesTest, ArmedProfessionsSkipSomeTraits) {
  // Soldier, first text, no rifle, no skill.
  for (int trait : {6, 8, 9}) {
    SCOPED_TRACE(trait);
    Feed({0, Roll(0.5), Roll(0.5)});
    Person* p = Keep(new Person(100, 0, 1, 0, trait));
    EXPECT_EQ(p->trait, trait);
    EXPECT_EQ(p->description, W("Военный. Все началось прямо в казарме.\n"));
    EXPECT_TRUE(p->skills.empty());
    EXPECT_TRUE(p->bag.empty());
    EXPECT_EQ(Unused(), 0u);
  }
  // A cook with the same traits gets them.
  Feed({0, Roll(0.9)});
  Person* shooter = Keep(new Person(100, 0, 0, 0, 6));
  EXPECT_EQ(shooter->skills, (std::vector<int32_t>{0, 5, 2}));
  EXPECT_EQ(shooter->description,
            W("Повар. Хорошо владеет ножами.\nЗанял первое место на соревнованиях по стрельбе."));
  Feed({1, Roll(0.9), 1, 4});  // butcher, no knife, trait 9 gives the pistol (loaded 4)
  Person* armed = Keep(new Person(100, 0, 0, 0, 9));
  EXPECT_EQ(Types(armed->bag), (std::vector<int>{42}));
  EXPECT_EQ(armed->bag[0]->loaded, 4);
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(CandidatesTest, WeaklingHasThreeExceptForServiceAndForest) {
  Person* detective = Keep(new Person(100, 0, 6, 0, 12));
  EXPECT_EQ(detective->life, 3);
  EXPECT_EQ(detective->maximum, 3);
  EXPECT_EQ(detective->actionPoints, 3);
  EXPECT_EQ(detective->skills, (std::vector<int32_t>{7, 20}));
  EXPECT_EQ(detective->description,
            W("Детектив. Поможет ли цепкий глаз и хорошая память против зомби?\nДистрофик."));

  Feed({0, 2});  // forester with nothing
  Person* forester = Keep(new Person(100, 0, 7, 0, 12));
  Feed({0, 3, Roll(0.9)});  // policeman with nothing
  Person* policeman = Keep(new Person(100, 0, 5, 0, 12));
  Feed({1, Roll(0.9)});  // officer, no pistol
  Person* officer = Keep(new Person(100, 0, 1, 0, 12));
  for (Person* p : {forester, policeman, officer}) {
    EXPECT_EQ(p->life, 4);
    EXPECT_EQ(p->maximum, 4);
    EXPECT_EQ(p->actionPoints, 4);
    EXPECT_EQ(std::count(p->skills.begin(), p->skills.end(), 20), 0);
    EXPECT_EQ(p->description.find(W("Дистрофик.")), std::string::npos);
  }
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(CandidatesTest, ProfessionRulesDrawInOrder) {
  Feed({1, Roll(0.5), Roll(0.1)});  // lumberjack: no axe, then the chainsaw
  Person* lumberjack = Keep(new Person(100, 0, 7, 0, 0));
  EXPECT_EQ(lumberjack->skills, (std::vector<int32_t>{8, 9}));
  EXPECT_EQ(Types(lumberjack->bag), (std::vector<int>{39}));
  EXPECT_EQ(lumberjack->description, W("Лесоруб. Профессионально пользуется бензопилой и топором.\n"));

  Feed({0, Roll(0.5), Roll(0.5)});  // the watchman, with neither revolver nor find
  Person* watchman = Keep(new Person(100, 0, 8, 0, 0));
  EXPECT_TRUE(watchman->bag.empty());
  EXPECT_EQ(watchman->description,
            W("Сторож. Директор склада покусал главного бухгалтера. Пора бросать эту работу.\n"));

  Person* gymnast = Keep(new Person(100, 0, 12, 0, 0));
  EXPECT_EQ(gymnast->skills, (std::vector<int32_t>{6}));
  EXPECT_EQ(Unused(), 0u);
}

}  // namespace
