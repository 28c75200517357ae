// The main menu's buttons as the dump reports them.
#pragma once

#include <string>
#include <vector>

// One menu button: its text (UTF-8), its rectangle in screen pixels and whether it takes clicks.
struct menu_button_struct {
  std::string text;
  float x, y, w, h;
  bool enabled;
};

// The menu's buttons in the order they were added (empty before the menu was first shown).
std::vector<menu_button_struct> MenuButtons();
