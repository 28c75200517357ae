// The main menu: continue (only with a save), new game, exit and the options.
#include "app/menu_screen.h"

#include "app/screens.h"
#include "app/session.h"
#include "app/save_paths.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/button.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "ui/resources.h"

namespace {

enum : int { BUTTON_NEW_GAME = 1, BUTTON_EXIT = 2, BUTTON_CONTINUE = 3, BUTTON_OPTIONS = 4 };

HTEXTURE menuTexture = 0;
hgeSprite* menuBackground = nullptr;
hgeGUI* menuGui = nullptr;
// The continue button's greyed picture, drawn in its place while there is no save.
hgeSprite* continueGreyed = nullptr;

// Continue takes clicks only while a save exists; without one its greyed picture stands there instead.
void UpdateContinue() {
  const bool saved = SaveExists();
  menuGui->ShowCtrl(BUTTON_CONTINUE, saved);
  menuGui->EnableCtrl(BUTTON_CONTINUE, saved);
}

bool MenuFrame() {
  const int id = menuGui->Update(hge->Timer_GetDelta());
  if (id == BUTTON_NEW_GAME) {
    PlaySound(SND_CLICK);
    PrepareNewGame();
    StartTeamSelection();
    return false;
  }
  if (id == BUTTON_CONTINUE) {
    PlaySound(SND_CLICK);
    // A refused save has been put aside; the menu stays, offering a new game.
    if (!ContinueSavedGame()) UpdateContinue();
    return false;
  }
  if (id == BUTTON_OPTIONS) {
    PlaySound(SND_CLICK);
    StartOptions();
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
  if (!menuGui->GetCtrl(BUTTON_CONTINUE)->bVisible) {
    continueGreyed->Render(MENU_CONTINUE_BUT_POSX, MENU_CONTINUE_BUT_POSY);
  }
  menuGui->Render();
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartMenu() {
  InstallScreen(Screen::Menu, MenuFrame, MenuRender);
  if (menuGui == nullptr) {
    menuTexture = hge->Texture_Load("Data/menu.png", 0, false);
    menuBackground = new hgeSprite(menuTexture, 0, 0, SCREEN_W, SCREEN_H);
    menuGui = new hgeGUI();
    menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_NEW_GAME, MENU_NEWGAME_BUT_POSX, MENU_NEWGAME_BUT_POSY,
                                          MENU_NEWGAME_BUT_W, MENU_NEWGAME_BUT_H, menuTexture,
                                          MENU_NEWGAME_BUT_X, MENU_NEWGAME_BUT_Y));
    menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_EXIT, MENU_EXIT_BUT_POSX, MENU_EXIT_BUT_POSY, MENU_EXIT_BUT_W,
                                          MENU_EXIT_BUT_H, menuTexture, MENU_EXIT_BUT_X, MENU_EXIT_BUT_Y));
    menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_CONTINUE, MENU_CONTINUE_BUT_POSX, MENU_CONTINUE_BUT_POSY,
                                          MENU_CONTINUE_BUT_W, MENU_CONTINUE_BUT_H, menuTexture,
                                          MENU_CONTINUE_BUT_X, MENU_CONTINUE_BUT_Y));
    menuGui->AddCtrl(new hgeGUIPushButton(BUTTON_OPTIONS, MENU_OPTIONS_BUT_POSX, MENU_OPTIONS_BUT_POSY,
                                          MENU_OPTIONS_BUT_W, MENU_OPTIONS_BUT_H, menuTexture, MENU_OPTIONS_BUT_X,
                                          MENU_OPTIONS_BUT_Y));
    continueGreyed = new hgeSprite(menuTexture, MENU_CONTINUE_BUT_X + 2 * MENU_CONTINUE_BUT_W, MENU_CONTINUE_BUT_Y,
                                   MENU_CONTINUE_BUT_W, MENU_CONTINUE_BUT_H);
  }
  UpdateContinue();
}

std::vector<menu_button_struct> MenuButtons() {
  if (menuGui == nullptr) return {};
  const struct {
    int id;
    const char* text;
    float x, y, w, h;
  } buttons[] = {
      {BUTTON_NEW_GAME, "Новая игра", MENU_NEWGAME_BUT_POSX, MENU_NEWGAME_BUT_POSY, MENU_NEWGAME_BUT_W,
       MENU_NEWGAME_BUT_H},
      {BUTTON_EXIT, "Выход", MENU_EXIT_BUT_POSX, MENU_EXIT_BUT_POSY, MENU_EXIT_BUT_W, MENU_EXIT_BUT_H},
      {BUTTON_CONTINUE, "Продолжить", MENU_CONTINUE_BUT_POSX, MENU_CONTINUE_BUT_POSY, MENU_CONTINUE_BUT_W,
       MENU_CONTINUE_BUT_H},
      {BUTTON_OPTIONS, "Настройки", MENU_OPTIONS_BUT_POSX, MENU_OPTIONS_BUT_POSY, MENU_OPTIONS_BUT_W,
       MENU_OPTIONS_BUT_H},
  };
  std::vector<menu_button_struct> out;
  for (const auto& b : buttons) {
    const hgeGUIObject* ctrl = menuGui->GetCtrl(b.id);
    out.push_back({b.text, b.x, b.y, b.w, b.h, ctrl != nullptr && ctrl->bEnabled});
  }
  return out;
}
