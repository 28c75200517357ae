// The frame loop: numbering, stopping, callback swaps, the after-frame hook, and input of each frame.
#include <string>
#include <vector>

#include "backend_fixture.h"

namespace {

HGE* loopEngine = nullptr;
std::vector<std::string> calls;
int stopAtFrame = 0;

std::string Tag(const char* what) {
  return what + std::to_string(loopEngine->System_GetFrame());
}

bool SecondFrame() {
  calls.push_back(Tag("f2-"));
  return false;
}
bool SecondRender() {
  calls.push_back(Tag("r2-"));
  return false;
}
bool FirstFrame() {
  calls.push_back(Tag("f"));
  if (loopEngine->System_GetFrame() == 2) {  // switches screens inside the frame
    loopEngine->System_SetState(HGE_FRAMEFUNC, SecondFrame);
    loopEngine->System_SetState(HGE_RENDERFUNC, SecondRender);
  }
  return loopEngine->System_GetFrame() == stopAtFrame;
}
bool FirstRender() {
  calls.push_back(Tag("r"));
  return false;
}
void AfterFrame(int frame) {
  calls.push_back("a" + std::to_string(frame));
}

class FrameLoop : public HeadlessTest {
 protected:
  void Install(const hgeRunOptions& options) {
    loopEngine = Start(options);
    calls.clear();
    stopAtFrame = 0;
    engine->System_SetState(HGE_FRAMEFUNC, FirstFrame);
    engine->System_SetState(HGE_RENDERFUNC, FirstRender);
    engine->System_SetAfterFrame(AfterFrame);
  }
};

}  // namespace

TEST_F(FrameLoop, FramesCountFromOneAndSwappedCallbacksRenderInTheSameFrame) {
  Install(hgeRunOptions());
  EXPECT_EQ(engine->System_GetFrame(), 0);
  EXPECT_FALSE(HeadlessRunFrames(3));
  const std::vector<std::string> expected = {"f1", "r1", "a1", "f2", "r2-2", "a2", "f2-3", "r2-3", "a3"};
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(engine->System_GetFrame(), 3);
}

TEST_F(FrameLoop, FrameCallbackReturningTrueStopsBeforeItsRender) {
  Install(hgeRunOptions());
  stopAtFrame = 1;
  EXPECT_TRUE(HeadlessRunFrames(5));
  const std::vector<std::string> expected = {"f1", "a1"};
  EXPECT_EQ(calls, expected);
}

TEST_F(FrameLoop, MaxFramesStopsAfterThatFrame) {
  hgeRunOptions options;
  options.maxFrames = 2;
  Install(options);
  EXPECT_TRUE(engine->System_Start());
  EXPECT_EQ(engine->System_GetFrame(), 2);
  EXPECT_EQ(calls.back(), "a2");
  // Once there, no further frame runs.
  EXPECT_TRUE(HeadlessRunFrames(1));
  EXPECT_EQ(engine->System_GetFrame(), 2);
}

TEST_F(FrameLoop, StartWithoutFrameCallbackFails) {
  Start();
  EXPECT_FALSE(engine->System_Start());
  EXPECT_STRNE(engine->System_GetErrorMessage(), "");
  EXPECT_EQ(engine->System_GetFrame(), 0);
}

namespace {

// What the frame callback saw of one key and the mouse in each frame.
struct Seen {
  bool down, up, held, escDown, escUp, escHeld;
  float x, y, dt;
  int key, chr, fps, wheel;
};
std::vector<Seen> seen;

bool Observe() {
  Seen s;
  s.down = loopEngine->Input_KeyDown(HGEK_A);
  s.up = loopEngine->Input_KeyUp(HGEK_A);
  s.held = loopEngine->Input_GetKeyState(HGEK_A);
  s.escDown = loopEngine->Input_KeyDown(HGEK_ESCAPE);
  s.escUp = loopEngine->Input_KeyUp(HGEK_ESCAPE);
  s.escHeld = loopEngine->Input_GetKeyState(HGEK_ESCAPE);
  loopEngine->Input_GetMousePos(&s.x, &s.y);
  s.dt = loopEngine->Timer_GetDelta();
  s.key = loopEngine->Input_GetKey();
  s.chr = loopEngine->Input_GetChar();
  s.fps = loopEngine->Timer_GetFPS();
  s.wheel = loopEngine->Input_GetMouseWheel();
  seen.push_back(s);
  return false;
}

class FrameInput : public HeadlessTest {
 protected:
  void Install(const hgeRunOptions& options) {
    loopEngine = Start(options);
    seen.clear();
    engine->System_SetState(HGE_FRAMEFUNC, Observe);
  }
};

}  // namespace

TEST_F(FrameInput, ScriptKeysGoDownUpAndStayHeldBetween) {
  const std::string path = ScratchPath("keys.txt");
  WriteText(path,
            "2 mouse 10 20\n"
            "2 down A\n"
            "4 up a\n"
            "5 down 0x1B # down and up in one frame\n"
            "5 up 27\n"
            "6 dt 0.5\n"
            "6 nonsense\n");
  hgeRunOptions options;
  options.inputScript = path;
  testing::internal::CaptureStderr();
  Install(options);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("line 7"), std::string::npos) << errors;

  EXPECT_FALSE(HeadlessRunFrames(7));
  ASSERT_EQ(seen.size(), 7u);
  // Frame 1: nothing yet; the mouse starts at the screen centre.
  EXPECT_FALSE(seen[0].down || seen[0].held || seen[0].up);
  EXPECT_EQ(seen[0].x, 400.0f);
  EXPECT_EQ(seen[0].y, 300.0f);
  // Frame 2: A went down and is held; it is this frame's key, typing 'a'.
  EXPECT_TRUE(seen[1].down && seen[1].held && !seen[1].up);
  EXPECT_EQ(seen[1].key, HGEK_A);
  EXPECT_EQ(seen[1].chr, 'a');
  EXPECT_EQ(seen[1].x, 10.0f);
  EXPECT_EQ(seen[1].y, 20.0f);
  // Frame 3: still held, no longer "went down", no key of the frame; the mouse stays.
  EXPECT_TRUE(!seen[2].down && seen[2].held && !seen[2].up);
  EXPECT_EQ(seen[2].key, 0);
  EXPECT_EQ(seen[2].x, 10.0f);
  // Frame 4: went up.
  EXPECT_TRUE(!seen[3].down && !seen[3].held && seen[3].up);
  // Frame 5: Escape went down and up in the same frame and is not held afterwards.
  EXPECT_TRUE(seen[4].escDown && seen[4].escUp && !seen[4].escHeld);
  EXPECT_TRUE(!seen[5].escDown && !seen[5].escUp && !seen[5].escHeld);
  // Frame times: the fixed 0.01 s, except frame 6's script line.
  EXPECT_FLOAT_EQ(seen[0].dt, 0.01f);
  EXPECT_EQ(seen[0].fps, 100);
  EXPECT_FLOAT_EQ(seen[5].dt, 0.5f);
  EXPECT_EQ(seen[5].fps, 2);
  EXPECT_FLOAT_EQ(seen[6].dt, 0.01f);
  EXPECT_NEAR(engine->Timer_GetTime(), 6 * 0.01f + 0.5f, 1e-5);
}

TEST_F(FrameInput, QueuedTestInputArrivesInTheNextFrames) {
  Install(hgeRunOptions());
  HeadlessRunFrames(1);
  HeadlessClick(33, 44);
  HeadlessWheel(-2);
  HeadlessSetDelta(0.25f);
  HeadlessRunFrames(1);
  EXPECT_TRUE(engine->Input_KeyDown(HGEK_LBUTTON));
  EXPECT_TRUE(engine->Input_GetKeyState(HGEK_LBUTTON));
  EXPECT_EQ(engine->Input_GetMouseWheel(), -2);
  EXPECT_FLOAT_EQ(engine->Timer_GetDelta(), 0.25f);
  EXPECT_EQ(engine->Timer_GetFPS(), 4);
  float x = 0, y = 0;
  engine->Input_GetMousePos(&x, &y);
  EXPECT_EQ(x, 33.0f);
  EXPECT_EQ(y, 44.0f);
  HeadlessRunFrames(1);
  EXPECT_TRUE(engine->Input_KeyUp(HGEK_LBUTTON));
  EXPECT_FALSE(engine->Input_GetKeyState(HGEK_LBUTTON));
  EXPECT_EQ(engine->Input_GetMouseWheel(), 0);

  // Shift held makes letters capitals; a script queued for later frames counts from the next one.
  EXPECT_TRUE(HeadlessQueueScript("1 down SHIFT\n2 down E\n2 bogus\n").size() == 1u);
  HeadlessRunFrames(1);
  EXPECT_FALSE(engine->Input_KeyDown(HGEK_E));
  HeadlessRunFrames(1);
  EXPECT_TRUE(engine->Input_KeyDown(HGEK_E));
  EXPECT_EQ(engine->Input_GetChar(), 'E');
}
