// hgeGUI and hgeGUIObject: a minimal GUI of controls reporting their ids.
#pragma once

#include <cstdint>

#include "engine/hge.h"

class hgeGUI;
class hgeSprite;

// Base of every GUI control.
class hgeGUIObject {
 public:
  hgeGUIObject();
  virtual ~hgeGUIObject();
  hgeGUIObject(const hgeGUIObject&) = delete;
  hgeGUIObject& operator=(const hgeGUIObject&) = delete;

  // Draws the control.
  virtual void Render() = 0;
  virtual void Update(float /*dt*/) {}
  virtual void Enter() {}
  virtual void Leave() {}
  virtual void Reset() {}
  virtual bool IsDone() { return true; }
  virtual void Focus(bool /*bFocused*/) {}
  virtual void MouseOver(bool /*bOver*/) {}
  virtual bool MouseMove(float /*x*/, float /*y*/) { return false; }
  virtual bool MouseLButton(bool /*bDown*/) { return false; }
  virtual bool MouseRButton(bool /*bDown*/) { return false; }
  virtual bool MouseWheel(int /*nNotches*/) { return false; }
  virtual bool KeyClick(int /*key*/, int /*chr*/) { return false; }
  virtual void SetColor(uint32_t col) { color = col; }

  int id = 0;
  bool bStatic = false;
  bool bVisible = true;
  bool bEnabled = true;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the control's rectangle
  bool rectClean = true;
  uint32_t color = 0xFFFFFFFF;
  hgeGUI* gui = nullptr;
  hgeGUIObject* next = nullptr;
  hgeGUIObject* prev = nullptr;

 protected:
  HGE* hge;
};

// A list of controls; Update reports the id of the control that acted this frame.
class hgeGUI {
 public:
  hgeGUI();
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
  // Draws every visible control in list order.
  void Render();
  // Feeds this frame's mouse and keys to the controls; the id of the one that acted, else 0.
  int Update(float dt);

 private:
  void ProcessCtrl(hgeGUIObject* ctrl, bool* acted);

  HGE* hge;
  hgeGUIObject* ctrls = nullptr;
  hgeGUIObject* ctrlLock = nullptr;
  hgeGUIObject* ctrlFocus = nullptr;
  hgeGUIObject* ctrlOver = nullptr;
  int navMode = 0;
  float mx = 0, my = 0;
  int wheel = 0;
  bool lPressed = false, lReleased = false, rPressed = false, rReleased = false;
  hgeSprite* cursor = nullptr;
};
