// Writing a player's file atomically: temporary file, flush, rename.
#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

void (*beforeRenameHook)() = nullptr;

namespace {

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// Flushes the folder's entry list, so that the rename itself survives a power loss.
void SyncFolder(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool MakeFolders(const std::string& dir, std::string* error) {
  if (dir.empty()) {
    *error = "no folder";
    return false;
  }
  for (size_t i = 1; i <= dir.size(); ++i) {
    if (i < dir.size() && dir[i] != '/') continue;
    const std::string part = dir.substr(0, i);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      *error = Reason("cannot make", part);
      return false;
    }
  }
  struct stat info {};
  if (stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    *error = "not a folder: " + dir;
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error) {
  const std::string temporary = path + ".tmp";
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    *error = Reason("cannot write", temporary);
    return false;
  }
  size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *error = Reason("cannot write", temporary);
      close(fd);
      unlink(temporary.c_str());
      return false;
    }
    written += static_cast<size_t>(n);
  }
  const bool synced = fsync(fd) == 0;
  if (close(fd) != 0 || !synced) {
    *error = Reason("cannot flush", temporary);
    unlink(temporary.c_str());
    return false;
  }
  if (beforeRenameHook != nullptr) beforeRenameHook();
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    *error = Reason("cannot replace", path);
    unlink(temporary.c_str());
    return false;
  }
  SyncFolder(path);
  return true;
}
