// The team-selection screen (its set-up is filled in with the team screen itself).
#include "app/screens.h"
#include "app/shell.h"

void StartTeamSelection() { currentScreen = Screen::Team; }
