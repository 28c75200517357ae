// Helpers for the checks of the shipped data: whole files, decoded pictures, the settings file.
#pragma once

#include <SDL2/SDL_image.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/ini_file.h"

namespace content {

// The whole file as bytes; false when it cannot be read.
inline bool ReadWholeFile(const std::string& path, std::string* out) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  *out = s.str();
  return static_cast<bool>(in);
}

// A picture decoded to 32-bit RGBA rows through SDL_image, as the engine does; 0 x 0 when it cannot be read.
struct Pixels {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  // One channel (0 red, 1 green, 2 blue, 3 alpha) of one pixel.
  uint8_t At(int x, int y, int c = 3) const { return rgba[(static_cast<size_t>(y) * w + x) * 4 + c]; }
  // Pixels of the rectangle with alpha above `threshold`.
  int Opaque(int x0, int y0, int rw, int rh, int threshold = 16) const {
    int n = 0;
    for (int y = y0; y < y0 + rh; ++y) {
      for (int x = x0; x < x0 + rw; ++x) n += At(x, y) > threshold ? 1 : 0;
    }
    return n;
  }
};

inline Pixels LoadPixels(const std::string& path) {
  Pixels p;
  SDL_Surface* raw = IMG_Load(path.c_str());
  SDL_Surface* s = raw ? SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ABGR8888, 0) : nullptr;  // R, G, B, A
  SDL_FreeSurface(raw);
  if (s == nullptr) return p;
  p.w = s->w;
  p.h = s->h;
  for (int y = 0; y < p.h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    p.rgba.insert(p.rgba.end(), row, row + p.w * 4);
  }
  SDL_FreeSurface(s);
  return p;
}

inline std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// A settings file read as the engine reads it: section -> key -> value, names upper-cased.
struct IniFile {
  std::map<std::string, std::map<std::string, std::string>> sections;
  int error = -1;  // the first line that is no key, section or comment; 0 when the whole file parsed

  // The value of a key in `section` ("": the first section holding it), or "" when absent.
  std::string Get(const std::string& section, const std::string& key) const {
    for (const auto& s : sections) {
      auto k = s.second.find(Upper(key));
      if ((section.empty() || s.first == Upper(section)) && k != s.second.end()) return k->second;
    }
    return "";
  }
  // The key's value as a number, NaN when absent or not a number.
  double Number(const std::string& key, const std::string& section = "") const {
    const std::string v = Get(section, key);
    char* end = nullptr;
    const double d = std::strtod(v.c_str(), &end);
    return end != v.c_str() && *end == '\0' ? d : std::nan("");
  }
};

inline IniFile ReadIni(const std::string& path) {
  IniFile f;
  std::ifstream file(path, std::ios::binary);
  if (!file) return f;
  std::ostringstream text;
  text << file.rdbuf();
  for (const IniEntry& entry : ParseIniText(text.str(), &f.error)) {
    f.sections[Upper(entry.section)].emplace(Upper(entry.key), entry.value);  // the first value wins
  }
  return f;
}

}  // namespace content
