// INI reading through libinih with Windows profile semantics.
#include "engine/core/ini_file.h"

#include <ini.h>
#include <sys/stat.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

std::string Lower(const char* text) {
  std::string out = text != nullptr ? text : "";
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string Trim(const std::string& s) {
  const char* space = " \t\r\n";
  const size_t first = s.find_first_not_of(space);
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(space) - first + 1);
}

std::string Key(const char* section, const char* key) {
  return Trim(Lower(section)) + "\n" + Lower(key);
}

// Reads lines out of a string for libinih; lines longer than the buffer are cut, never split in two.
struct LineReader {
  const std::string* text;
  size_t pos;
};

char* ReadLine(char* buffer, int size, void* stream) {
  LineReader* reader = static_cast<LineReader*>(stream);
  const std::string& text = *reader->text;
  if (reader->pos >= text.size() || size < 2) return nullptr;
  size_t end = text.find('\n', reader->pos);
  if (end == std::string::npos) end = text.size();
  const size_t length = std::min(end - reader->pos, static_cast<size_t>(size - 1));
  text.copy(buffer, length, reader->pos);
  buffer[length] = '\0';
  reader->pos = end + 1;
  return buffer;
}

int OnValue(void* user, const char* section, const char* name, const char* value) {
  std::map<std::string, std::string>* values = static_cast<std::map<std::string, std::string>*>(user);
  std::string text = value != nullptr ? value : "";
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  values->emplace(Key(section, name), text);  // the first occurrence of a key wins, as in Windows
  return 1;
}

// The file's identity on disk and its content ("" when missing); `recent` tells whether it was modified
// within the last two seconds, when an edit of the same size may not change the identity.
std::string ReadWithStamp(const std::string& path, std::string* content, bool* recent) {
  content->clear();
  *recent = false;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return "absent";
  *recent = info.st_mtim.tv_sec + 2 >= std::time(nullptr);
  std::ifstream file(path, std::ios::binary);
  if (file) {
    std::ostringstream text;
    text << file.rdbuf();
    *content = text.str();
  }
  std::ostringstream stamp;
  stamp << info.st_ino << ' ' << info.st_size << ' ' << info.st_mtim.tv_sec << ' ' << info.st_mtim.tv_nsec;
  return stamp.str();
}

// The file's identity alone (cheap: no reading).
std::string StampOf(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return "absent";
  std::ostringstream stamp;
  stamp << info.st_ino << ' ' << info.st_size << ' ' << info.st_mtim.tv_sec << ' ' << info.st_mtim.tv_nsec;
  return stamp.str();
}

}  // namespace

void IniFile::SetPath(const std::string& newPath) {
  path = newPath;
  loaded = false;
  values.clear();
  loadedContent.clear();
}

void IniFile::Parse(const std::string& text) {
  values.clear();
  loadedContent = text;
  LineReader reader{&loadedContent, 0};
  ini_parse_stream(ReadLine, &reader, OnValue, &values);
}

const std::string* IniFile::Find(const char* section, const char* key, int frame) {
  if (path.empty() || section == nullptr || key == nullptr) return nullptr;
  if (!loaded || frame != loadedFrame || racy || StampOf(path) != loadedStamp) {
    std::string content;
    const std::string stamp = ReadWithStamp(path, &content, &racy);
    if (!loaded || stamp != loadedStamp || content != loadedContent) Parse(content);
    loaded = true;
    loadedFrame = frame;
    loadedStamp = stamp;
  }
  const auto found = values.find(Key(section, key));
  return found == values.end() ? nullptr : &found->second;
}

int IniFile::LeadingInt(const std::string& value) {
  const long long n = std::strtoll(value.c_str(), nullptr, 10);
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int>(n);
}

float IniFile::LeadingFloat(const std::string& value) {
  const double d = std::strtod(value.c_str(), nullptr);
  if (std::isnan(d)) return std::numeric_limits<float>::quiet_NaN();
  if (d > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
  if (d < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(d);
}
