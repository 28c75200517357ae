// The frame loop: numbering, stopping, callback swaps, the after-frame hook, and input of each frame.
#include <string>
#include <vector>

#include "backend_fixture.h"

namespace {

std::vector<std::string> calls;
int stopAtFrame = 0;

bool Note(const char* what) {
  calls.push_back(what + std::to_string(current->System_GetFrame()));
  return false;
}
bool FirstFrame() {
  Note("f");
  if (current->System_GetFrame() == 2) {  // switches screens inside the frame
    current->System_SetState(HGE_FRAMEFUNC, [] { return Note("f2-"); });
    current->System_SetState(HGE_RENDERFUNC, [] { return Note("r2-"); });
  }
  return current->System_GetFrame() == stopAtFrame;
}

}  // namespace

using FrameLoop = EngineTest;

// Guards frame numbering from 1, swapped callbacks rendering in the same frame, the after-frame hook, the
// frame limit stopping the loop for good, a frame callback returning true skipping its render, and no start
// without a frame callback.
TEST_F(FrameLoop, FramesCountFromOneSwappedCallbacksRenderInTheSameFrameAndStopSkipsTheRender) {
  for (int stopAt : {0, 1}) {
    hgeRunOptions options;
    options.maxFrames = 3;
    Start(options);
    EXPECT_FALSE(engine->System_Start());
    EXPECT_STRNE(engine->System_GetErrorMessage(), "");
    calls.clear();
    stopAtFrame = stopAt;
    engine->System_SetState(HGE_FRAMEFUNC, FirstFrame);
    engine->System_SetState(HGE_RENDERFUNC, [] { return Note("r"); });
    engine->System_SetAfterFrame([](int frame) { calls.push_back("a" + std::to_string(frame)); });
    EXPECT_EQ(engine->System_GetFrame(), 0);
    EXPECT_TRUE(engine->System_Start());
    const std::vector<std::string> all = {"f1", "r1", "a1", "f2", "r2-2", "a2", "f2-3", "r2-3", "a3"};
    const std::vector<std::string> stopped = {"f1", "a1"};  // no render after the frame that stopped
    EXPECT_EQ(calls, stopAt ? stopped : all);
    if (stopAt == 0) {
      EXPECT_TRUE(HeadlessRunFrames(1));  // the frame limit holds for good
      EXPECT_EQ(engine->System_GetFrame(), 3);
    }
    engine->Release();
    engine = nullptr;
  }
}

using FrameInput = EngineTest;

// Guards a script's input per frame: down, held, up, down and up in one frame, the mouse, frame times,
// and a bad line reported by its number.
TEST_F(FrameInput, ScriptKeysGoDownUpAndStayHeldBetween) {
  hgeRunOptions options;
  options.inputScript = Write("keys.txt",
                              "2 mouse 10 20\n2 down A\n4 up a\n5 down 0x01 # down and up in one frame\n"
                              "5 up 01\n6 dt 0.5\n6 nonsense\n");
  testing::internal::CaptureStderr();
  Start(options);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("line 7"), std::string::npos) << errors;
  engine->System_SetState(HGE_FRAMEFUNC, [] { return false; });
  const char* expected[] = {"--- --- 400,300 0/0 0.01 100",  // the mouse starts at the screen centre
                            "DH- --- 10,20 65/97 0.01 100",  // A is the frame's key, typing 'a'
                            "-H- --- 10,20 0/0 0.01 100",   "--U --- 10,20 0/0 0.01 100",
                            "--- D-U 10,20 1/0 0.01 100",   "--- --- 10,20 0/0 0.5 2",
                            "--- --- 10,20 0/0 0.01 100"};
  for (const char* frame : expected) {
    EXPECT_FALSE(HeadlessRunFrames(1));
    EXPECT_EQ(Seen(engine), frame) << "frame " << engine->System_GetFrame();
  }
  EXPECT_NEAR(engine->Timer_GetTime(), 6 * 0.01f + 0.5f, 1e-5);
}
