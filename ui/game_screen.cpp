// Entering the game screen: its callbacks, phase 0, and the head-up display made on the first entry.
#include "ui/game_screen.h"

#include "app/game_frame.h"
#include "app/game_state.h"
#include "app/screens.h"
#include "app/shell.h"
#include "map/map.h"
#include "ui/hud_list.h"
#include "ui/resources.h"
#include "ui/smart_gui.h"

void StartGameScreen() {
  hge->System_SetState(HGE_FRAMEFUNC, GameFrame);
  hge->System_SetState(HGE_RENDERFUNC, GameRender);
  currentScreen = Screen::Game;
  screenState = PHASE_INPUT;
  screenTimer = 0.0f;
  if (hudGui != nullptr) return;
  dragState = DRAG_NONE;
  draggedItem = nullptr;
  gameMap->pathsStale = true;
  BuildHudList();
  ApplyHudEnabling();
  CreateHudSprites();
}
