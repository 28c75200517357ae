// The game screen's shared state: the turn phases, the pointer drag, and member selection.
#pragma once

class Item;

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

// The pointer's state (a DragState value).
extern int dragState;
// The item being dragged, or null.
extern Item* draggedItem;
// Where the dragged item came from (an ItemSource value; 0 when nothing is dragged).
extern int dragSource;

// Makes team member i the selected member (or glides to it when it already is); ignores dead or absent ones.
void SelectMember(int i);
// Drops whatever the pointer holds: no dragged item, drag state 0, source 0.
void CancelDrag();
