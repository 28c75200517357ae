// The towns a game can be played in: their ids, names and map files, and the town chosen for new games.
#pragma once

#include <string>
#include <vector>

// One shipped town.
struct Town {
  const char* id;       // the short name saves and dumps use
  const char* name;     // the name the team screen shows
  const char* mapFile;  // its map file under the data folder
};

// The shipped towns in the order the team screen offers them; the first is the first town, whose preview is
// picture 0 of Data/towns.png, the next picture 1, and so on.
const std::vector<Town>& Towns();
// Index of the town with this id; -1 when none has it.
int FindTown(const std::string& id);

// The town new games are played in (an index into Towns()): the last game's, changed on the team screen.
extern int chosenTown;
// Moves the choice `step` towns on (negative: back), wrapping around at both ends.
void StepTown(int step);
// Chooses a town with the game's own generator.
void ChooseRandomTown();
