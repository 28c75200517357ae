// Shared set-up of the map tests: a fake engine, map files in a scratch folder, figures on the board.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "config/settings.h"
#include "engine/hge.h"
#include "engine/text.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "support/fake_engine.h"

// The grid character of value v.
inline char G(int v) {
  return static_cast<char>(40 + v);
}

// The text of a map file without textures or spots; grids not given are open ground and no decoration.
inline std::string MapFile(int w, int h, const std::string& floor = "", const std::string& right = "",
                           const std::string& top = "") {
  const std::string open(static_cast<size_t>(w * h), '('), none(static_cast<size_t>(w * h), '\'');
  const auto Grid = [&](const std::string& grid) { return (grid.empty() ? open : grid) + "\n"; };
  return std::to_string(w) + " " + std::to_string(h) + " 32 32 0 0\n0\n0\n" + Grid(floor) + Grid(right) +
         Grid(top) + none + "\n" + none + "\n";
}

class MapTest : public ::testing::Test {
 protected:
  MapTest() {
    hgeInstall(&fake);
    hge = &fake;
    std::string pattern = (std::filesystem::temp_directory_path() / "dh_map_XXXXXX").string();
    dir = mkdtemp(pattern.data()) != nullptr ? pattern : "";
    BORDER_LEFT = BORDER_RIGHT = BORDER_UP = BORDER_DOWN = SCROLLING_ZONE = 0.0f;
    SCROLLING_SPEED = 100.0f;
    PATH_FINDING_CICLES = 1.0e9f;
    LOGO = 1;
    screenState = 0;
    mouseX = 400.0f;
    mouseY = 300.0f;
    ClearFigures();
  }

  ~MapTest() override {
    ClearFigures();
    map.reset();
    hge = nullptr;
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  void ClearFigures() {
    for (Person* p : team) delete p;
    for (Person* p : zombies) delete p;
    team.clear();
    zombies.clear();
    selectedMember = -1;
  }

  // Writes `content` as a map file and loads it into `map`.
  Map& Load(const std::string& content) {
    const std::string path = dir + "/map.dhm";
    std::ofstream(path, std::ios::binary) << content;
    map = std::make_unique<Map>(path);
    return *map;
  }

  // The error boxes shown so far, in UTF-8.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const std::string& box : fake.errorBoxes) out.push_back(ToUtf8(box));
    return out;
  }

  // A team member standing and drawn at (x, y); a dead one no longer occupies its cell.
  Person* AddMember(int x, int y, std::vector<int32_t> skills = {}, bool alive = true) {
    Person* p = Place(HTEXTURE{900}, x, y);
    p->isZombie = 0;
    p->alive = alive ? 1 : 0;
    p->skills = std::move(skills);
    p->actionPoints = 4;
    team.push_back(p);
    if (map->ValidCell(p->cell)) {
      map->cells[p->cell].memberBound = static_cast<int16_t>(team.size() - 1);
      map->cells[p->cell].memberHere = alive ? map->cells[p->cell].memberBound : -1;
    }
    return p;
  }

  // A zombie standing and drawn at (x, y).
  Person* AddZombie(int x, int y) {
    Person* p = Place(HTEXTURE{901}, x, y);
    zombies.push_back(p);
    if (map->ValidCell(p->cell)) {
      map->cells[p->cell].zombieHere = map->cells[p->cell].zombieBound =
          static_cast<int16_t>(zombies.size() - 1);
    }
    return p;
  }

  // Runs the search of `phase` frame after frame until it is over.
  void FinishSearch(int phase) {
    for (int i = 0; i < 100000 && (map->pathsStale || map->searchMember >= 0); ++i)
      map->DrivePathSearch(phase);
  }

  Person* Place(HTEXTURE texture, int x, int y) {
    auto* p = new Person(texture);
    p->x = x;
    p->y = y;
    p->cell = p->secondCell = static_cast<int16_t>(map->CellIndex(x, y));
    return p;
  }

  FakeEngine fake;
  std::string dir;
  std::unique_ptr<Map> map;
};
