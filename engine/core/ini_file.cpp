// INI reading with Windows profile semantics: our own small line reader, so every build can compile it.
#include "engine/core/ini_file.h"

#include <sys/stat.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

const char* const kBlanks = " \t\r\n\v\f";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string Key(const std::string& section, const std::string& key) {
  return Lower(section) + "\n" + Lower(key);
}

// A value as the game reads it: trimmed, cut at a `;` that follows a blank, one pair of quotes removed.
std::string CleanValue(const std::string& raw) {
  std::string value = Trim(raw);
  for (size_t i = 1; i < value.size(); ++i) {
    if (value[i] == ';' && IsBlank(value[i - 1])) {
      value.resize(i);
      break;
    }
  }
  value = Trim(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
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

std::vector<IniEntry> ParseIniText(const std::string& text, int* badLine) {
  std::vector<IniEntry> entries;
  if (badLine != nullptr) *badLine = 0;
  std::string section;
  size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a UTF-8 mark before the first line
  for (int number = 1; pos < text.size(); ++number) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    bool bad = false;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      if (close != std::string::npos) {
        section = Trim(line.substr(1, close - 1));
      } else {
        bad = true;
      }
    } else {
      const size_t equals = line.find('=');
      if (equals != std::string::npos) {
        const std::string key = Trim(line.substr(0, equals));
        if (!key.empty()) entries.push_back(IniEntry{section, key, CleanValue(line.substr(equals + 1))});
      } else {
        bad = true;
      }
    }
    if (bad && badLine != nullptr && *badLine == 0) *badLine = number;
  }
  return entries;
}

void IniFile::SetPath(const std::string& newPath) {
  path = newPath;
  loaded = false;
  values.clear();
  loadedContent.clear();
}

void IniFile::Parse(const std::string& text) {
  values.clear();
  loadedContent = text;
  for (const IniEntry& entry : ParseIniText(loadedContent)) {
    values.emplace(Key(entry.section, entry.key), entry.value);  // the first occurrence wins, as in Windows
  }
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
  const auto found = values.find(Key(Trim(section), key));
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
