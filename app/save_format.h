// The saved game's file format: its name and version, and the texts a refused save shows.
#pragma once

// The value of the save's "format" field.
constexpr const char* SAVE_FORMAT_NAME = "duskhollow-save";
// The version this program writes and reads; a save of another version is refused.
constexpr int SAVE_FORMAT_VERSION = 1;
// Largest save file the reader takes, in bytes (a real one is a few hundred kilobytes).
constexpr long SAVE_MAX_BYTES = 16L * 1024 * 1024;
