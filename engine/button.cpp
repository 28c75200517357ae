// hgeGUIPushButton: drawing the two pictures and reporting the release after a press.
#include "engine/button.h"

#include "engine/sprite.h"

hgeGUIPushButton::hgeGUIPushButton(int ctrlId, float x, float y, float w, float h, HTEXTURE tex, float tx,
                                   float ty)
    : sprUp(new hgeSprite(tex, tx, ty, w, h)), sprDown(new hgeSprite(tex, tx + w, ty, w, h)) {
  id = ctrlId;
  bStatic = false;
  bVisible = true;
  bEnabled = true;
  x1 = x;
  y1 = y;
  x2 = x + w;
  y2 = y + h;
  rectClean = false;
}

hgeGUIPushButton::~hgeGUIPushButton() {
  delete sprUp;
  delete sprDown;
}

void hgeGUIPushButton::Render() {
  (bPressed ? sprDown : sprUp)->Render(x1, y1);
}

bool hgeGUIPushButton::MouseLButton(bool bDown) {
  if (bDown) {
    bOldState = bPressed;
    bPressed = true;
    return false;
  }
  bPressed = bTrigger ? !bOldState : false;
  return true;
}
