// Selecting a team member on the game screen.
#pragma once

#include "game/world.h"

// Makes team member i the selected member (or glides to it when it already is); ignores dead or absent ones.
void SelectMember(int i);
