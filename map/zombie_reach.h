// The zombie reach: every cell a zombie's blow could land on in the coming zombies' turn, by the zombies'
// own step rules, for the overlay the player switches with Tab or the display's toggle.
#pragma once

#include <vector>

#include "game/person.h"
#include "map/map.h"

// Action points every zombie gets at the start of the zombies' turn.
constexpr int ZOMBIE_TURN_POINTS = 2;
// Action points a zombie's blow costs.
constexpr int ZOMBIE_BLOW_COST = 1;

// The cells, row-major and each once, that zombie `j` of `zombies` standing on `map` could strike when it
// starts its turn with `points` action points: it steps at the zombie step costs around members and other
// zombies where they stand now, and strikes from a cell where it still has a blow's points left into a
// neighbour a member could stand on, across the edge a member's one-point zombie step crosses (the rule
// that puts the zombie at distance 1). Only cells a member could be in count: not walls, search spots or
// cells other zombies hold.
std::vector<int> ZombieStrikeCells(const Map& map, const std::vector<Person*>& zombies, int j, int points);
// The union of ZombieStrikeCells over every zombie on the map, with the turn's points, row-major.
std::vector<int> ZombieReach(const Map& map, const std::vector<Person*>& zombies);

// The overlay's cells as last computed, row-major; kept whether the overlay is shown or not.
extern std::vector<int> zombieReachCells;
// The overlay is shown over the map.
extern bool zombieReachShown;
// Recomputes zombieReachCells for the game's map and zombies when a figure has moved, died or come since
// the last call (nothing without a map).
void UpdateZombieReach();
// Forgets the reach worked out so far; the next UpdateZombieReach works it out anew (a new map is set).
void ForgetZombieReach();
