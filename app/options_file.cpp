// The options file: its folder, reading it defensively and writing it atomically.
#include "app/options_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/atomic_file.h"

std::string optionsNote;

namespace {

std::string configDir;

// Larger files are no options file: they are not read.
constexpr off_t kMaxFileSize = 64 * 1024;

}  // namespace

std::string DefaultConfigDir() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // XDG folders must be absolute; a relative XDG_CONFIG_HOME is ignored.
  if (config != nullptr && config[0] == '/') return std::string(config) + "/duskhollow";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/duskhollow";
  return "";
}

void SetConfigDir(const std::string& dir) {
  configDir = dir;
}

std::string OptionsFilePath() {
  return configDir.empty() ? "" : configDir + "/options.ini";
}

std::string LoadOptionsFile() {
  fileOptions = PlayerOptions();
  activeOptions = fileOptions;
  const std::string path = OptionsFilePath();
  if (path.empty()) return "";
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return "";
    return "Options: cannot read " + path + " (" + std::strerror(errno) + "), the defaults are used";
  }
  struct stat info {};
  std::string why;
  if (fstat(fd, &info) != 0) {
    why = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    why = "not a file";
  } else if (info.st_size > kMaxFileSize) {
    why = "too large";
  }
  std::string text;
  char buffer[4096];
  while (why.empty()) {
    const ssize_t n = read(fd, buffer, sizeof(buffer));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) why = std::strerror(errno);
    if (n <= 0) break;
    text.append(buffer, static_cast<size_t>(n));
    if (text.size() > static_cast<size_t>(kMaxFileSize)) why = "too large";
  }
  close(fd);
  if (!why.empty()) return "Options: cannot read " + path + " (" + why + "), the defaults are used";
  std::string note;
  fileOptions = ParseOptions(text, &note);
  activeOptions = fileOptions;
  if (note.empty()) return "";
  return "Options: " + path + ": " + note + "; the defaults stand in for what could not be read";
}

bool SaveOptionsFile(std::string* error) {
  const std::string path = OptionsFilePath();
  if (path.empty()) return true;
  return MakeFolders(configDir, error) && WriteFileAtomically(path, OptionsText(fileOptions), error);
}
