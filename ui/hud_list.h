// The head-up display's clickable rectangles and the pop-up list of a cell's items.
#pragma once

class SmartGui;

// Ids of the head-up display rectangles.
enum HudId : int {
  HUD_PHOTO_FIRST = 9,  // photos 9..12 (team members 0..3)
  HUD_PANEL = 13,       // the whole inventory panel
  HUD_BAG_FIRST = 14,   // bag cells 14..21
  HUD_HANDS = 22,
  HUD_BACKPACK = 23,
  HUD_ARMOUR = 24,
  HUD_HOLSTER = 25,
  HUD_KEYS = 26,
  HUD_ACTIVE_ITEM = 27,
  HUD_END_TURN = 28,
  HUD_HELP = 29,   // the "?" under the end-turn button that opens the help
  HUD_REACH = 30,  // the toggle beside the "?" that shows the zombie reach
};

// The pop-up list (null while closed), its drawing position and the cell whose items it shows.
extern SmartGui* popupGui;
extern int popupX;
extern int popupY;
extern int popupCell;

// Builds the head-up display's list in its order (all enabled) into hudGui.
void BuildHudList();
// Photos enabled for living members; the inventory ids only while a living member is selected.
void ApplyHudEnabling();
// Opens the pop-up list for the items of cell `cell` near the mouse (mx, my), wholly inside the map's
// part of the screen and above the inventory panel.
void BuildPopupList(int cell, float mx, float my);
// Whether (x, y) lies on the photo of a team member who has died (drawn, but disabled in the list).
bool OverDeadPhoto(float x, float y);
// Whether the pointer at (x, y) is over the display rather than the map, as the last hit test found it.
bool PointerOnDisplay(float x, float y);
