// The last game's town: one line with the town's id in the save folder.
#include "app/town_memory.h"

#include <fstream>

#include "app/atomic_file.h"
#include "app/save_paths.h"
#include "engine/hge.h"
#include "map/towns.h"

namespace {

// Longest file read: far more than any town's id.
constexpr std::streamsize kMaxBytes = 256;

}  // namespace

std::string TownMemoryPath() {
  return SaveDir().empty() ? "" : SaveDir() + "/last_town";
}

int TownFromMemory(const std::string& text) {
  std::string id = text.substr(0, text.find('\n'));
  if (!id.empty() && id.back() == '\r') id.pop_back();
  const int town = FindTown(id);
  return town >= 0 ? town : 0;
}

int RememberedTown() {
  const std::string path = TownMemoryPath();
  if (path.empty()) return 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  std::string text(static_cast<size_t>(kMaxBytes), '\0');
  in.read(&text[0], kMaxBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  return TownFromMemory(text);
}

void RememberTown(int town) {
  const std::string path = TownMemoryPath();
  if (path.empty() || town < 0 || town >= static_cast<int>(Towns().size())) return;
  std::string error;
  if (!MakeFolders(SaveDir(), &error) ||
      !WriteFileAtomically(path, std::string(Towns()[town].id) + "\n", &error)) {
    if (hge != nullptr) hge->System_Log("The last town was not remembered: %s", error.c_str());
  }
}
