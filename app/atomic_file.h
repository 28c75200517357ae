// Writing a player's file so that a crash or power loss leaves either the old or the new file whole.
#pragma once

#include <string>

// Makes `dir` and its missing parents (mode 0700 for the new ones); false when it cannot.
bool MakeFolders(const std::string& dir, std::string* error);
// Writes `content` to a temporary file beside `path`, flushes it to the disk and renames it over `path`;
// on failure the old file stays as it was and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);
// Called between the flushed write and the rename (tests abort there to play a crash); null for none.
extern void (*beforeRenameHook)();
