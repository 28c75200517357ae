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

bool HeadlessRunFrames(int frames) {
  HeadlessBackend* engine = HeadlessBackend::Current();
  return engine == nullptr || engine->RunFrames(frames);
}

std::vector<HeadlessSound> HeadlessPlayedSounds() {
  HeadlessBackend* engine = HeadlessBackend::Current();
  return engine == nullptr ? std::vector<HeadlessSound>{} : engine->PlayedSounds();
}

int HeadlessChannelVolume(HCHANNEL channel) {
  HeadlessBackend* engine = HeadlessBackend::Current();
  return engine == nullptr ? -1 : engine->ChannelVolume(channel);
}
