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
// Loads the save and enters the game screen in the saved phase; true when it did. A save that cannot be
// read is refused with the message box "Сохранение повреждено" (the reason goes to the log), put aside as
// save.json.bad, and the running game is left as it was.
bool ContinueSavedGame();
// Reads the save file into `text`; false with `reason` when it cannot.
bool ReadSaveFile(const std::string& path, std::string* text, std::string* reason);
