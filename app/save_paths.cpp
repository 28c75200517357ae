// Where the saved game lives.
#include "app/save_paths.h"

#include <sys/stat.h>

#include <cstdlib>

namespace {

std::string saveDir;

}  // namespace

std::string DefaultSaveDir() {
  const char* data = std::getenv("XDG_DATA_HOME");
  // XDG folders must be absolute; a relative XDG_DATA_HOME is ignored.
  if (data != nullptr && data[0] == '/') return std::string(data) + "/duskhollow";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/share/duskhollow";
  return "";
}

void SetSaveDir(const std::string& dir) {
  saveDir = dir;
}

const std::string& SaveDir() {
  return saveDir;
}

std::string SaveFilePath() {
  return saveDir.empty() ? "" : saveDir + "/save.json";
}

std::string BadSaveFilePath() {
  return saveDir.empty() ? "" : saveDir + "/save.json.bad";
}

bool SaveExists() {
  struct stat info {};
  const std::string path = SaveFilePath();
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
