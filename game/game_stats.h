// The running game's counters that the display and the end screen show and a save keeps.
#pragma once

// Counters of one game.
struct game_stats_struct {
  int turns = 1;          // player turns begun, the first included
  int zombiesKilled = 0;  // zombies whose dying action has ended
};

// The running game's counters; a new game resets them.
extern game_stats_struct gameStats;
