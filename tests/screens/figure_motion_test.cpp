// Figures on the move, measured at every frame through the game loop: walking, climbing and pushed figures
// go on toward their destination without jumping back, the dying play their frames before they fall, and a
// fallen member's body stays drawn while others pass.

#include <cmath>
#include <set>

#include "screen_fixture.h"

namespace {

// Where a figure's drawing lands on the map: its drawing cell's corner plus its draw offsets.
struct Point {
  float x, y;
};

Point Feet(const Person& p) {
  return {static_cast<float>(p.x * gameMap->CW) + p.drawX, static_cast<float>(p.y * gameMap->CH) + p.drawY};
}

// The column of the figure sheet the figure shows (frames are 58 x 83).
std::pair<int, int> Shown(const Person& p) {
  float x = 0.0f, y = 0.0f;
  p.sprite->GetTextureRect(&x, &y, nullptr, nullptr);
  return {static_cast<int>(x / 58.0f), static_cast<int>(y / 83.0f)};
}

class FigureMotion : public ScreenTest {
 protected:
  // Plays the queues frame by frame (10 ms) until every figure is idle; returns the frames it took and
  // checks every frame that `p` moved at most `maxStep` pixels and never back along (dx, dy).
  int PlayWatching(const Person& p, int dx, int dy, float maxStep) {
    Point last = Feet(p);
    int frames = 0;
    for (; frames < 1000; ++frames) {
      const int phase = screenState;
      PlayActions(0.01f);
      const Point now = Feet(p);
      const float along = (now.x - last.x) * dx + (now.y - last.y) * dy;
      EXPECT_GE(along, -1e-3f) << "frame " << frames << ": back from " << last.x << "," << last.y << " to "
                               << now.x << "," << now.y;
      EXPECT_LE(std::hypot(now.x - last.x, now.y - last.y), maxStep)
          << "frame " << frames << ": a jump from " << last.x << "," << last.y << " to " << now.x << ","
          << now.y;
      last = now;
      if (screenState != phase) break;
    }
    return frames + 1;
  }
};

// Two cells of plain steps each way, a climbing step each way and a push: the feet move on at every frame
// and the moves take as long as they always have.
TEST_F(FigureMotion, WalkingClimbingAndPushedFiguresNeverJumpBack) {
  struct Case {
    const char* what;
    bool zombie;
    int facing;
    std::vector<int> actions;
    int dx, dy;  // the way the figure goes
    int frames;  // how long the actions play
  };
  const int U = PA_STEP_UP, R = PA_STEP_RIGHT, D = PA_STEP_DOWN, L = PA_STEP_LEFT;
  const Case cases[] = {
      {"walk right", false, DIR_RIGHT, {R, R + 1, R, R + 1}, 1, 0, 125},
      {"walk left", false, DIR_LEFT, {L, L + 1, L, L + 1}, -1, 0, 125},
      {"walk up", false, DIR_UP, {U, U + 1, U, U + 1}, 0, -1, 125},
      {"walk down", false, DIR_DOWN, {D, D + 1, D, D + 1}, 0, 1, 125},
      {"climb right", false, DIR_RIGHT, {PA_CLIMB_RIGHT, PA_CLIMB_RIGHT_END}, 1, 0, 83},
      {"climb left", false, DIR_LEFT, {PA_CLIMB_LEFT, PA_CLIMB_LEFT_END}, -1, 0, 83},
      {"climb up", false, DIR_UP, {PA_CLIMB_UP, PA_CLIMB_UP_END}, 0, 0, 83},
      {"climb down", false, DIR_DOWN, {PA_CLIMB_DOWN, PA_CLIMB_DOWN_END}, 0, 0, 83},
      {"pushed down", true, DIR_UP, {PA_PUSHED, PA_PUSHED_END}, 0, 1, 63},
      {"pushed up", true, DIR_DOWN, {PA_PUSHED, PA_PUSHED_END}, 0, -1, 63},
      {"pushed left", true, DIR_RIGHT, {PA_PUSHED, PA_PUSHED_END}, -1, 0, 63},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    team.clear();
    zombies.clear();
    UseMap(TestMapFile(10, 8, std::string(80, '0')));
    Person* p = c.zombie ? AddZombie(4, 4) : AddMember(4, 4);
    p->SetDirection(c.facing);
    for (int type : c.actions) p->AddAction(type, 0.0f, 0.0f, true);
    p->StartAction(true);
    screenState = c.zombie ? PHASE_ZOMBIES_ACTING : PHASE_TEAM_ACTING;
    // A climb's rise and fall moves the feet about 1.25 pixels a frame; a jump is half a cell (16).
    EXPECT_EQ(PlayWatching(*p, c.dx, c.dy, 2.0f), c.frames);
    const int cells = static_cast<int>(c.actions.size()) / 2;
    const int to = c.zombie ? -1 : 1;  // a pushed zombie goes against its facing
    EXPECT_EQ(std::make_pair(p->x, p->y),
              std::make_pair(4 + to * cells * StepDX(c.facing), 4 + to * cells * StepDY(c.facing)));
    EXPECT_FLOAT_EQ(p->drawX, -11.0f);
    EXPECT_FLOAT_EQ(p->drawY, -60.0f);
  }
}

// A dying zombie and a falling member show the dying row's frames for more than half a second before the
// zombie leaves the map or the member lies still.
TEST_F(FigureMotion, TheDyingPlayTheirFramesForMoreThanHalfASecond) {
  Person* member = AddMember(2, 2);
  Person* zombie = AddZombie(5, 5);
  member->SetDirection(DIR_LEFT);
  zombie->SetDirection(DIR_DOWN);
  member->AddAction(PA_FALL, 0.0f, 0.0f, true);
  member->StartAction(true);
  zombie->AddAction(PA_ZOMBIE_DIE, 0.0f, 0.0f, true);
  zombie->StartAction(true);
  screenState = PHASE_ZOMBIES_ACTING;
  std::set<std::pair<int, int>> memberFrames, zombieFrames;
  int memberFrameCount = 0, zombieFrameCount = 0;
  for (int frame = 0; frame < 200 && (member->alive || !zombies.empty()); ++frame) {
    PlayActions(0.01f);
    if (member->alive) {
      memberFrames.insert(Shown(*member));
      ++memberFrameCount;
    }
    if (!zombies.empty()) {
      zombieFrames.insert(Shown(*zombie));
      ++zombieFrameCount;
    }
  }
  EXPECT_GE(memberFrameCount, 50);
  EXPECT_GE(zombieFrameCount, 50);
  // Rows 4..7 are the dying rows of the four facings.
  EXPECT_GE(memberFrames.size(), 3u);
  EXPECT_GE(zombieFrames.size(), 3u);
  for (const auto& shown : memberFrames) EXPECT_EQ(shown.second, DIR_LEFT + 3);
  for (const auto& shown : zombieFrames) EXPECT_EQ(shown.second, DIR_DOWN + 3);
  EXPECT_FALSE(member->alive);
  EXPECT_TRUE(zombies.empty());
}

// A member walking across a fallen member's cell leaves the body drawn at every frame, and is drawn itself.
TEST_F(FigureMotion, AMemberWalkingAcrossABodyLeavesItDrawn) {
  const HTEXTURE kBody = 902, kWalker = 903;
  Person* body = AddMember(2, 2);
  body->sprite->SetTexture(kBody);
  body->AddAction(PA_FALL, 0.0f, 0.0f, true);
  body->StartAction(true);
  screenState = PHASE_ZOMBIES_ACTING;
  while (body->alive) PlayActions(0.01f);
  Person* walker = AddMember(1, 2);
  walker->sprite->SetTexture(kWalker);
  walker->SetDirection(DIR_RIGHT);
  for (int type : {PA_STEP_RIGHT, PA_STEP_RIGHT_END, PA_STEP_RIGHT, PA_STEP_RIGHT_END})
    walker->AddAction(type, 0.0f, 0.0f, true);
  walker->StartAction(true);
  screenState = PHASE_TEAM_ACTING;
  for (int frame = 0; frame < 200 && screenState == PHASE_TEAM_ACTING; ++frame) {
    PlayActions(0.01f);
    fake.quads.clear();
    gameMap->Draw(false);
    int bodies = 0, walkers = 0;
    for (const hgeQuad& q : fake.quads) {
      bodies += q.tex == kBody;
      walkers += q.tex == kWalker;
    }
    ASSERT_EQ(std::make_pair(bodies, walkers), std::make_pair(1, 1)) << "frame " << frame;
  }
  EXPECT_EQ(walker->x, 3);
}

}  // namespace
