// The figure lists of the running game.
#include "game/roster.h"

#include "game/cell_size.h"

std::vector<Person*> team;
std::vector<Person*> zombies;
int selectedMember = -1;
float mapCellW = 0.0f;
float mapCellH = 0.0f;
