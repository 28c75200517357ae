// hgeGUI: the list of controls and the per-frame routing of mouse and keys to them.
#include "engine/gui.h"

#include "engine/sprite.h"

hgeGUIObject::hgeGUIObject() : hge(hgeCreate(HGE_VERSION)) {}

hgeGUIObject::~hgeGUIObject() {
  hge->Release();
}

hgeGUI::hgeGUI() : hge(hgeCreate(HGE_VERSION)) {}

hgeGUI::~hgeGUI() {
  hgeGUIObject* ctrl = ctrls;
  while (ctrl != nullptr) {
    hgeGUIObject* following = ctrl->next;
    delete ctrl;
    ctrl = following;
  }
  hge->Release();
}

void hgeGUI::AddCtrl(hgeGUIObject* ctrl) {
  if (ctrl == nullptr) return;
  ctrl->gui = this;
  ctrl->next = nullptr;
  ctrl->prev = nullptr;
  if (ctrls == nullptr) {
    ctrls = ctrl;
    return;
  }
  hgeGUIObject* last = ctrls;
  while (last->next != nullptr) last = last->next;
  last->next = ctrl;
  ctrl->prev = last;
}

hgeGUIObject* hgeGUI::GetCtrl(int id) const {
  for (hgeGUIObject* ctrl = ctrls; ctrl != nullptr; ctrl = ctrl->next) {
    if (ctrl->id == id) return ctrl;
  }
  return nullptr;
}

void hgeGUI::ShowCtrl(int id, bool bVisible) {
  if (hgeGUIObject* ctrl = GetCtrl(id)) ctrl->bVisible = bVisible;
}

void hgeGUI::EnableCtrl(int id, bool bEnabled) {
  if (hgeGUIObject* ctrl = GetCtrl(id)) ctrl->bEnabled = bEnabled;
}

void hgeGUI::Render() {
  for (hgeGUIObject* ctrl = ctrls; ctrl != nullptr; ctrl = ctrl->next) {
    if (ctrl->bVisible) ctrl->Render();
  }
  if (cursor != nullptr && hge->Input_IsMouseOver()) {
    float x = 0.0f, y = 0.0f;
    hge->Input_GetMousePos(&x, &y);
    cursor->Render(x, y);
  }
}

int hgeGUI::Update(float dt) {
  hge->Input_GetMousePos(&mx, &my);
  lPressed = hge->Input_KeyDown(HGEK_LBUTTON);
  lReleased = hge->Input_KeyUp(HGEK_LBUTTON);
  rPressed = hge->Input_KeyDown(HGEK_RBUTTON);
  rReleased = hge->Input_KeyUp(HGEK_RBUTTON);
  wheel = hge->Input_GetMouseWheel();

  hgeGUIObject* last = nullptr;
  for (hgeGUIObject* ctrl = ctrls; ctrl != nullptr; ctrl = ctrl->next) {
    ctrl->Update(dt);
    last = ctrl;
  }

  // Keys go to the focused control; no key moves the focus.
  int key = hge->Input_GetKey();
  if (key != 0 && key != HGEK_LBUTTON && key != HGEK_RBUTTON && ctrlFocus != nullptr) {
    if (ctrlFocus->KeyClick(key, hge->Input_GetChar())) return ctrlFocus->id;
  }

  // A control the mouse went down on keeps the mouse until both buttons are up.
  if (ctrlLock != nullptr) {
    hgeGUIObject* ctrl = ctrlLock;
    if (!hge->Input_GetKeyState(HGEK_LBUTTON) && !hge->Input_GetKeyState(HGEK_RBUTTON)) ctrlLock = nullptr;
    return ProcessCtrl(ctrl) ? ctrl->id : 0;
  }

  // The newest enabled control under the mouse, hidden or not.
  for (hgeGUIObject* ctrl = last; ctrl != nullptr; ctrl = ctrl->prev) {
    if (!ctrl->bEnabled || !ctrl->TestPoint(mx, my)) continue;
    if (ctrlOver != ctrl) {
      if (ctrlOver != nullptr) ctrlOver->MouseOver(false);
      ctrl->MouseOver(true);
      ctrlOver = ctrl;
    }
    return ProcessCtrl(ctrl) ? ctrl->id : 0;
  }
  if (ctrlOver != nullptr) {
    ctrlOver->MouseOver(false);
    ctrlOver = nullptr;
  }
  return 0;
}

bool hgeGUI::ProcessCtrl(hgeGUIObject* ctrl) {
  bool acted = false;
  if (lPressed) {
    ctrlLock = ctrl;
    SetFocus(ctrl);
    acted = ctrl->MouseLButton(true) || acted;
  }
  if (rPressed) {
    ctrlLock = ctrl;
    SetFocus(ctrl);
    acted = ctrl->MouseRButton(true) || acted;
  }
  if (lReleased) acted = ctrl->MouseLButton(false) || acted;
  if (rReleased) acted = ctrl->MouseRButton(false) || acted;
  if (wheel != 0) acted = ctrl->MouseWheel(wheel) || acted;
  acted = ctrl->MouseMove(mx - ctrl->x1, my - ctrl->y1) || acted;
  return acted;
}

void hgeGUI::SetFocus(hgeGUIObject* ctrl) {
  if (ctrl == ctrlFocus) return;
  if (ctrlFocus != nullptr) ctrlFocus->Focus(false);
  ctrlFocus = ctrl;
  if (ctrlFocus != nullptr) ctrlFocus->Focus(true);
}
