// Writing the whole running game as the save's JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

// The running game (figures, ground items, the map's changing state, the message line, the turn phase,
// the view and both generators) in the save's shape; a drag in progress is not kept.
nlohmann::json SaveGameToJson();
// Writes the running game to the save file atomically; false with `error` when it cannot (or when saving
// is off).
bool WriteSave(std::string* error);
