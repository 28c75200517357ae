// Fuzzes the settings reader: any settings file must load without a crash or a hang.
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "config/settings.h"
#include "engine/hge.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static HGE* hge = [] {
    hgeRunOptions options;
    options.backend = hgeBackend::Headless;
    hgeConfigure(options);
    HGE* engine = hgeCreate(HGE_VERSION);
    static std::string path = "/tmp/dh_fuzz_ini_" + std::to_string(getpid()) + ".ini";
    engine->System_SetState(HGE_INIFILE, path.c_str());
    return engine;
  }();
  const char* path = hge->System_GetState(HGE_INIFILE);
  FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  LoadSettings(hge);
  return 0;
}
