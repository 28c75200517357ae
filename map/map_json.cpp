// Writing the map's part of the JSON state dump.
#include "map/map_json.h"

#include <nlohmann/json.hpp>

#include "map/map.h"

nlohmann::json MapToJson(const Map& map) {
  nlohmann::json spots = nlohmann::json::array();
  for (const find_point_struct& s : map.searchSpots) spots.push_back({s.x, s.y});
  return {
      {"W", map.W},
      {"H", map.H},
      {"CW", map.CW},
      {"CH", map.CH},
      {"escape", {map.escapeX, map.escapeY}},
      {"searchThreshold", map.searchThreshold},
      {"searchesMade", map.searchesMade},
      {"escapeKeyFound", map.escapeKeyFound},
      {"zombieCount", map.zombieCount},
      {"scroll", {map.view.scrollX, map.view.scrollY}},
      {"cursor", {map.view.cursorX, map.view.cursorY}},
      {"searchSpots", spots},
      {"spriteCount", map.sprites.size()},
  };
}
