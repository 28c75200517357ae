// The action queue of a figure: the pose and sound when an action starts, and its playing frame by frame.
#include <cmath>

#include "engine/hge.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/sound_cues.h"
#include "game/world.h"

namespace {

// Seconds a half step, a half climb and a half push take, and the dying frame time.
constexpr float WALK = 0.3f;
constexpr float CLIMB = 0.4f;
constexpr float PUSH = 0.3f;
constexpr float DIE = 0.07f;
// Seconds between two frames of the walk cycle.
constexpr float WALK_FRAME = 0.15f;
// Seconds a turn, and a strike, shot, use or wound pose, take.
constexpr float TURN = 0.2f;
constexpr float POSE = 0.3f;
// Draw offsets of a figure at rest, and the top of a climb.
constexpr float REST_X = -11.0f;
constexpr float REST_Y = -60.0f;
constexpr float CLIMB_TOP = -50.0f;
// Sheet row of the fallen team member.
constexpr int FALLEN_ROW = 4;

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

// Steps 5..12: half a step towards (type - 5) / 2 + 1; the odd type is the first half.
bool PlayStep(Person& p, const person_action_struct& a, float dt) {
  const int k = (a.type - 5) % 2;
  const int dir = (a.type - 5) / 2 + 1;
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= WALK) {
    const float s = p.actionTime / 0.3f - 0.5f * k;
    if (dir == 1) p.drawY = a.p1 + REST_Y - s * ch;
    if (dir == 2) p.drawX = REST_X + s * cw;
    if (dir == 3) p.drawY = a.p1 + REST_Y + s * ch;
    if (dir == 4) p.drawX = REST_X - s * cw;
    AdvanceWalk(p, dt, dir == 1 || dir == 3);
    return false;
  }
  p.actionTime = 0.0f;
  const float rest = (1 - k) * 0.5f;
  if (dir == 1) p.drawY = a.p1 + REST_Y + rest * ch;
  if (dir == 2) p.drawX = REST_X - rest * cw;
  if (dir == 3) p.drawY = a.p1 + REST_Y - rest * ch;
  if (dir == 4) p.drawX = REST_X + rest * cw;
  return true;
}

// Climbs 15..22: half a climb towards (type - 15) / 2 + 1, rising to the top of the barrier and down again.
bool PlayClimb(Person& p, const person_action_struct& a) {
  const int k = (a.type - 15) % 2;
  const int dir = (a.type - 15) / 2 + 1;
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= CLIMB) {
    const float s = p.actionTime / 0.4f - 0.5f * k;
    const float u = p.actionTime / CLIMB;
    const float height = k == 0 ? a.p1 + (CLIMB_TOP - a.p1) * u : a.p2 + (1.0f - u) * (CLIMB_TOP - a.p2);
    if (dir == 1) p.drawY = REST_Y - s * ch + height;
    if (dir == 3) p.drawY = REST_Y + s * ch + height;
    if (dir == 2 || dir == 4) {
      p.drawX = dir == 2 ? REST_X + s * cw : REST_X - s * cw;
      p.drawY = REST_Y + height;
    }
    return false;
  }
  p.actionTime = 0.0f;
  p.drawY = k == 0 ? REST_Y + CLIMB_TOP : a.p2 + REST_Y;
  const float rest = (1 - k) * 0.5f;
  if (dir == 2) p.drawX = REST_X - rest * cw;
  if (dir == 4) p.drawX = REST_X + rest * cw;
  return true;
}

// Recoils 2, 31, 35: a short jolt backwards from the facing and back.
bool PlayRecoil(Person& p, const person_action_struct& a) {
  const float cw = mapCellW, ch = mapCellH;
  if (p.actionTime <= 0.3f) {
    const float s = 0.6f * (0.5f - std::fabs(0.5f - p.actionTime / 0.3f));
    if (p.direction == 1) p.drawY = a.p1 + REST_Y + s * ch;
    if (p.direction == 2) p.drawX = REST_X - s * cw;
    if (p.direction == 3) p.drawY = a.p1 + REST_Y - s * ch;
    if (p.direction == 4) p.drawX = REST_X + s * cw;
    return false;
  }
  p.actionTime = 0.0f;
  p.drawY = a.p1 + REST_Y;
  return true;
}

// Pushes 33 (first half) and 34 (second half): sliding one cell backwards from p1's height to p2's.
bool PlayPush(Person& p, const person_action_struct& a) {
  const float cw = mapCellW, ch = mapCellH;
  const float h = a.p2 - a.p1;
  const bool first = a.type == 33;
  if (p.actionTime <= PUSH) {
    const float f = first ? p.actionTime / 0.3f : p.actionTime / 0.3f - 0.5f;
    const float lift = first ? f * h : (f + 1.0f) * h;
    if (p.direction == 1) p.drawY = a.p1 + REST_Y + f * ch + lift;
    if (p.direction == 3) p.drawY = a.p1 + REST_Y - f * ch + lift;
    if (p.direction == 2 || p.direction == 4) {
      p.drawX = p.direction == 2 ? REST_X - f * cw : REST_X + f * cw;
      p.drawY = a.p1 + REST_Y + lift;
    }
    return false;
  }
  p.actionTime = 0.0f;
  const bool sideways = p.direction == 2 || p.direction == 4;
  if (first) {
    if (p.direction == 1 || p.direction == 3) p.drawY = a.p1 + REST_Y - 0.5f * ch + 0.5f * h;
    if (sideways) {
      p.drawX = REST_X;
      p.drawY = a.p1 + REST_Y + 0.5f * h;
    }
  } else {
    p.drawY = a.p2 + REST_Y;
    if (sideways) p.drawX = REST_X;
  }
  return true;
}

// Dying 32: the frames of the dying row while it lasts.
bool PlayDying(Person& p, float dt) {
  if (p.actionTime <= DIE) {
    p.frameTime += dt;
    if (p.frameTime > DIE) {
      p.frameTime = 0.0f;
      ++p.frame;
      p.ShowFrame(p.frame, p.direction + 3);
    }
    return false;
  }
  p.actionTime = 0.0f;
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
    case 1:
    case 13:
    case 14:
    case 28:
    case 29:
    case 36:
      restart();
      break;
    case 2:
    case 31:
      restart();
      ShowFrame(0, row);
      break;
    case 3:
    case 4:
      restart();
      ShowFrame(8, row);
      break;
    case 5:
    case 7:
    case 9:
    case 11:
      actionTime = 0.0f;
      direction = static_cast<int16_t>((type - 5) / 2 + 1);
      if (frameTime == 0.0f) ShowFrame(1, direction - 1);
      break;
    case 15:
    case 17:
    case 19:
    case 21:
      restart();
      direction = static_cast<int16_t>((type - 15) / 2 + 1);
      ShowFrame(3, direction - 1);
      break;
    case 23:
      PlaySound(SND_BAT);
      restart();
      ShowFrame(4, row);
      break;
    case 24:
    case 25:
      PlaySound(SND_SHOT);
      restart();
      ShowFrame(type == 24 ? 6 : 7, row);
      break;
    case 26:
      restart();
      ShowFrame(0, FALLEN_ROW);
      break;
    case 27:
      restart();
      PlaySound(SND_WOUND);
      ShowFrame(5, row);
      break;
    case 30:
      restart();
      ShowFrame(4, row);
      break;
    case 32:
      restart();
      PlaySound(SND_SPLASH);
      ShowFrame(0, direction + 3);
      break;
    case 33:
    case 34:
    case 35:
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
    case 0:
    case 37:
      SetDirection(direction);
      done = true;
      break;
    case 1:
    case 36:
      done = actionTime > a.p1;
      break;
    case 2:
    case 31:
    case 35:
      done = PlayRecoil(*this, a);
      break;
    case 3:
    case 4:
    case 23:
    case 30:
      done = actionTime > POSE;
      break;
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
      done = PlayStep(*this, a, dt);
      break;
    case 13:
    case 28:
      done = actionTime > TURN;
      if (done) SetDirection(direction == 1 ? 4 : direction - 1);
      break;
    case 14:
    case 29:
      done = actionTime > TURN;
      if (done) SetDirection(direction == 4 ? 1 : direction + 1);
      break;
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
      done = PlayClimb(*this, a);
      break;
    case 24:
    case 25:
      done = actionTime > POSE;
      if (done) SpendRound(*this);
      break;
    case 26:
      done = actionTime > POSE;
      if (done) {
        actionTime = 0.0f;
        ShowFrame(0, FALLEN_ROW);
      }
      break;
    case 27:
      done = actionTime > POSE;
      if (done) actionTime = 0.0f;
      break;
    case 32:
      done = PlayDying(*this, dt);
      break;
    case 33:
    case 34:
      done = PlayPush(*this, a);
      break;
    default:
      // Reported once; the action is dropped so that the queue goes on instead of stalling.
      if (hge != nullptr) hge->System_ErrorBox(ToCp1251("Неизвестно действие Person::analyz").c_str());
      done = true;
      break;
  }
  if (!done) return ACTION_PLAYING;
  actions.erase(actions.begin());
  StartAction(false);
  return a.type;
}
