// The help screen over the game: the controls and the goal, and the first game's line that points to it.
#pragma once

#include <string>
#include <vector>

// The help key: H.
constexpr int HELP_KEY = 0x48;
// Width and height of the "?" that opens the help, in pixels.
constexpr float HELP_BUTTON_SIZE = 20.0f;

// The help screen is shown over the game.
extern bool helpShown;
// The line that points to the help is shown (the run's first game until the help is first opened).
extern bool helpHintShown;

// The help's lines, Windows-1251: the goal of the game, then the controls.
const std::vector<std::string>& HelpLines();
// The line that points to the help, Windows-1251.
const std::string& HelpHintLine();
// Draws the help screen: the game dimmed, the panel's art behind the lines, the lines in the game's font.
void DrawHelp();
// The "?" button's left and top edges: under the end-turn button, at its left end.
float HelpButtonX();
float HelpButtonY();
// Draws the "?" button.
void DrawHelpButton();
// Draws the line that points to the help at the top of the map.
void DrawHelpHint();
