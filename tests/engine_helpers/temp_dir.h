// TempDir: a scratch folder for test data files, removed with everything in it at the end of the test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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
