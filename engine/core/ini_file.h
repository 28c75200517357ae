// An INI file read with Windows profile semantics, parsed again only when a new frame asks or it changed.
#pragma once

#include <map>
#include <string>
#include <vector>

// One key line of a profile file: its section and key as written (trimmed) and its value.
struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};

// Reads `text` as a profile file and returns its key lines in file order. Every line's leading blanks are
// skipped, so an indented line is read on its own; `;` starts a comment line, and a `;` after a blank ends
// a value. `badLine`, when given, receives the number of the first line that is neither blank, a comment,
// a section nor a key (0 when there is none).
std::vector<IniEntry> ParseIniText(const std::string& text, int* badLine = nullptr);

class IniFile {
 public:
  // Names the file to read ("" for none); forgets what was read before.
  void SetPath(const std::string& path);
  // The value of `key` in `section` (names case-insensitive), or null when absent. `frame` is the
  // engine's frame number: the file is parsed at most once per frame unless it changed on disk.
  const std::string* Find(const char* section, const char* key, int frame);

  // Windows profile reading of numbers: the value's leading integer, like atoi (clamped to int).
  static int LeadingInt(const std::string& value);
  // The value's leading number, like atof.
  static float LeadingFloat(const std::string& value);

 private:
  // Parses `text` as the file's content.
  void Parse(const std::string& text);

  std::string path;
  bool loaded = false;
  int loadedFrame = -1;
  std::string loadedStamp;    // identity of the file on disk when it was read
  std::string loadedContent;  // what was parsed
  bool racy = false;          // the file was modified so recently that an edit may keep its identity
  std::map<std::string, std::string> values;  // "section\nkey", both lower case -> value
};
