// The team screen's town choice: the chosen town's name and preview, two arrows and the random-town button.
#pragma once

class hgeGUI;

// Ids of the town choice's buttons (after the team screen's own ids).
enum TownButtonId : int {
  BTN_TOWN_PREVIOUS = 9,  // the arrow to the previous town
  BTN_TOWN_NEXT = 10,     // the arrow to the next town
  BTN_TOWN_RANDOM = 11    // "Случайный город"
};

// The town choice's buttons (null until the team screen is first entered).
extern hgeGUI* townButtons;

// Makes the town choice's pictures and buttons from Data/towns.png (with the team screen's resources).
void CreateTownChoice();
// Loads the town choice's picture again in the language in force (when it was loaded).
void ReloadTownChoicePicture();
// Reads the town choice's buttons and the Left and Right keys while the team screen waits for a button.
void UpdateTownChoice(float dt);
// Draws the panel, the chosen town's name and preview, and the buttons.
void RenderTownChoice();
