// Where the player's options live and reading and writing their file.
#pragma once

#include <string>

#include "app/options.h"

// The player's config folder for the game: $XDG_CONFIG_HOME/duskhollow, else ~/.config/duskhollow ("" when
// neither variable gives a folder).
std::string DefaultConfigDir();
// Sets the folder of the options file; "" keeps the options in memory only (headless runs without
// --config-dir).
void SetConfigDir(const std::string& dir);
// The options file's path ("" when the options are not kept).
std::string OptionsFilePath();

// Reads the options file into fileOptions and activeOptions. A missing file gives the defaults quietly; an
// unreadable or garbled one gives the defaults (or what could be read of it) and returns a line for the
// log saying what was wrong. "" when there is nothing to say.
std::string LoadOptionsFile();
// What LoadOptionsFile had to say, for the log once the engine is up ("" for nothing).
extern std::string optionsNote;
// Writes fileOptions to the options file atomically; false with `error` set when it cannot (nothing is
// written when the options are not kept, which is no failure).
bool SaveOptionsFile(std::string* error);
