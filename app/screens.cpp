// The running screen's identity, and the set-ups of the screens whose frames live in the interface.
#include "app/screens.h"

#include "app/game_frame.h"
#include "app/game_start.h"
#include "app/options.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/game_screen.h"
#include "ui/hud_list.h"
#include "ui/resources.h"
#include "ui/smart_gui.h"
#include "ui/team_screen.h"

Screen currentScreen = Screen::None;

namespace {

// The installed screen's own frame callback.
hgeCallback screenFrame = nullptr;

// Every screen's frame: M mutes and unmutes all sound, then the screen's frame runs.
bool ShellFrame() {
  // The window's own keys may have left or entered fullscreen.
  activeOptions.fullscreen = hge->System_GetState(HGE_WINDOWED) ? 0 : 1;
  if (hge->Input_KeyDown(HGEK_M)) {
    soundMuted = !soundMuted;
    ApplySoundVolumes();
  }
  return screenFrame != nullptr && screenFrame();
}

}  // namespace

void InstallScreen(Screen screen, hgeCallback frame, hgeCallback render) {
  screenFrame = frame;
  hge->System_SetState(HGE_FRAMEFUNC, ShellFrame);
  hge->System_SetState(HGE_RENDERFUNC, render);
  currentScreen = screen;
}

const char* ScreenName(Screen screen) {
  switch (screen) {
    case Screen::Logo:
      return "logo";
    case Screen::Menu:
      return "menu";
    case Screen::Team:
      return "team";
    case Screen::Game:
      return "game";
    case Screen::End:
      return "end";
    case Screen::Options:
      return "options";
    case Screen::None:
      break;
  }
  return "none";
}

namespace {

// The team screen's frame: the start button hands over to the game once the screen's frame is done.
bool TeamScreenFrame() {
  if (TeamFrame()) return true;
  if (startChosen) {
    startChosen = false;
    BoardForNewGame();
    StartGame();
  }
  return false;
}

}  // namespace

void StartTeamSelection() {
  InstallScreen(Screen::Team, TeamScreenFrame, TeamRender);
  EnterTeamSelection();
}

void StartGameScreen() {
  InstallScreen(Screen::Game, GameFrame, GameRender);
  screenState = PHASE_INPUT;
  screenTimer = 0.0f;
  CancelDrag();
  gameMap->pathsStale = true;
  if (hudGui == nullptr) {
    BuildHudList();
    CreateHudSprites();
  }
  ApplyHudEnabling();
  UpdateZombieReach();  // the reach stands from the game's first frame on
}

void ResumeGameScreen() {
  InstallScreen(Screen::Game, GameFrame, GameRender);
  if (hudGui == nullptr) {
    BuildHudList();
    CreateHudSprites();
  }
  ApplyHudEnabling();
  if (screenState == PHASE_INPUT) UpdateZombieReach();
}
