// The options table, reading and writing the options file's text, and the difficulty factors.
#include "app/options.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "engine/core/ini_file.h"

PlayerOptions activeOptions;
PlayerOptions fileOptions;
bool soundMuted = false;

namespace {

// The one section of the options file.
constexpr const char* kSection = "options";

const char* const kOnOff[] = {"выкл", "вкл"};
// The names show each difficulty's factor (kDifficultyFactors).
const char* const kDifficulties[] = {"Лёгкая x0,5", "Обычная x1", "Трудная x1,5"};

const OptionInfo kOptions[] = {
    {"effects_volume", &PlayerOptions::effectsVolume, 0, 100, 100, 10, "Громкость эффектов", nullptr},
    {"clock_volume", &PlayerOptions::clockVolume, 0, 100, 100, 10, "Громкость часов", nullptr},
    {"fullscreen", &PlayerOptions::fullscreen, 0, 1, 0, 1, "Полный экран", kOnOff},
    {"scale", &PlayerOptions::scale, 0, 16, 0, 1, "Масштаб окна", nullptr},
    {"difficulty", &PlayerOptions::difficulty, DIFFICULTY_EASY, DIFFICULTY_HARD, DIFFICULTY_NORMAL, 1, "Сложность",
     kDifficulties},
    {nullptr, nullptr, 0, 0, 0, 0, nullptr, nullptr},
};

const float kDifficultyFactors[DIFFICULTY_COUNT] = {0.5f, 1.0f, 1.5f};

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return i == a.size() && b[i] == '\0';
}

// A value written as a whole number, with nothing but blanks after it; false for anything else.
bool WholeNumber(const std::string& value, long long* out) {
  size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  const size_t digits = i;
  long long number = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    // Past a billion the value is out of every range anyway: it stays there without overflowing.
    if (number < 1000000000LL) number = number * 10 + (value[i] - '0');
  }
  if (i == digits) return false;
  for (; i < value.size(); ++i) {
    if (value[i] != ' ' && value[i] != '\t' && value[i] != '\r') return false;
  }
  *out = negative ? -number : number;
  return true;
}

void AddNote(std::string* note, const std::string& what) {
  if (note == nullptr) return;
  if (!note->empty()) *note += "; ";
  *note += what;
}

}  // namespace

const OptionInfo* OptionsTable() {
  return kOptions;
}

void ClampOptions(PlayerOptions* options) {
  for (const OptionInfo* o = kOptions; o->key != nullptr; ++o) {
    int& value = options->*(o->field);
    if (value < o->min) value = o->min;
    if (value > o->max) value = o->max;
  }
}

PlayerOptions ParseOptions(const std::string& text, std::string* note) {
  PlayerOptions options;
  int badLine = 0;
  const std::vector<IniEntry> entries = ParseIniText(text, &badLine);
  if (badLine > 0) AddNote(note, "line " + std::to_string(badLine) + " is not an option");
  std::vector<bool> seen(sizeof(kOptions) / sizeof(kOptions[0]), false);
  for (const IniEntry& entry : entries) {
    if (!SameName(entry.section, kSection)) continue;
    for (const OptionInfo* o = kOptions; o->key != nullptr; ++o) {
      // As everywhere in the game's INI files, the first line of a key counts.
      if (!SameName(entry.key, o->key) || seen[o - kOptions]) continue;
      seen[o - kOptions] = true;
      long long number = 0;
      if (!WholeNumber(entry.value, &number)) {
        AddNote(note, std::string(o->key) + " is not a number");
      } else if (number < o->min || number > o->max) {
        AddNote(note, std::string(o->key) + " out of range");
        options.*(o->field) = static_cast<int>(number < o->min ? o->min : o->max);
      } else {
        options.*(o->field) = static_cast<int>(number);
      }
    }
  }
  return options;
}

std::string OptionsText(const PlayerOptions& options) {
  std::ostringstream out;
  out << "; Duskhollow's options, written by the game's options screen.\n[" << kSection << "]\n";
  for (const OptionInfo* o = kOptions; o->key != nullptr; ++o) out << o->key << " = " << options.*(o->field) << "\n";
  return out.str();
}

float DifficultyFactor(int difficulty) {
  if (difficulty < 0) difficulty = 0;
  if (difficulty >= DIFFICULTY_COUNT) difficulty = DIFFICULTY_COUNT - 1;
  return kDifficultyFactors[difficulty];
}
