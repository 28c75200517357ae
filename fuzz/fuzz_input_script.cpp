// Fuzzes the input-script reader: any script must parse without a crash, and what it accepts must
// survive being written back and read again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const InputScript script = ParseInputScript(text);
  std::string written;
  for (const InputEvent& event : script.events) {
    if (event.frame < 1) std::abort();
    if ((event.kind == InputEvent::Down || event.kind == InputEvent::Up) &&
        (event.key < 1 || event.key > 255)) {
      std::abort();
    }
    written += FormatInputEvent(event) + "\n";
  }
  const InputScript again = ParseInputScript(written);
  if (!again.errors.empty() || again.events.size() != script.events.size()) std::abort();
  for (size_t i = 1; i < script.events.size(); ++i) {
    if (script.events[i].frame < script.events[i - 1].frame) std::abort();
  }
  return 0;
}
