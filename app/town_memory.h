// The town of the last game, kept in a small file beside the save so the team screen offers it again.
#pragma once

#include <string>

// The file that names the last game's town ("" when saving is off).
std::string TownMemoryPath();
// The town a remembered file's text names: the index of the shipped town whose id is the text's first line;
// 0 (the first town) for anything else.
int TownFromMemory(const std::string& text);
// The remembered town, or the first town when nothing readable is remembered.
int RememberedTown();
// Remembers `town` (an index into Towns()) for the next start; a failure goes to the log.
void RememberTown(int town);
