// The SDL backend in a browser page: the page calls back once per frame instead of a loop that would
// block it, timed as the frame rate asks; when the game stops, the program ends and the page says so.
#include <emscripten.h>

#include "engine/sdl/sdl_engine.h"

namespace {

// Times the browser's callbacks: a fixed rate by a timer, vertical sync by the page's animation frames,
// no limit by callbacks that follow each other at once.
void PaceFrames(int frameRate) {
  if (frameRate > 0) {
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 1000 / frameRate);
  } else if (frameRate == HGEFPS_VSYNC) {
    emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
  } else {
    emscripten_set_main_loop_timing(EM_TIMING_SETIMMEDIATE, 0);
  }
}

}  // namespace

bool SdlEngine::HandOffFrames() {
  // Never returns: the browser unwinds the stack and calls BrowserFrame from now on.
  emscripten_set_main_loop_arg(&SdlEngine::BrowserFrame, this, 0, 1);
  return true;
}

void SdlEngine::BrowserFrame(void* engine) {
  SdlEngine* self = static_cast<SdlEngine*>(engine);
  if (self->frameRate != self->pacedFrameRate) {
    PaceFrames(self->frameRate);
    self->pacedFrameRate = self->frameRate;
  }
  if (!self->RunFrames(1)) return;
  emscripten_cancel_main_loop();
  self->System_Shutdown();
  emscripten_force_exit(0);  // the page's onExit shows that the game is over
}
