// The options screen's rows and layout, for the screen itself and its tests.
#pragma once

#include <string>
#include <vector>

// The rows' first line and spacing (screen pixels), and how many rows the screen has room for.
constexpr float OPTIONS_ROW_Y = 250.0f;
constexpr float OPTIONS_ROW_STEP = 40.0f;
constexpr int OPTIONS_ROW_ROOM = 6;
// The row's box left and right, and the "<" and ">" boxes that step its value down and up.
constexpr float OPTIONS_ROW_X1 = 110.0f, OPTIONS_ROW_X2 = 690.0f;
constexpr float OPTIONS_LESS_X = 440.0f, OPTIONS_MORE_X = 640.0f, OPTIONS_ARROW_W = 40.0f;

// One row as the player sees it: its label and its value (UTF-8).
struct options_row_struct {
  std::string label;
  std::string value;
};

// The rows in screen order with their values in force.
std::vector<options_row_struct> OptionsRows();
// The row the keyboard has picked (0 is the first).
int OptionsPickedRow();
