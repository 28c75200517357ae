// Fuzzes the reader of the remembered last town: any file text names a shipped town or the first town.
#include <cstdint>
#include <string>

#include "app/town_memory.h"
#include "map/towns.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int town = TownFromMemory(std::string(reinterpret_cast<const char*>(data), size));
  if (town < 0 || town >= static_cast<int>(Towns().size())) __builtin_trap();
  return 0;
}
