// The action queue: poses and sounds at start, offsets while playing, and what finishes when.
#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

// One frame of a script: the frame time, what Analyze answers, and the offsets after it.
struct Frame {
  float dt;
  int result;
  float drawX, drawY;
};

class ActionsTest : public RulesTest {
 protected:
  void SetUp() override {
    RulesTest::SetUp();
    member = Keep(new Person(100, 0, 11, 0, 0));  // cells are 40 x 30 (fixture)
    member->SetDirection(DIR_DOWN);
  }
  // Queues `types` and starts the first with fresh timers.
  void Queue(std::initializer_list<int> types, float p1 = 0.0f, float p2 = 0.0f) {
    for (int type : types) member->AddAction(type, p1, p2, true);
    member->StartAction(true);
  }
  // Starts `types` from rest (-11, -60) facing `facing`, checks the frame shown, then plays `frames`.
  void Script(int facing, std::initializer_list<int> types, float p2, std::pair<int, int> shown,
              const std::vector<Frame>& frames) {
    member->SetDirection(facing);
    member->drawX = -11.0f;
    member->drawY = -60.0f;
    Queue(types, 0.0f, p2);
    EXPECT_EQ(FrameOf(*member), shown);
    for (const Frame& f : frames) {
      EXPECT_EQ(member->Analyze(f.dt), f.result);
      EXPECT_NEAR(member->drawX, f.drawX, 1e-3);
      EXPECT_NEAR(member->drawY, f.drawY, 1e-3);
    }
  }
  Person* member = nullptr;
};

// An unknown type is reported once and dropped like a facing action.
TEST_F(ActionsTest, FacingActionsDrainOnePerFrameAndWaitsLastTheirTime) {
  EXPECT_EQ(member->Analyze(0.01f), -1);
  Queue({PA_FACE, PA_ZOMBIE_FACE, 99, PA_ZOMBIE_WAIT}, 0.5f);
  EXPECT_EQ(member->Analyze(0.01f), PA_FACE);
  EXPECT_EQ(member->Analyze(0.01f), PA_ZOMBIE_FACE);
  EXPECT_EQ(member->Analyze(0.01f), 99);
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 2));  // standing frame of facing down
  EXPECT_EQ(member->Analyze(0.5f), PA_PLAYING);       // exactly 0.5 is not yet more
  EXPECT_EQ(member->Analyze(0.01f), PA_ZOMBIE_WAIT);
  EXPECT_EQ(member->Analyze(0.01f), -1);
  EXPECT_EQ(Engine().errorBoxes, (std::vector<std::string>{W("Неизвестно действие Person::analyz")}));
}

// A step and a push frame by frame (cells are 40 x 30, figures rest at -11, -60). Each half covers half a
// cell: the first ends at the border, where the loop moves the drawing cell, so the offset is then counted
// from the new cell, half a cell back.
TEST_F(ActionsTest, StepsAndPushesFollowTheirFrameScripts) {
  Script(DIR_DOWN, {PA_STEP_RIGHT, PA_STEP_RIGHT_END}, 0, {1, 1},
         {{0.15f, PA_PLAYING, -11 + 10, -60},
          {0.10f, PA_PLAYING, -11 + 0.25f / 0.6f * 40, -60},
          {0.10f, PA_STEP_RIGHT, -11 - 20, -60},
          {0.075f, PA_PLAYING, -11 - 15, -60},
          {0.30f, PA_STEP_RIGHT_END, -11, -60}});
  Script(DIR_RIGHT, {PA_PUSHED, PA_PUSHED_END}, 10, {5, 1},  // pushed left while facing right
         {{0.15f, PA_PLAYING, -11 - 10, -60 + 2.5f},
          {0.2f, PA_PUSHED, -11 + 20, -60 + 5},
          {0.3f, PA_PLAYING, -11, -60 + 10},
          {0.01f, PA_PUSHED_END, -11, 10 - 60}});
}

TEST_F(ActionsTest, TurnsChangeTheFacingAfterTwoTenths) {
  Queue({PA_TURN_RIGHT, PA_TURN_RIGHT});
  EXPECT_EQ(member->Analyze(0.1f), PA_PLAYING);
  EXPECT_EQ(member->Analyze(0.15f), PA_TURN_RIGHT);
  EXPECT_EQ(member->direction, DIR_LEFT);
  EXPECT_EQ(member->Analyze(0.2f), PA_PLAYING);  // a new turn starts from 0
  EXPECT_EQ(member->Analyze(0.01f), PA_TURN_RIGHT);
  EXPECT_EQ(member->direction, DIR_UP);  // two right turns from facing down
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, 0));
  Queue({PA_TURN_LEFT, PA_ZOMBIE_TURN_LEFT});
  member->Analyze(0.21f);
  member->Analyze(0.21f);
  EXPECT_EQ(member->direction, DIR_DOWN);  // up -> left -> down
}

// The fall and dying take 0.6 s through the dying row of the facing (a member from its second column, its
// first being a body already down), ending on the body lying flat; dying starts with its sound.
TEST_F(ActionsTest, FallAndDyingTimes) {
  Queue({PA_FALL});
  EXPECT_EQ(FrameOf(*member), std::make_pair(1, DIR_DOWN + 3));
  EXPECT_EQ(member->Analyze(0.3f), PA_PLAYING);
  EXPECT_EQ(FrameOf(*member), std::make_pair(3, DIR_DOWN + 3));
  EXPECT_EQ(member->Analyze(0.31f), PA_FALL);
  EXPECT_EQ(FrameOf(*member), std::make_pair(4, DIR_DOWN + 3));
  member->SetDirection(DIR_RIGHT);
  Queue({PA_ZOMBIE_DIE});
  EXPECT_EQ(FrameOf(*member), std::make_pair(0, DIR_RIGHT + 3));
  ASSERT_EQ(Engine().playedEffects.size(), 1u);
  EXPECT_EQ(Engine().loadedEffects.at(Engine().playedEffects[0] - 1), "Sound/fx/splash.mp3");
  EXPECT_EQ(member->Analyze(0.3f), PA_PLAYING);
  EXPECT_EQ(FrameOf(*member), std::make_pair(2, DIR_RIGHT + 3));
  EXPECT_EQ(member->Analyze(0.31f), PA_ZOMBIE_DIE);
  EXPECT_EQ(FrameOf(*member), std::make_pair(4, DIR_RIGHT + 3));
}

TEST_F(ActionsTest, FiredRoundsComeFromTheActiveItemAndStopAtEmpty) {
  Feed({2});
  Item* revolver = new Item(ITEM_REVOLVER);
  member->bag.push_back(revolver);
  member->active = revolver;
  Queue({PA_FIRE_SHORT, PA_FIRE_SHORT, PA_FIRE_SHORT});
  EXPECT_EQ(FrameOf(*member), std::make_pair(6, 2));
  EXPECT_EQ(member->Analyze(0.3f), PA_PLAYING);
  EXPECT_EQ(revolver->loaded, 2);  // taken when the shot finishes
  EXPECT_EQ(member->Analyze(0.01f), PA_FIRE_SHORT);
  EXPECT_EQ(revolver->loaded, 1);
  member->Analyze(0.31f);
  member->Analyze(0.31f);
  EXPECT_EQ(revolver->loaded, 0);  // the third round finds the magazine empty
  EXPECT_EQ(Engine().playedEffects.size(), 3u);
}

TEST_F(ActionsTest, TurningTowardsACell) {
  struct Case {
    int facing, tx, ty;
    std::vector<int> turns;
  };
  // The member stands at (5, 5); the same cell counts as up.
  const int L = PA_TURN_LEFT, R = PA_TURN_RIGHT;
  const Case cases[] = {{DIR_UP, 6, 5, {R}}, {DIR_UP, 4, 5, {L}},   {DIR_UP, 5, 6, {R, R}},
                        {DIR_UP, 5, 2, {}},  {DIR_LEFT, 5, 4, {R}}, {DIR_RIGHT, 5, 5, {L}}};
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
  // Diagonals go by the longer axis, rows on a tie.
  EXPECT_EQ(DirectionTo(0, 0, 2, 2), DIR_DOWN);
  EXPECT_EQ(DirectionTo(3, 0, 0, 2), DIR_LEFT);
  EXPECT_EQ(OppositeDirection(DIR_DOWN), DIR_UP);
}

}  // namespace
