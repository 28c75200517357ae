// Test data files: a scratch folder removed at the end of the test, and a minimal PNG header.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// The first 24 bytes of a PNG of w x h: signature and IHDR header, all a size reader needs.
inline std::string PngHeader(uint32_t w, uint32_t h) {
  std::string out("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (uint32_t v : {w, h}) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
  }
  return out;
}

// A scratch folder for test data files, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dh_helpers_XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path = made != nullptr ? made : "";
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Writes `content` to `name` inside the folder and returns the full path.
  std::string Write(const std::string& name, const std::string& content) const {
    std::string full = path + "/" + name;
    std::ofstream(full, std::ios::binary) << content;
    return full;
  }

  std::string path;  // the folder, without a trailing slash
};
