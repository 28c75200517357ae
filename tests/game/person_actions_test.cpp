// The action queue: poses and sounds at start, offsets while playing, and what finishes when.
#include <gtest/gtest.h>

#include "game/item.h"
#include "game/person.h"
#include "rules_fixture.h"

namespace {

class ActionsTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    member = new Person(100, 0, 11, 0, 0);  // cells are 40 x 30 (fixture)
    member->SetDirection(3);
  }
  void TearDown() override {
    DeletePerson(member);
    RulesTest::TearDown();
  }
  // Queues `types` and starts the first with fresh timers.
  void Queue(std::initializer_list<int> types, float p1 = 0.0f, float p2 = 0.0f) {
    for (int type : types) member->AddAction(type, p1, p2, true);
    member->StartAction(true);
  }
  std::vector<std::string> PlayedSounds() {
    std::vector<std::string> files;
    for (uint32_t effect : Engine().playedEffects) files.push_back(SoundOf(effect));
    return files;
  }
  Person* member = nullptr;
};

TEST_F(ActionsTest, EmptyQueueAnswersMinusOne) {
  EXPECT_EQ(member->Analyze(0.01f), -1);
  member->StartAction(true);  // nothing to start
  EXPECT_EQ(member->Analyze(0.01f), -1);
}

TEST_F(ActionsTest, FacingActionsDrainOnePerFrame) {
  Queue({0, 37, 0});
  EXPECT_EQ(member->Analyze(0.01f), 0);
  EXPECT_EQ(member->Analyze(0.01f), 37);
  EXPECT_EQ(member->Analyze(0.01f), 0);
  EXPECT_EQ(member->Analyze(0.01f), -1);
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 2));  // standing frame of facing 3
}

TEST_F(ActionsTest, WaitLastsLongerThanItsTime) {
  Queue({36}, 0.5f);
  EXPECT_EQ(member->Analyze(0.3f), ACTION_PLAYING);
  EXPECT_EQ(member->Analyze(0.2f), ACTION_PLAYING);  // exactly 0.5 is not yet more
  EXPECT_EQ(member->Analyze(0.01f), 36);
}

TEST_F(ActionsTest, StepRightMovesAcrossTheBorderInTwoHalves) {
  Queue({7, 8});
  EXPECT_EQ(member->direction, 2);
  EXPECT_EQ(FrameOf(*member), std::make_pair(1, 1));
  EXPECT_EQ(member->Analyze(0.15f), ACTION_PLAYING);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f + 0.5f * 40.0f);
  EXPECT_EQ(member->Analyze(0.1f), ACTION_PLAYING);
  EXPECT_NEAR(member->drawX, -11.0f + 0.25f / 0.3f * 40.0f, 1e-4);
  EXPECT_EQ(member->Analyze(0.1f), 7);  // the loop now moves the drawing cell one to the right
  EXPECT_FLOAT_EQ(member->drawX, -11.0f - 20.0f);
  EXPECT_FLOAT_EQ(member->actionTime, 0.0f);
  EXPECT_EQ(member->Analyze(0.075f), ACTION_PLAYING);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f + (0.25f - 0.5f) * 40.0f);
  EXPECT_EQ(member->Analyze(0.3f), 8);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f);
}

TEST_F(ActionsTest, StepUpUsesTheStandHeight) {
  Queue({5, 6}, 10.0f);
  EXPECT_EQ(member->direction, 1);
  member->Analyze(0.15f);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f - 0.5f * 30.0f);
  EXPECT_EQ(member->Analyze(0.2f), 5);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f + 15.0f);
  member->Analyze(0.06f);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f - (0.2f - 0.5f) * 30.0f);
  EXPECT_EQ(member->Analyze(0.3f), 6);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f);
}

TEST_F(ActionsTest, WalkCycleChangesColumnEveryFifteenHundredths) {
  // Two steps down: the vertical cycle 2, 1, 2, 1 after the starting column 1.
  Queue({9, 10, 9, 10});
  std::vector<int> columns = {FrameOf(*member).first};
  for (int i = 0; i < 8; ++i) {
    member->Analyze(0.16f);
    columns.push_back(FrameOf(*member).first);
    EXPECT_EQ(FrameOf(*member).second, 2);
  }
  // Frames: change, finish, change, finish (second step starts on column 1 again), change, finish ...
  EXPECT_EQ(columns, (std::vector<int>{1, 2, 2, 1, 1, 2, 2, 1, 1}));
  EXPECT_EQ(member->Analyze(0.16f), -1);
}

TEST_F(ActionsTest, HorizontalWalkCycle) {
  Queue({11, 12});
  EXPECT_EQ(member->direction, 4);
  std::vector<int> columns = {FrameOf(*member).first};
  for (int i = 0; i < 6; ++i) {
    member->Analyze(0.11f);
    columns.push_back(FrameOf(*member).first);
  }
  // 0.11 no change, 0.22 -> 0, 0.33 finish; then 0.11 no change, 0.22 -> 2, 0.33 finish.
  EXPECT_EQ(columns, (std::vector<int>{1, 1, 0, 0, 0, 2, 2}));
  EXPECT_EQ(FrameOf(*member).second, 3);
}

TEST_F(ActionsTest, ClimbRightRisesOverTheBarrier) {
  Queue({17, 18}, 10.0f, 20.0f);
  EXPECT_EQ(member->direction, 2);
  EXPECT_EQ(FrameOf(*member), std::make_pair(3, 1));
  member->Analyze(0.2f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f + 0.5f * 40.0f);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f + (-50.0f - 10.0f) * 0.5f);
  EXPECT_EQ(member->Analyze(0.25f), 17);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f - 20.0f);
  EXPECT_FLOAT_EQ(member->drawY, -110.0f);
  member->Analyze(0.1f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f + (0.25f - 0.5f) * 40.0f);
  EXPECT_FLOAT_EQ(member->drawY, 20.0f - 60.0f + 0.75f * (-50.0f - 20.0f));
  EXPECT_EQ(member->Analyze(0.35f), 18);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f);
  EXPECT_FLOAT_EQ(member->drawY, 20.0f - 60.0f);
}

TEST_F(ActionsTest, ClimbUpAndDownAddTheHeightToTheStep) {
  Queue({15}, 10.0f, 20.0f);
  EXPECT_EQ(member->direction, 1);
  member->Analyze(0.2f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f - 0.5f * 30.0f + 10.0f + (-60.0f) * 0.5f);
  EXPECT_EQ(member->Analyze(0.21f), 15);
  EXPECT_FLOAT_EQ(member->drawY, -110.0f);

  Queue({20}, 10.0f, 20.0f);
  member->Analyze(0.1f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f + (0.25f - 0.5f) * 30.0f + 20.0f + 0.75f * (-70.0f));
  EXPECT_EQ(member->Analyze(0.31f), 20);
  EXPECT_FLOAT_EQ(member->drawY, -40.0f);
}

TEST_F(ActionsTest, PushSlidesAgainstTheFacing) {
  member->SetDirection(1);
  Queue({33, 34}, 0.0f, 10.0f);
  EXPECT_EQ(FrameOf(*member), std::make_pair(5, 0));
  member->Analyze(0.15f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f + 0.5f * 30.0f + 0.5f * 10.0f);
  EXPECT_EQ(member->Analyze(0.2f), 33);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f - 15.0f + 5.0f);
  member->Analyze(0.15f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f + 0.0f * 30.0f + 1.0f * 10.0f);
  EXPECT_EQ(member->Analyze(0.2f), 34);
  EXPECT_FLOAT_EQ(member->drawY, 10.0f - 60.0f);

  member->SetDirection(2);
  Queue({33, 34}, 0.0f, 10.0f);
  member->Analyze(0.15f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f - 20.0f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f + 5.0f);
  EXPECT_EQ(member->Analyze(0.2f), 33);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f);
  member->Analyze(0.3f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f - 0.5f * 40.0f);
  EXPECT_EQ(member->Analyze(0.01f), 34);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f);
}

TEST_F(ActionsTest, RecoilJoltsBackwardsAndReturns) {
  member->SetDirection(4);
  Queue({31}, 5.0f);
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 3));
  member->Analyze(0.15f);
  EXPECT_FLOAT_EQ(member->drawX, -11.0f + 0.3f * 40.0f);
  EXPECT_EQ(member->Analyze(0.16f), 31);
  EXPECT_FLOAT_EQ(member->drawY, 5.0f - 60.0f);

  member->SetDirection(1);
  Queue({35}, 0.0f);
  EXPECT_EQ(FrameOf(*member), std::make_pair(5, 0));
  member->Analyze(0.075f);
  EXPECT_FLOAT_EQ(member->drawY, -60.0f + 0.15f * 30.0f);
}

TEST_F(ActionsTest, TwoRightTurnsFromDownFaceUp) {
  Queue({14, 14});
  EXPECT_EQ(member->Analyze(0.1f), ACTION_PLAYING);
  EXPECT_EQ(member->Analyze(0.15f), 14);
  EXPECT_EQ(member->direction, 4);
  EXPECT_EQ(member->Analyze(0.2f), ACTION_PLAYING);  // a new turn starts from 0
  EXPECT_EQ(member->Analyze(0.01f), 14);
  EXPECT_EQ(member->direction, 1);
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 0));

  Queue({13, 28});
  member->Analyze(0.21f);
  member->Analyze(0.21f);
  EXPECT_EQ(member->direction, 3);  // 1 -> 4 -> 3
}

TEST_F(ActionsTest, PosesAndSoundsAtStart) {
  Queue({23});
  EXPECT_EQ(FrameOf(*member), std::make_pair(4, 2));
  member->actions.clear();
  Queue({25});
  EXPECT_EQ(FrameOf(*member), std::make_pair(7, 2));
  member->actions.clear();
  Queue({27});
  EXPECT_EQ(FrameOf(*member), std::make_pair(5, 2));
  member->actions.clear();
  Queue({4});
  EXPECT_EQ(FrameOf(*member), std::make_pair(8, 2));
  member->actions.clear();
  Queue({30});
  EXPECT_EQ(FrameOf(*member), std::make_pair(4, 2));
  member->actions.clear();
  EXPECT_EQ(PlayedSounds(), (std::vector<std::string>{"Sound/fx/baseball bat.mp3", "Sound/fx/ak47 one.mp3",
                                                      "Sound/fx/man wound short.mp3"}));
}

TEST_F(ActionsTest, FiredRoundsComeFromTheActiveItemAndStopAtEmpty) {
  Feed({2});
  Item* revolver = new Item(41);
  member->bag.push_back(revolver);
  member->active = revolver;
  Queue({24, 24, 24});
  EXPECT_EQ(FrameOf(*member), std::make_pair(6, 2));
  EXPECT_EQ(member->Analyze(0.3f), ACTION_PLAYING);
  EXPECT_EQ(revolver->loaded, 2);  // taken when the shot finishes
  EXPECT_EQ(member->Analyze(0.01f), 24);
  EXPECT_EQ(revolver->loaded, 1);
  member->Analyze(0.31f);
  member->Analyze(0.31f);
  EXPECT_EQ(revolver->loaded, 0);  // the third round finds the magazine empty
  EXPECT_EQ(PlayedSounds().size(), 3u);
}

TEST_F(ActionsTest, FallAndDyingShowTheirRows) {
  Queue({26});
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 4));
  EXPECT_EQ(member->Analyze(0.3f), ACTION_PLAYING);
  EXPECT_EQ(member->Analyze(0.01f), 26);
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 4));

  Engine().ClearRecords();
  member->SetDirection(2);
  Queue({32});
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 5));
  EXPECT_EQ(PlayedSounds(), (std::vector<std::string>{"Sound/fx/splash.mp3"}));
  EXPECT_EQ(member->Analyze(0.05f), ACTION_PLAYING);
  EXPECT_EQ(member->Analyze(0.05f), 32);
}

TEST_F(ActionsTest, UnknownTypeIsReportedOnceAndDropped) {
  Queue({99, 0});
  EXPECT_EQ(member->Analyze(0.01f), 99);
  EXPECT_EQ(member->Analyze(0.01f), 0);
  EXPECT_EQ(member->Analyze(0.01f), -1);
  EXPECT_EQ(Engine().errorBoxes, (std::vector<std::string>{W("Неизвестно действие Person::analyz")}));
}

TEST_F(ActionsTest, TurningTowardsACell) {
  struct Case {
    int facing, tx, ty;
    std::vector<int> turns;
  };
  // The member stands at (5, 5).
  const Case cases[] = {
      {1, 6, 5, {14}}, {1, 4, 5, {13}},     {1, 5, 6, {14, 14}}, {1, 5, 2, {}},   {4, 5, 4, {14}},
      {2, 5, 4, {13}}, {3, 5, 4, {14, 14}}, {3, 9, 7, {13}},     {2, 5, 5, {13}},  // the same cell counts as
                                                                                   // up
  };
  member->x = 5;
  member->y = 5;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.facing << " -> " << c.tx << "," << c.ty);
    member->actions.clear();
    member->direction = static_cast<int16_t>(c.facing);
    EXPECT_EQ(member->TurnTowards(c.tx, c.ty, 7.0f), static_cast<int>(c.turns.size()));
    std::vector<int> queued;
    for (const person_action_struct& a : member->actions) {
      queued.push_back(a.type);
      EXPECT_FLOAT_EQ(a.p1, 7.0f);
    }
    EXPECT_EQ(queued, c.turns);
  }
}

TEST_F(ActionsTest, DirectionsBetweenCells) {
  EXPECT_EQ(DirectionTo(5, 5, 4, 5), 4);
  EXPECT_EQ(DirectionTo(5, 5, 6, 5), 2);
  EXPECT_EQ(DirectionTo(5, 5, 5, 4), 1);
  EXPECT_EQ(DirectionTo(5, 5, 5, 6), 3);
  EXPECT_EQ(DirectionTo(5, 5, 5, 5), 1);
  EXPECT_EQ(DirectionTo(0, 0, 2, 2), 3);  // a diagonal goes by rows
  EXPECT_EQ(DirectionTo(0, 0, 3, 2), 2);
  EXPECT_EQ(DirectionTo(3, 0, 0, 2), 4);
  EXPECT_EQ(DirectionTo(0, 3, 1, 0), 1);
  EXPECT_EQ(OppositeDirection(1), 3);
  EXPECT_EQ(OppositeDirection(2), 4);
  EXPECT_EQ(OppositeDirection(3), 1);
  EXPECT_EQ(OppositeDirection(4), 2);
}

}  // namespace
