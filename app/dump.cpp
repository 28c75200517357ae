// Writes the dump: screen, state, message and error boxes, then what each subsystem adds.
#include "app/dump.h"

#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

#include "app/screens.h"
#include "app/shell.h"
#include "engine/text.h"
#include "game/messages.h"

namespace {

std::vector<std::pair<int, std::string>> dumps;

}  // namespace

nlohmann::json DumpState(int frame) {
  nlohmann::json j;
  j["frame"] = frame;
  j["screen"] = ScreenName(currentScreen);
  j["state"] = screenState;
  j["timer"] = screenTimer;
  j["message"] = ToUtf8(message);
  nlohmann::json boxes = nlohmann::json::array();
  if (hge != nullptr) {
    for (const std::string& box : hge->System_ErrorBoxes()) boxes.push_back(ToUtf8(box));
  }
  j["messageBoxes"] = boxes;
  return j;
}

void AddDump(int frame, const std::string& path) { dumps.emplace_back(frame, path); }

void WriteDumps(int frame) {
  for (const auto& [when, path] : dumps) {
    if (when != frame) continue;
    std::ofstream out(path);
    if (!out) {
      std::fprintf(stderr, "duskhollow: cannot write dump %s\n", path.c_str());
      continue;
    }
    out << DumpState(frame).dump(2) << '\n';
  }
}
