// The two figure lists of the running game and the selected team member.
#pragma once

#include <vector>

class Person;

// Team members in team order (at most four; dead ones stay).
extern std::vector<Person*> team;
// Zombies in spawn order; map cells record indices into this list.
extern std::vector<Person*> zombies;
// Index of the commanded team member, -1 for none.
extern int selectedMember;
