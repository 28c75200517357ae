// The player's options: one table of (key, field, range, default) drives reading, writing, clamping and
// the options screen's rows.
#pragma once

#include <string>

// The player's choices. Whole numbers throughout, so that one table serves every row.
struct PlayerOptions {
  int effectsVolume = 100;  // 0..100
  int clockVolume = 100;    // 0..100; 0 silences the looping clock
  int fullscreen = 0;       // 0 windowed, 1 on the whole desktop
  int scale = 0;            // the window's scale; 0: the largest that fits the display
  int difficulty = 1;       // DIFFICULTY_EASY .. DIFFICULTY_HARD
};

// The difficulties; each scales the zombies per member by its factor.
enum : int { DIFFICULTY_EASY = 0, DIFFICULTY_NORMAL = 1, DIFFICULTY_HARD = 2, DIFFICULTY_COUNT = 3 };

// One option: its key in the file, its field, its range, its default, the step its screen row moves by,
// the row's label and the names of its values from min to max (UTF-8; null: the value is shown as a number).
struct OptionInfo {
  const char* key;
  int PlayerOptions::*field;
  int min, max, def, step;
  const char* label;
  const char* const* names;
};

// The options in file and screen order, ended by a row with a null key.
const OptionInfo* OptionsTable();

// Brings every value into its range.
void ClampOptions(PlayerOptions* options);
// Reads options from the text of an options file: unknown keys and lines are skipped, missing keys keep
// their defaults, numbers out of range are clamped. `note` receives what was wrong ("" when nothing was).
PlayerOptions ParseOptions(const std::string& text, std::string* note);
// The text of an options file holding `options`.
std::string OptionsText(const PlayerOptions& options);

// The factor the zombies per member are multiplied by at `difficulty` (clamped to the known ones).
float DifficultyFactor(int difficulty);

// The options in force in this run (the file's values, overridden by the command line's).
extern PlayerOptions activeOptions;
// The options the file holds and will hold when written: the command line's flags do not go into it, what
// the player changes on the options screen does.
extern PlayerOptions fileOptions;
// All sound is silenced (M); not kept in the file.
extern bool soundMuted;
