// The map's part of the JSON state dump.
#pragma once

#include <nlohmann/json_fwd.hpp>

class Map;

// The dump's `map` object: sizes, escape cell, search counters, view and search spots.
nlohmann::json MapToJson(const Map& map);
