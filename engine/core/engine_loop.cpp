// EngineBase: the frame loop, the input script and test events of each frame, recording and shots.
#include <cmath>
#include <iostream>

#include "engine/core/engine_base.h"

bool EngineBase::System_Start() {
  if (frameFunc == nullptr) {
    errorMessage = "System_Start: no frame function is set";
    return false;
  }
  if (!HandOffFrames()) RunFrames(0);
  return true;
}

void EngineBase::QueueEvent(InputEvent event) {
  event.frame += frame;
  queued.push_back(event);
}

void EngineBase::Feed(const InputEvent& event) {
  input.Apply(event);
  frameEvents.push_back(event);
}

bool EngineBase::ShotWanted(int frameNumber) const {
  for (const auto& shot : options.shots) {
    if (shot.first == frameNumber) return true;
  }
  return false;
}

void EngineBase::ApplyEventsOf(int frameNumber, float* dt) {
  auto apply = [&](InputEvent event) {
    event.frame = frameNumber;
    if (event.kind == InputEvent::Delta) {
      *dt = event.x;  // a script's frame time overrides the measured one
    } else {
      Feed(event);
    }
  };
  while (scriptNext < script.events.size() && script.events[scriptNext].frame <= frameNumber) {
    if (script.events[scriptNext].frame == frameNumber) apply(script.events[scriptNext]);
    ++scriptNext;
  }
  size_t kept = 0;
  for (size_t i = 0; i < queued.size(); ++i) {
    if (queued[i].frame == frameNumber) {
      apply(queued[i]);
    } else if (queued[i].frame > frameNumber) {
      queued[kept++] = queued[i];
    }
  }
  queued.resize(kept);
}

bool EngineBase::RunFrames(int frames) {
  for (int done = 0; frames <= 0 || done < frames; ++done) {
    if (frameFunc == nullptr) return true;
    if (options.maxFrames > 0 && frame >= options.maxFrames) return true;
    const int next = frame + 1;
    const float measured = PlatformFrameTime();  // the wait comes first, so input is as fresh as can be
    input.BeginFrame();
    frameEvents.clear();
    const bool closeAsked = PlatformPollEvents();
    float dt = measured;
    ApplyEventsOf(next, &dt);
    if (closeAsked && (exitFunc == nullptr || exitFunc())) return true;

    frame = next;
    delta = dt;
    time += dt;
    if (fpsFromDelta) {
      fps = dt > 0.0f ? static_cast<int>(std::lround(1.0f / dt)) : 0;
    } else {
      ++fpsFrames;
      fpsTime += dt;
      if (fpsTime >= 1.0f) {
        fps = static_cast<int>(std::lround(fpsFrames / fpsTime));
        fpsFrames = 0;
        fpsTime = 0.0f;
      }
    }
    if (recordFile != nullptr) RecordFrame(frame, dt);

    const bool stop = frameFunc();
    if (!stop && renderFunc != nullptr) renderFunc();
    if (inScene) Gfx_EndScene();  // a render callback that left its scene open
    lastDrawCalls = frameDrawCalls;
    frameDrawCalls = 0;
    if (afterFrame != nullptr) afterFrame(frame);
    if (stop) return true;
    for (const auto& shot : options.shots) {
      if (shot.first == frame) WriteShot(shot.second);
    }
    if (options.maxFrames > 0 && frame >= options.maxFrames) return true;
  }
  return false;
}

void EngineBase::StartRecording() {
  if (options.recordFile.empty() || recordFile != nullptr) return;
  recordFile = std::fopen(options.recordFile.c_str(), "w");
  if (recordFile == nullptr) std::cerr << "Cannot write the recording " << options.recordFile << "\n";
  recordHeaderWritten = false;
  mouseRecorded = false;
}

void EngineBase::RecordFrame(int frameNumber, float dt) {
  if (!recordHeaderWritten) {
    std::fprintf(recordFile, "# Duskhollow input recording\n# seed %u\n", usedSeed);
    recordHeaderWritten = true;
  }
  if (!mouseRecorded || input.mouseX != recordedMouseX || input.mouseY != recordedMouseY) {
    InputEvent mouse;
    mouse.frame = frameNumber;
    mouse.x = input.mouseX;
    mouse.y = input.mouseY;
    std::fprintf(recordFile, "%s\n", FormatInputEvent(mouse).c_str());
    mouseRecorded = true;
    recordedMouseX = input.mouseX;
    recordedMouseY = input.mouseY;
  }
  for (InputEvent event : frameEvents) {
    event.frame = frameNumber;  // window events arrive before the frame has its number
    if (event.kind != InputEvent::Mouse) std::fprintf(recordFile, "%s\n", FormatInputEvent(event).c_str());
  }
  InputEvent step;
  step.frame = frameNumber;
  step.kind = InputEvent::Delta;
  step.x = dt;
  std::fprintf(recordFile, "%s\n", FormatInputEvent(step).c_str());
  std::fflush(recordFile);
}
