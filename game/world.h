// The state of the running game that every layer reads and the rules change: the figures and the selected
// member, the screen's sub-state (the turn phase while the game runs), the pointer drag, the message line,
// the board, the mouse of the frame and the game's outcome.
#pragma once

#include <string>
#include <vector>

class Board;
class Item;
class Map;
class Person;

// Turn phases of the game screen (the screen state while the game runs).
enum TurnPhase : int {
  PHASE_INPUT = 0,          // the player commands the team
  PHASE_TEAM_ACTING = 1,    // the team's queued actions play
  PHASE_ZOMBIES_PLAN = 2,   // the zombies plan one step or blow each
  PHASE_ZOMBIES_ACTING = 3  // the zombies' queued actions play
};

// What the pointer is doing on the game screen.
enum DragState : int {
  DRAG_NONE = 0,   // idle
  DRAG_APPLY = 1,  // waiting for the member who receives the active item's apply action
  DRAG_POPUP = 2,  // the pop-up list of a cell's items is open
  DRAG_ITEM = 3    // an item is being dragged
};

// How the game has ended; the game screen shows the end screen once it is decided.
enum GameOutcome : int {
  OUTCOME_NONE = 0,  // still playing
  OUTCOME_WON = 1,   // the car got away
  OUTCOME_LOST = 2,  // nobody of the team is left alive
};

// Team members in team order (at most four; dead ones stay).
extern std::vector<Person*> team;
// Zombies in spawn order; map cells record indices into this list.
extern std::vector<Person*> zombies;
// Index of the commanded team member, -1 for none.
extern int selectedMember;

// Sub-state of the current screen (for the game screen: the turn phase, a TurnPhase value).
extern int screenState;
// Seconds spent in the current sub-state.
extern float screenTimer;
// The decided end of the game, OUTCOME_NONE while it goes on.
extern GameOutcome outcome;

// The pointer's state (a DragState value).
extern int dragState;
// The item being dragged, or null.
extern Item* draggedItem;
// Where the dragged item came from (an ItemSource value; 0 when nothing is dragged).
extern int dragSource;
// The cell a dragged ground item lies in (-1 when the dragged item comes from elsewhere).
extern int dragCell;

// The last text posted on the message line (Windows-1251).
extern std::string message;
// Seconds since the last posting.
extern float messageFlash;

// The one map of the game (made at start-up).
extern Map* gameMap;
// The same map, as the rules see it.
extern Board* gameBoard;
// True while a path search has work left.
extern bool searchRunning;
// Cell width and height of the loaded map in pixels (set by the map loader).
extern float mapCellW;
extern float mapCellH;
// Number of search spots of the loaded map (set by the map loader); sizes every member's searchable flags.
extern int searchSpotCount;

// Cursor position in window pixels; the game frame stores it at the start of every frame.
extern float mouseX, mouseY;

// Drops whatever the pointer holds: no dragged item, drag state 0, source 0, no cell.
void CancelDrag();
