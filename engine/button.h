// hgeGUIPushButton: a two-picture push button that reports its id when released after a press.
#pragma once

#include "engine/gui.h"

class hgeGUIPushButton : public hgeGUIObject {
 public:
  // A button at (x, y) of size w x h; normal picture at (tx, ty), pressed picture right of it.
  hgeGUIPushButton(int id, float x, float y, float w, float h, HTEXTURE tex, float tx, float ty);
  // Deletes both pictures.
  ~hgeGUIPushButton() override;

  // Draws the pressed picture while pressed, else the normal one, at the rectangle's corner.
  void Render() override;
  // Down: becomes pressed, reports nothing. Up: released, reports the button's id.
  bool MouseLButton(bool bDown) override;
  // Makes the button a toggle that stays pressed until the next click (true) or a plain push button.
  void SetMode(bool trigger) { bTrigger = trigger; }
  // Whether the button is shown pressed.
  bool GetState() const { return bPressed; }

 private:
  bool bPressed = false;
  bool bTrigger = false;
  bool bOldState = false;
  hgeSprite* sprUp;
  hgeSprite* sprDown;
};
