// The batching switch (read once from DH_BATCHING), the geometry call count and the renderer's name.
#include "engine/sdl/sdl_batching.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Batching {
  bool on;
  uint64_t calls = 0;
  std::string renderer;
};

Batching& State() {
  static Batching state = [] {
    Batching batching;
    const char* value = std::getenv("DH_BATCHING");
    batching.on = value == nullptr || std::strcmp(value, "0") != 0;
    return batching;
  }();
  return state;
}

}  // namespace

bool SdlBatching() {
  return State().on;
}

void SdlSetBatching(bool on) {
  State().on = on;
}

uint64_t SdlGeometryCalls() {
  return State().calls;
}

const char* SdlRendererName() {
  return State().renderer.c_str();
}

void SdlCountGeometryCalls(int calls) {
  State().calls += static_cast<uint64_t>(calls);
}

void SdlNoteRenderer(const char* name) {
  State().renderer = name != nullptr ? name : "";
}
