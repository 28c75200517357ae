// The action queue of a figure: the pose and sound when an action starts, and its playing frame by frame.
#include <algorithm>
#include <cmath>

#include "engine/hge.h"
#include "engine/language.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/sound_cues.h"
#include "game/world.h"

namespace {

// Seconds a half step, a half climb and a half push take; each half covers half a cell.
constexpr float WALK = 0.3f;
constexpr float CLIMB = 0.4f;
constexpr float PUSH = 0.3f;
// Seconds a zombie's dying or a member's fall takes, its frames spread evenly over it.
constexpr float DYING = 0.6f;
// The dying row's columns: a zombie collapses through 0..4; a member through 1..4 (its column 0 is a body
// already lying flat).
constexpr int ZOMBIE_DYING_FIRST = 0;
constexpr int MEMBER_DYING_FIRST = 1;
constexpr int DYING_LAST = 4;
// Seconds between two frames of the walk cycle.
constexpr float WALK_FRAME = 0.15f;
// Seconds a turn, and a strike, shot, use or wound pose, take.
constexpr float TURN = 0.2f;
constexpr float POSE = 0.3f;
// Draw offsets of a figure at rest, and the top of a climb.
constexpr float REST_X = -11.0f;
constexpr float REST_Y = -60.0f;
constexpr float CLIMB_TOP = -50.0f;

// The next column of the walk cycle, every WALK_FRAME seconds of frameTime.
void AdvanceWalk(Person& p, float dt, bool vertical) {
  static const int kVertical[4] = {2, 1, 2, 1};
  static const int kHorizontal[4] = {0, 2, 0, 1};
  p.frameTime += dt;
  if (p.frameTime <= WALK_FRAME) return;
  p.frameTime = 0.0f;
  const int frame = (p.frame % 4 + 4) % 4;
  p.ShowFrame((vertical ? kVertical : kHorizontal)[frame], p.direction - 1);
  p.frame = (frame + 1) % 4;
}

// Plain steps: half a cell in the step's direction, the first half from the cell left up to the border, the
// second from the border into the cell entered, so the figure moves on without a jump when the loop hands
// it to the next drawing cell.
bool PlayStep(Person& p, const person_action_struct& a, float dt) {
  const int k = IsStepStart(a.type) ? 0 : 1;
  const int dir = StepActionDirection(a.type);
  const int dx = StepDX(dir), dy = StepDY(dir);
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= WALK) {
    const float s = 0.5f * (p.actionTime / WALK - k);
    if (dy != 0) p.drawY = a.p1 + REST_Y + dy * s * ch;
    if (dx != 0) p.drawX = REST_X + dx * s * cw;
    AdvanceWalk(p, dt, dy != 0);
    return false;
  }
  p.actionTime = 0.0f;
  const float rest = (1 - k) * 0.5f;
  if (dy != 0) p.drawY = a.p1 + REST_Y - dy * rest * ch;
  if (dx != 0) p.drawX = REST_X - dx * rest * cw;
  return true;
}

// Climbing steps: half a cell in the step's direction, rising to the top of the barrier at the border and
// down again beyond it.
bool PlayClimb(Person& p, const person_action_struct& a) {
  const int k = IsStepStart(a.type) ? 0 : 1;
  const int dir = StepActionDirection(a.type);
  const int dx = StepDX(dir), dy = StepDY(dir);
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= CLIMB) {
    const float s = 0.5f * (p.actionTime / CLIMB - k);
    const float u = p.actionTime / CLIMB;
    const float height = k == 0 ? a.p1 + (CLIMB_TOP - a.p1) * u : a.p2 + (1.0f - u) * (CLIMB_TOP - a.p2);
    if (dy != 0) p.drawY = REST_Y + dy * s * ch + height;
    if (dx != 0) {
      p.drawX = REST_X + dx * s * cw;
      p.drawY = REST_Y + height;
    }
    return false;
  }
  p.actionTime = 0.0f;
  p.drawY = k == 0 ? REST_Y + CLIMB_TOP : a.p2 + REST_Y;
  const float rest = (1 - k) * 0.5f;
  if (dy != 0) p.drawY -= dy * rest * ch;
  if (dx != 0) p.drawX = REST_X - dx * rest * cw;
  return true;
}

// Recoils (a member's, a zombie's, a bump): a short jolt backwards from the facing and back.
bool PlayRecoil(Person& p, const person_action_struct& a) {
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= 0.3f) {
    const float s = 0.6f * (0.5f - std::fabs(0.5f - p.actionTime / 0.3f));
    const int dx = StepDX(p.direction), dy = StepDY(p.direction);
    if (dy != 0) p.drawY = a.p1 + REST_Y - dy * s * ch;
    if (dx != 0) p.drawX = REST_X - dx * s * cw;
    return false;
  }
  p.actionTime = 0.0f;
  p.drawY = a.p1 + REST_Y;
  return true;
}

// Pushes, first and second half: sliding one cell backwards from p1's height to p2's, half a cell each, the
// first up to the border (where the loop moves the drawing cell), the second on from it.
bool PlayPush(Person& p, const person_action_struct& a) {
  const float cw = mapCellW, ch = mapCellH;
  const float h = a.p2 - a.p1;
  const bool first = a.type == PA_PUSHED;
  const int dx = StepDX(p.direction), dy = StepDY(p.direction);
  if (p.actionTime <= PUSH) {
    const float f = 0.5f * p.actionTime / PUSH - (first ? 0.0f : 0.5f);
    const float lift = first ? f * h : (f + 1.0f) * h;
    if (dy != 0) p.drawY = a.p1 + REST_Y - dy * f * ch + lift;
    if (dx != 0) {
      p.drawX = REST_X - dx * f * cw;
      p.drawY = a.p1 + REST_Y + lift;
    }
    return false;
  }
  p.actionTime = 0.0f;
  const bool sideways = dx != 0;
  if (first) {
    // Half a cell short of the drawing cell it has been moved into, on the side it came from.
    if (dy != 0) p.drawY = a.p1 + REST_Y + dy * 0.5f * ch + 0.5f * h;
    if (sideways) {
      p.drawX = REST_X + dx * 0.5f * cw;
      p.drawY = a.p1 + REST_Y + 0.5f * h;
    }
  } else {
    p.drawY = a.p2 + REST_Y;
    if (sideways) p.drawX = REST_X;
  }
  return true;
}

// Dying or falling: the dying row's columns from `first` to DYING_LAST, evenly over DYING seconds; the last
// one stays when it ends.
bool PlayDying(Person& p, int first) {
  if (p.actionTime <= DYING) {
    const int frames = DYING_LAST - first + 1;
    const int k = std::min(frames - 1, static_cast<int>(p.actionTime / (DYING / frames)));
    if (k != p.frame) {
      p.frame = k;
      p.ShowFrame(first + k, p.direction + 3);
    }
    return false;
  }
  p.actionTime = 0.0f;
  p.ShowFrame(DYING_LAST, p.direction + 3);
  return true;
}

// A round leaves the active item's magazine; an empty one stays empty.
void SpendRound(Person& p) {
  if (p.active != nullptr && p.active->loaded > 0) --p.active->loaded;
}

}  // namespace

void Person::StartAction(bool resetTimers) {
  if (actions.empty()) return;
  if (resetTimers) {
    frame = 0;
    frameTime = 0.0f;
  }
  const int type = actions.front().type;
  const int row = direction - 1;
  auto restart = [this] {
    actionTime = 0.0f;
    frameTime = 0.0f;
    frame = 0;
  };
  switch (type) {
    case PA_WAIT:
    case PA_TURN_LEFT:
    case PA_TURN_RIGHT:
    case PA_ZOMBIE_TURN_LEFT:
    case PA_ZOMBIE_TURN_RIGHT:
    case PA_ZOMBIE_WAIT:
      restart();
      break;
    case PA_RECOIL:
    case PA_ZOMBIE_RECOIL:
      restart();
      ShowFrame(0, row);
      break;
    case PA_USE:
    case PA_SEARCH:
      restart();
      ShowFrame(8, row);
      break;
    case PA_STEP_UP:
    case PA_STEP_RIGHT:
    case PA_STEP_DOWN:
    case PA_STEP_LEFT:
      actionTime = 0.0f;
      direction = static_cast<int16_t>(StepActionDirection(type));
      if (frameTime == 0.0f) ShowFrame(1, direction - 1);
      break;
    case PA_CLIMB_UP:
    case PA_CLIMB_RIGHT:
    case PA_CLIMB_DOWN:
    case PA_CLIMB_LEFT:
      restart();
      direction = static_cast<int16_t>(StepActionDirection(type));
      ShowFrame(3, direction - 1);
      break;
    case PA_STRIKE:
      PlaySound(SND_BAT);
      restart();
      ShowFrame(4, row);
      break;
    case PA_FIRE_SHORT:
    case PA_FIRE_LONG:
      PlaySound(SND_SHOT);
      restart();
      ShowFrame(type == PA_FIRE_SHORT ? 6 : 7, row);
      break;
    case PA_FALL:
      restart();
      ShowFrame(MEMBER_DYING_FIRST, direction + 3);
      break;
    case PA_WOUND:
      restart();
      PlaySound(SND_WOUND);
      ShowFrame(5, row);
      break;
    case PA_ZOMBIE_STRIKE:
      restart();
      ShowFrame(4, row);
      break;
    case PA_ZOMBIE_DIE:
      restart();
      PlaySound(SND_SPLASH);
      ShowFrame(ZOMBIE_DYING_FIRST, direction + 3);
      break;
    case PA_PUSHED:
    case PA_PUSHED_END:
    case PA_BUMP:
      restart();
      ShowFrame(5, row);
      break;
    default:
      break;
  }
}

int Person::Analyze(float dt) {
  if (actions.empty()) return -1;
  actionTime += dt;
  const person_action_struct a = actions.front();
  bool done = false;
  switch (a.type) {
    case PA_FACE:
    case PA_ZOMBIE_FACE:
      SetDirection(direction);
      done = true;
      break;
    case PA_WAIT:
    case PA_ZOMBIE_WAIT:
      done = actionTime > a.p1;
      break;
    case PA_RECOIL:
    case PA_ZOMBIE_RECOIL:
    case PA_BUMP:
      done = PlayRecoil(*this, a);
      break;
    case PA_USE:
    case PA_SEARCH:
    case PA_STRIKE:
    case PA_ZOMBIE_STRIKE:
      done = actionTime > POSE;
      break;
    case PA_STEP_UP:
    case PA_STEP_UP_END:
    case PA_STEP_RIGHT:
    case PA_STEP_RIGHT_END:
    case PA_STEP_DOWN:
    case PA_STEP_DOWN_END:
    case PA_STEP_LEFT:
    case PA_STEP_LEFT_END:
      done = PlayStep(*this, a, dt);
      break;
    case PA_TURN_LEFT:
    case PA_ZOMBIE_TURN_LEFT:
      done = actionTime > TURN;
      if (done) SetDirection(LeftOf(direction));
      break;
    case PA_TURN_RIGHT:
    case PA_ZOMBIE_TURN_RIGHT:
      done = actionTime > TURN;
      if (done) SetDirection(RightOf(direction));
      break;
    case PA_CLIMB_UP:
    case PA_CLIMB_UP_END:
    case PA_CLIMB_RIGHT:
    case PA_CLIMB_RIGHT_END:
    case PA_CLIMB_DOWN:
    case PA_CLIMB_DOWN_END:
    case PA_CLIMB_LEFT:
    case PA_CLIMB_LEFT_END:
      done = PlayClimb(*this, a);
      break;
    case PA_FIRE_SHORT:
    case PA_FIRE_LONG:
      done = actionTime > POSE;
      if (done) SpendRound(*this);
      break;
    case PA_FALL:
      done = PlayDying(*this, MEMBER_DYING_FIRST);
      break;
    case PA_WOUND:
      done = actionTime > POSE;
      if (done) actionTime = 0.0f;
      break;
    case PA_ZOMBIE_DIE:
      done = PlayDying(*this, ZOMBIE_DYING_FIRST);
      break;
    case PA_PUSHED:
    case PA_PUSHED_END:
      done = PlayPush(*this, a);
      break;
    default:
      // Reported once; the action is dropped so that the queue goes on instead of stalling.
      if (hge != nullptr) hge->System_ErrorBox(Tr("Неизвестно действие Person::analyz").c_str());
      done = true;
      break;
  }
  if (!done) return PA_PLAYING;
  actions.erase(actions.begin());
  StartAction(false);
  return a.type;
}
