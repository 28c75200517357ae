// The layers run one way: no source file includes a header of a higher layer unless the allow-list names it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Layers from the lowest up; a folder's files may include their own layer and the ones below.
const std::vector<std::string> kLayers = {"engine", "config", "game", "map", "ui", "app", "app/bot"};

// The layer of a path relative to the source folder, -1 outside the layers.
int LayerOf(const std::string& path) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(kLayers.size()); ++i) {
    if (path.rfind(kLayers[i] + "/", 0) == 0) best = i;  // the longest matching folder wins
  }
  return best;
}

using Include = std::pair<std::string, std::string>;  // (file, included header)

// Every quoted include of the layered folders that points upwards, with its line for the message.
std::map<Include, std::string> UpwardIncludes(const fs::path& root) {
  const std::regex include(R"(^\s*#\s*include\s+"([^"]+)\")");
  std::map<Include, std::string> found;
  for (const std::string& layer : kLayers) {
    for (const auto& entry : fs::recursive_directory_iterator(root / layer)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      std::ifstream in(entry.path());
      int number = 0;
      for (std::string line; std::getline(in, line);) {
        ++number;
        std::smatch m;
        if (!std::regex_search(line, m, include)) continue;
        const int target = LayerOf(m[1]);
        if (target > LayerOf(file)) found[{file, m[1]}] = file + ":" + std::to_string(number) + ": " + line;
      }
    }
  }
  return found;
}

// The allow-list: "file header" lines; blank lines and lines starting with # are comments.
std::set<Include> Allowed(const fs::path& list) {
  std::set<Include> allowed;
  std::ifstream in(list);
  EXPECT_TRUE(in) << "cannot read " << list;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const size_t space = line.find(' ');
    allowed.insert({line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1)});
  }
  return allowed;
}

TEST(Layers, NoFileIncludesAHigherLayerUnlessAllowedAndEveryAllowanceIsUsed) {
  const fs::path root(DH_SOURCE_DIR);
  const std::map<Include, std::string> upward = UpwardIncludes(root);
  const std::set<Include> allowed = Allowed(root / "tests" / "layers" / "allowed.txt");
  for (const auto& [include, where] : upward) {
    EXPECT_TRUE(allowed.count(include)) << where << " includes a higher layer";
  }
  for (const Include& include : allowed) {
    EXPECT_TRUE(upward.count(include)) << "allowed.txt names " << include.first << " " << include.second
                                       << ", which no longer includes upwards: drop the entry";
  }
}

}  // namespace
