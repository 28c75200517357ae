// The main menu: new game and exit.
#include "app/screens.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/button.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "ui/resources.h"

namespace {

enum : int { BUTTON_NEW_GAME = 1, BUTTON_EXIT = 2 };

HTEXTURE menuTexture = 0;
hgeSprite* menuBackground = nullptr;
hgeGUI* menuGui = nullptr;

bool MenuFrame() {
  const int id = menuGui->Update(hge->Timer_GetDelta());
  if (id == BUTTON_NEW_GAME) {
    PlaySound(SND_CLICK);
    StartTeamSelection();
    return false;
  }
  if (id == BUTTON_EXIT) {
    PlaySound(SND_CLICK);
    return true;
  }
  return false;
}

bool MenuRender() {
  hge->Gfx_BeginScene(0);
  menuBackground->Render(0, 0);
  menuGui->Render();
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartMenu() {
  InstallScreen(Screen::Menu, MenuFrame, MenuRender);
  if (menuGui != nullptr) return;
  menuTexture = hge->Texture_Load("Data/menu.png", 0, false);
  menuBackground = new hgeSprite(menuTexture, 0, 0, SCREEN_W, SCREEN_H);
  menuGui = new hgeGUI();
  menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_NEW_GAME, MENU_NEWGAME_BUT_POSX, MENU_NEWGAME_BUT_POSY,
                                        MENU_NEWGAME_BUT_W, MENU_NEWGAME_BUT_H, menuTexture,
                                        MENU_NEWGAME_BUT_X, MENU_NEWGAME_BUT_Y));
  menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_EXIT, MENU_EXIT_BUT_POSX, MENU_EXIT_BUT_POSY, MENU_EXIT_BUT_W,
                                        MENU_EXIT_BUT_H, menuTexture, MENU_EXIT_BUT_X, MENU_EXIT_BUT_Y));
}
