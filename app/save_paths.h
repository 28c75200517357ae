// Where the saved game lives: the player's data folder, or the folder the command line names.
#pragma once

#include <string>

// The player's data folder for the game: $XDG_DATA_HOME/duskhollow, else ~/.local/share/duskhollow
// ("" when neither variable gives a folder).
std::string DefaultSaveDir();
// Sets the folder the save goes to; "" turns saving off (headless runs without --save-dir).
void SetSaveDir(const std::string& dir);
// The folder the save goes to, "" when saving is off.
const std::string& SaveDir();
// The save file's path ("" when saving is off).
std::string SaveFilePath();
// Where a save that cannot be read is put aside ("" when saving is off).
std::string BadSaveFilePath();
// True when saving is on and a save file exists.
bool SaveExists();
