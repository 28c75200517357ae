// The test access functions of headless.h, acting on the headless engine alive now.
#include "engine/headless/headless.h"
#include "engine/headless/headless_backend.h"

namespace {

void Queue(InputEvent::Kind kind, int frame, int key, float x = 0.0f, float y = 0.0f) {
  HeadlessBackend* engine = HeadlessBackend::Current();
  if (engine == nullptr) return;
  InputEvent event;
  event.frame = frame;
  event.kind = kind;
  event.key = key;
  event.x = x;
  event.y = y;
  engine->QueueEvent(event);
}

}  // namespace

HGE* HeadlessCreate(const hgeRunOptions& options) {
  hgeRunOptions headless = options;
  headless.backend = hgeBackend::Headless;
  HGE* engine = new HeadlessBackend(headless);
  hgeInstall(engine);
  return engine;
}

HGE* HeadlessEngine() {
  return HeadlessBackend::Current();
}

void HeadlessMouse(float x, float y) {
  Queue(InputEvent::Mouse, 1, 0, x, y);
}

void HeadlessPress(int key) {
  Queue(InputEvent::Down, 1, key);
}

void HeadlessRelease(int key) {
  Queue(InputEvent::Up, 1, key);
}

void HeadlessTap(int key) {
  Queue(InputEvent::Down, 1, key);
  Queue(InputEvent::Up, 2, key);
}

void HeadlessClick(float x, float y) {
  HeadlessMouse(x, y);
  HeadlessTap(HGEK_LBUTTON);
}

void HeadlessWheel(int notches) {
  Queue(InputEvent::Wheel, 1, notches);
}

std::vector<std::string> HeadlessQueueScript(const std::string& script) {
  const InputScript parsed = ParseInputScript(script);
  HeadlessBackend* engine = HeadlessBackend::Current();
  if (engine != nullptr) {
    for (const InputEvent& event : parsed.events) engine->QueueEvent(event);
  }
  return parsed.errors;
}

void HeadlessSetDelta(float dt) {
  if (HeadlessBackend::Current() != nullptr) HeadlessBackend::Current()->SetFixedDelta(dt);
}

bool HeadlessRunFrames(int frames) {
  HeadlessBackend* engine = HeadlessBackend::Current();
  return engine == nullptr || engine->RunFrames(frames);
}

std::vector<HeadlessEffectRecord> HeadlessEffects() {
  HeadlessBackend* engine = HeadlessBackend::Current();
  return engine != nullptr ? engine->Effects() : std::vector<HeadlessEffectRecord>();
}

HeadlessEffectRecord HeadlessEffect(HEFFECT handle) {
  for (const HeadlessEffectRecord& record : HeadlessEffects()) {
    if (record.handle == handle) return record;
  }
  return HeadlessEffectRecord();
}
