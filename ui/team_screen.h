// The team-selection screen: its entry, its frame and render callbacks and the offer of two candidates.
#pragma once

#include <vector>

class Person;

// The team-selection screen's states.
enum TeamState : int {
  TEAM_WAIT = 0,    // waiting for a button
  TEAM_SHOW = 1,    // the two candidate cards fade in
  TEAM_CHOOSE = 2,  // waiting for a card to be picked
  TEAM_ADD = 3,     // the picked card moves into the team column, the rest fades out
  TEAM_SETTLE = 4   // the buttons follow the new team size
};

// Ids of the team-selection buttons and cards.
enum TeamButtonId : int {
  BTN_START = 3,       // start the game (shown from two members on)
  BTN_ADD = 4,         // offer two candidates
  BTN_STANDBY = 5,     // the start button's stand-by look (does nothing)
  BTN_START_OVER = 6,  // empty the team (shown in the add button's place at four members)
  CARD_FIRST = 7,      // the first offered card
  CARD_SECOND = 8      // the second offered card
};

// The two candidates of the current offer (null before the first offer).
extern Person* candidates[2];
// The picked candidate: 1 first, 2 second, 0 none yet.
extern int chosenCandidate;
// Where the picked card is drawn while it moves.
extern float movingCardX, movingCardY;

// True once the start button was pressed this frame; the shell then starts the game.
extern bool startChosen;

// Prepares the screen on entry: its resources (first entry), an empty team, the buttons, state TEAM_WAIT.
void EnterTeamSelection();
// The team-selection screen's frame; true (Escape) stops the program.
bool TeamFrame();
// The team-selection screen's render callback; always false.
bool TeamRender();
// The candidates on offer while an offer is open (states 1 to 3 of this screen), else none.
std::vector<const Person*> OpenOffer();
