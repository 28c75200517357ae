// Input scripts: one input event a line ("FRAME down KEY", ...), parsed into events and written back.
#pragma once

#include <string>
#include <vector>

// One input event of a frame, from a script, a recording or the window.
struct InputEvent {
  enum Kind { Mouse, Down, Up, Wheel, Delta };
  int frame = 0;      // frame number, from 1
  Kind kind = Mouse;  // what happens
  int key = 0;        // Down, Up: virtual-key code 1..255; Wheel: notches
  float x = 0.0f;     // Mouse: position; Delta: the frame time in seconds
  float y = 0.0f;
};

// A parsed script: the events ordered by frame (lines of one frame keep their order) and the bad lines.
struct InputScript {
  std::vector<InputEvent> events;
  std::vector<std::string> errors;  // "line N: reason" for every skipped line
};

// Parses a whole script. Lines: "FRAME mouse X Y", "FRAME down KEY", "FRAME up KEY", "FRAME dt S",
// "FRAME wheel N"; '#' starts a comment; names are case-insensitive. Bad lines are skipped and reported.
InputScript ParseInputScript(const std::string& text);

// Virtual-key code of a key name ("ESCAPE", "A", "F5") or number ("0x1B", "27"); 0 when it names none.
int KeyCodeFromText(const std::string& text);

// The text a script uses for a key: its name where it has one, else its hex code.
std::string KeyCodeToText(int key);

// One event as a script line (without a newline); parsing the line gives the event back.
std::string FormatInputEvent(const InputEvent& event);
