// Sessions: the automatic save, continuing a saved game, and a fresh board for every new game.
#pragma once

#include <string>

// Writes the running game to the save file; a failure goes to the log (nothing is shown to the player).
void SaveGame();
// Saves written by this run so far.
int SavesWritten();
// Deletes the save (a won or lost game leaves none).
void DeleteSave();
// Makes the board ready for a new game: after a game of this run the map file is read again (spots
// unsearched, no ground items, counters reset), the last game's figures are put aside and the counters
// are reset.
void PrepareNewGame();
// Reads the board of the town of new games (at start-up).
void LoadBoard();
// Before a new game starts on the team screen: when the town of new games is not the one the board holds,
// the board (still unplayed) is read from that town's map file; a chosen town is remembered for the next start.
void BoardForNewGame();
// The town the board holds, as saves and dumps name it: a town's id, or the --map file.
const std::string& BoardTown();
// The map file the board was read from.
const std::string& BoardMapFile();
// Loads the save and enters the game screen in the saved phase, on the save's town (a save without a town
// is of the first town; with --map, on that map); true when it did. A save that cannot be
// read is refused with the message box "Сохранение повреждено" (the reason goes to the log), put aside as
// save.json.bad, and the running game is left as it was.
bool ContinueSavedGame();
// Reads the save file into `text`; false with `reason` when it cannot.
bool ReadSaveFile(const std::string& path, std::string* text, std::string* reason);
