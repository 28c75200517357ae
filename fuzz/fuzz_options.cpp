// Fuzzes the options file's reader: any text gives options within their ranges, which are written into a
// text that reads back to the same options with nothing to note.
#include <cstdint>
#include <string>

#include "app/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string note;
  const PlayerOptions read = ParseOptions(text, &note);
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) {
    const int value = read.*(o->field);
    if (value < o->min || value > o->max) __builtin_trap();
  }
  std::string again;
  const PlayerOptions back = ParseOptions(OptionsText(read), &again);
  if (!again.empty()) __builtin_trap();
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) {
    if (back.*(o->field) != read.*(o->field)) __builtin_trap();
  }
  return 0;
}
