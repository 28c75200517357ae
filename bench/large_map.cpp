// The largest map the format allows: the shipped map's ground repeated over 181 x 181 cells.
#include "large_map.h"

#include <cstdio>
#include <memory>
#include <string>

#include "game/world.h"

namespace {

// A map file of LARGE_MAP_SIDE squared cells whose floor and barriers repeat the shipped map's.
std::string LargeMapFile(const Map& shipped) {
  const int W = LARGE_MAP_SIDE, H = LARGE_MAP_SIDE;
  std::string grids[3];
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const map_cell_struct& c = shipped.cells[(y % shipped.H) * shipped.W + x % shipped.W];
      grids[0] += static_cast<char>('(' + c.floor);
      grids[1] += static_cast<char>('(' + c.rightBarrier);
      grids[2] += static_cast<char>('(' + c.topBarrier);
    }
  }
  const std::string none(static_cast<size_t>(W * H), '\'');
  return std::to_string(W) + " " + std::to_string(H) + " " + std::to_string(shipped.CW) + " " +
         std::to_string(shipped.CH) + " 0 0\n0\n0\n" + grids[0] + "\n" + grids[1] + "\n" + grids[2] + "\n" +
         none + "\n" + none + "\n";
}

}  // namespace

Map& LargeMap() {
  static std::unique_ptr<Map> map = [] {
    const std::string path = "/tmp/dh_bench_large.dhm";
    if (FILE* file = std::fopen(path.c_str(), "w")) {
      std::fputs(LargeMapFile(*gameMap).c_str(), file);
      std::fclose(file);
    }
    const int selected = selectedMember;  // loading a map clears the selection
    auto large = std::make_unique<Map>(path);
    selectedMember = selected;
    std::remove(path.c_str());
    return large;
  }();
  return *map;
}
