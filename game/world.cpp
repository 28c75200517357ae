// The running game's shared state.
#include "game/world.h"

#include "game/game_stats.h"

std::vector<Person*> team;
std::vector<Person*> zombies;
int selectedMember = -1;

int screenState = 0;
float screenTimer = 0.0f;
GameOutcome outcome = OUTCOME_NONE;
game_stats_struct gameStats;

int dragState = DRAG_NONE;
Item* draggedItem = nullptr;
int dragSource = 0;
int dragCell = -1;

std::string message;
float messageFlash = 0.0f;

Map* gameMap = nullptr;
Board* gameBoard = nullptr;
bool searchRunning = false;
float mapCellW = 0.0f;
float mapCellH = 0.0f;
int searchSpotCount = 0;

float mouseX = 0.0f, mouseY = 0.0f;

void CancelDrag() {
  draggedItem = nullptr;
  dragState = DRAG_NONE;
  dragSource = 0;
  dragCell = -1;
}
