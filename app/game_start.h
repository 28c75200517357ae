// The start of a game: the team and the first zombies placed on the map, the search threshold, the game
// screen.
#pragma once

// Starts the game with the chosen team (the team-selection screen's start button).
void StartGame();
// Places every team member on a distinct edge cell, facing inward; a member with no cell left stays off
// the map and out of play.
void PlaceTeam();
// Sets the map's zombie count from the team size, makes half of it now and places them on free floor
// away from the team; zombies that find no such cell are not made.
void PlaceFirstZombies();
// Draws the number of searches after which the escape key turns up.
int ChooseSearchThreshold();
