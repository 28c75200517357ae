// The game frame: Escape, the function keys, the frame time and mouse, the searches, and phase 0's input.
#include "app/game_frame.h"

#include <cmath>
#include <cstdint>

#include "app/play.h"
#include "app/selection.h"
#include "app/session.h"
#include "app/shell.h"
#include "config/settings.h"
#include "engine/sprite.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/help_overlay.h"
#include "ui/hud_list.h"
#include "ui/reach_overlay.h"
#include "ui/smart_gui.h"

namespace {

bool AnyoneCanAct() {
  for (const Person* p : team) {
    if (p->alive && p->actionPoints > 0) return true;
  }
  return false;
}

// Phase 0's map analysis, told what it needs of the display around the map. It runs wherever the pointer
// is: the view follows the keys and glides, and roofs and marks give way while the pointer is on the display.
void AnalyzeMap(float dt, bool overHud, bool edgeScrolling) {
  MapInterface ui;
  ui.overHud = overHud;
  ui.edgeScrolling = edgeScrolling;
  ui.popupCell = popupCell;
  ui.popupRow = dragState == DRAG_POPUP && popupGui != nullptr ? popupGui->HitTest(mouseX, mouseY) : -1;
  ui.openPopup = BuildPopupList;
  ui.selectMember = SelectMember;
  gameMap->Analyze(dt, ui);
}

// Phase 0: the member keys, the end of the turn, and the mouse over the map or over the display.
void PlayerInput(float dt) {
  for (int i = 0; i < 4; ++i) {
    if (hge->Input_KeyDown(HGEK_1 + i)) SelectMember(i);
  }
  if (!AnyoneCanAct() || hge->Input_GetKeyState(HGEK_E)) {
    EndPlayerTurn();
    return;
  }
  if (hge->Input_GetKeyState(HGEK_RBUTTON)) CancelDrag();
  const int id = hudGui->HitTest(mouseX, mouseY);
  BlinkTargets(dt);
  // A dead member's photo is drawn, so it belongs to the display, though it answers nothing.
  const bool deadPhoto = !hudGui->WasHit() && OverDeadPhoto(mouseX, mouseY);
  const bool photo = deadPhoto || (id >= HUD_PHOTO_FIRST && id < HUD_PHOTO_FIRST + 4);
  const bool overHud = hudGui->WasHit() || deadPhoto;
  const bool popupOpen = dragState == DRAG_POPUP;
  // Edge scrolling goes on while the mouse rests on a photo at the screen border.
  AnalyzeMap(dt, overHud, !overHud || photo);
  // The open pop-up list has had the button wherever the pointer is.
  if (!overHud || popupOpen) return;
  if (id < 0) {
    // A drag let go over a dead member's photo ends there, with nothing moved and nothing paid.
    if (hge->Input_KeyUp(HGEK_LBUTTON) && dragState == DRAG_ITEM) CancelDrag();
    return;
  }
  if (hge->Input_KeyUp(HGEK_RBUTTON) && id == HUD_ACTIVE_ITEM) CycleAction();
  if (id == HUD_HELP && dragState == DRAG_NONE && hge->Input_KeyDown(HGEK_LBUTTON)) {
    helpShown = true;
    helpHintShown = false;
    return;
  }
  if (id == HUD_REACH && dragState == DRAG_NONE && hge->Input_KeyDown(HGEK_LBUTTON)) {
    zombieReachShown = !zombieReachShown;
    return;
  }
  if (hge->Input_KeyDown(HGEK_LBUTTON)) {
    if (dragState == DRAG_NONE) {
      PressHud(id);
    } else if (dragState == DRAG_APPLY && photo) {
      ApplyItem(id - HUD_PHOTO_FIRST);
    }
  }
  if (hge->Input_KeyUp(HGEK_LBUTTON)) {
    if (dragState == DRAG_ITEM) DropHud(id);
    if (id == HUD_END_TURN) {
      CancelDrag();
      EndPlayerTurn();
    }
  }
}

}  // namespace

void BlinkTargets(float dt) {
  for (Person* z : zombies) {
    if (!z->targetable) continue;
    z->pulse += dt;
    // Whole seconds are taken off at once (as repeated subtraction would), so no frame time can stall it.
    if (!std::isfinite(z->pulse)) z->pulse = 0.0f;
    if (z->pulse > 1.0f) z->pulse -= std::ceil(z->pulse - 1.0f);
    const uint32_t v = static_cast<uint32_t>(static_cast<int>(std::fabs(0.5f - z->pulse) * 510.0f));
    const uint32_t colour = 0x101u * v - 0x10000u;
    if (colour != static_cast<uint32_t>(z->tint)) {
      z->tint = static_cast<int32_t>(colour);
      z->sprite->SetColor(colour);
    }
  }
}

bool GameFrame() {
  // Escape quits as ever, but the game is kept for the next start.
  if (hge->Input_KeyDown(HGEK_ESCAPE)) {
    SaveGame();
    return true;
  }
  // The help stands over a paused game; any key or click closes it, and that press does nothing else.
  if (helpShown) {
    if (hge->Input_GetKey() != 0 || hge->Input_KeyDown(HGEK_LBUTTON) || hge->Input_KeyDown(HGEK_RBUTTON)) {
      helpShown = false;
    }
    return false;
  }
  if (hge->Input_KeyDown(HELP_KEY)) {
    helpShown = true;
    helpHintShown = false;
    return false;
  }
  if (hge->Input_KeyDown(REACH_KEY)) zombieReachShown = !zombieReachShown;
  const int phaseBefore = screenState;
  if (hge->Input_GetKeyState(HGEK_F1)) LoadSettings(hge);
  if (hge->Input_GetKeyState(HGEK_F2)) hge->System_SetState(HGE_FPS, HGEFPS_UNLIMITED);
  if (hge->Input_GetKeyState(HGEK_F3)) hge->System_SetState(HGE_FPS, HGEFPS_VSYNC);
  if (hge->Input_GetKeyState(HGEK_F4)) hge->System_SetState(HGE_FPS, 100);
  const float dt = hge->Timer_GetDelta();
  hge->Input_GetMousePos(&mouseX, &mouseY);
  UpdateMessageFlash(dt);
  gameMap->DrivePathSearch(screenState);
  switch (screenState) {
    case PHASE_INPUT:
      PlayerInput(dt);
      break;
    case PHASE_TEAM_ACTING:
    case PHASE_ZOMBIES_ACTING:
      PlayActions(dt);
      break;
    case PHASE_ZOMBIES_PLAN:
      PlanZombies(dt);
      break;
  }
  // The reach follows every finished action: it is worked out whenever the player commands.
  if (screenState == PHASE_INPUT) UpdateZombieReach();
  // A decided game shows the end screen from this frame's drawing on, and leaves no save behind.
  if (outcome != OUTCOME_NONE) {
    helpHintShown = false;  // only the run's first game points to the help
    DeleteSave();
    StartEnd();
  } else if (screenState == PHASE_INPUT && phaseBefore != PHASE_INPUT) {
    SaveGame();
  }
  return false;
}
