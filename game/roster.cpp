// The figure lists of the running game.
#include "game/roster.h"

std::vector<Person*> team;
std::vector<Person*> zombies;
int selectedMember = -1;
