// hgeCreate: hands out the one engine object of the configured backend.
#include "engine/core/backends.h"

HGE* hge = nullptr;

namespace {

hgeRunOptions runOptions;
HGE* instance = nullptr;
HGE* installed = nullptr;

}  // namespace

void hgeConfigure(const hgeRunOptions& options) {
  runOptions = options;
}

void hgeInstall(HGE* engine) {
  installed = engine;
}

void hgeForget(HGE* engine) {
  if (instance == engine) instance = nullptr;
  if (installed == engine) installed = nullptr;
}

HGE* hgeCreate(int ver) {
  if (ver != HGE_VERSION) return nullptr;
  if (installed != nullptr) {
    installed->AddRef();
    return installed;
  }
  if (instance != nullptr) {
    instance->AddRef();
    return instance;
  }
  instance = runOptions.backend == hgeBackend::Headless ? CreateHeadlessEngine(runOptions)
                                                        : CreateSdlEngine(runOptions);
  return instance;
}
