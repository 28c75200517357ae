// An INI file read with Windows profile semantics, parsed again only when a new frame asks or it changed.
#pragma once

#include <map>
#include <string>

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
