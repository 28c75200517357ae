// hgeGUI and hgeGUIObject: a minimal GUI of controls reporting their ids.
#pragma once

#include <cstdint>

#include "engine/hge.h"

class hgeGUI;
class hgeSprite;

// Base of every GUI control.
class hgeGUIObject {
 public:
  // Takes the control's own engine reference.
  hgeGUIObject();
  // Gives the engine reference back.
  virtual ~hgeGUIObject();
  hgeGUIObject(const hgeGUIObject&) = delete;
  hgeGUIObject& operator=(const hgeGUIObject&) = delete;

  // Draws the control.
  virtual void Render() = 0;
  // Called every frame before the input is handed out.
  virtual void Update(float /*dt*/) {}
  // Transitions in and out of the screen (unused by the game).
  virtual void Enter() {}
  virtual void Leave() {}
  virtual void Reset() {}
  virtual bool IsDone() { return true; }
  // The control got (true) or lost the keyboard focus.
  virtual void Focus(bool /*bFocused*/) {}
  // The mouse came over (true) or left the control.
  virtual void MouseOver(bool /*bOver*/) {}
  // Mouse position relative to the rectangle's top-left corner; true reports an action.
  virtual bool MouseMove(float /*x*/, float /*y*/) { return false; }
  // Left button went down (true) or up; true reports an action.
  virtual bool MouseLButton(bool /*bDown*/) { return false; }
  // Right button went down (true) or up; true reports an action.
  virtual bool MouseRButton(bool /*bDown*/) { return false; }
  // Wheel turned by some notches; true reports an action.
  virtual bool MouseWheel(int /*nNotches*/) { return false; }
  // A key (with its character) for the focused control; true reports an action.
  virtual bool KeyClick(int /*key*/, int /*chr*/) { return false; }
  // Stores the control's colour.
  virtual void SetColor(uint32_t col) { color = col; }

  // Whether (x, y) lies in the rectangle: left and top edges inside, right and bottom outside.
  bool TestPoint(float x, float y) const { return x >= x1 && x < x2 && y >= y1 && y < y2; }

  int id = 0;            // what Update reports for this control
  bool bStatic = false;  // not meant to take input (kept for the record; the mouse ignores it)
  bool bVisible = true;  // drawn by the GUI's Render
  bool bEnabled = true;  // can be hit by the mouse
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the control's rectangle
  bool rectClean = true;                 // the rectangle holds no point yet
  uint32_t color = 0xFFFFFFFF;           // the control's colour
  hgeGUI* gui = nullptr;                 // the owner
  hgeGUIObject* next = nullptr;          // the following control in the owner's list
  hgeGUIObject* prev = nullptr;          // the previous control in the owner's list

 protected:
  HGE* hge;
};

// A list of controls; Update reports the id of the control that acted this frame.
class hgeGUI {
 public:
  // An empty GUI with its own engine reference.
  hgeGUI();
  // Deletes every control and gives the engine reference back.
  ~hgeGUI();
  hgeGUI(const hgeGUI&) = delete;
  hgeGUI& operator=(const hgeGUI&) = delete;

  // Appends a control; the GUI owns it.
  void AddCtrl(hgeGUIObject* ctrl);
  // The first control with this id, or null.
  hgeGUIObject* GetCtrl(int id) const;
  // Shows or hides a control.
  void ShowCtrl(int id, bool bVisible);
  // Enables or disables a control.
  void EnableCtrl(int id, bool bEnabled);
  // Sets the sprite drawn at the mouse after the controls (null: none; the GUI does not own it).
  void SetCursor(hgeSprite* spr) { cursor = spr; }
  // Draws every visible control in list order.
  void Render();
  // Feeds this frame's mouse and keys to the controls; the id of the one that acted, else 0.
  int Update(float dt);

 private:
  // Hands this frame's mouse events to one control; true when it reports an action.
  bool ProcessCtrl(hgeGUIObject* ctrl);
  // Moves the keyboard focus, telling the old and the new control.
  void SetFocus(hgeGUIObject* ctrl);

  HGE* hge;
  hgeGUIObject* ctrls = nullptr;
  hgeGUIObject* ctrlLock = nullptr;
  hgeGUIObject* ctrlFocus = nullptr;
  hgeGUIObject* ctrlOver = nullptr;
  float mx = 0, my = 0;
  int wheel = 0;
  bool lPressed = false, lReleased = false, rPressed = false, rReleased = false;
  hgeSprite* cursor = nullptr;
};
