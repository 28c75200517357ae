// Text encoding: the game's strings are Windows-1251; sources and the platform speak UTF-8.
#pragma once

#include <string>

// Converts UTF-8 text (our source literals) to Windows-1251; characters it cannot hold become '?'.
std::string ToCp1251(const std::string& utf8);

// Converts Windows-1251 text to UTF-8 for the platform edge (message boxes, log, JSON, stderr).
std::string ToUtf8(const std::string& cp1251);

// Writes an integer the way the game shows numbers: decimal, a leading '-', no padding.
std::string IntToText(long long value);
