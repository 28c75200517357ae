// The end screen: its own picture for a won and a lost game, the game's figures; a click goes back to
// the menu and Escape ends the run.
#include <string>

#include "app/screens.h"
#include "app/shell.h"
#include "engine/font.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/resources.h"

namespace {

HTEXTURE wonTexture = 0, lostTexture = 0;
hgeSprite* wonSprite = nullptr;
hgeSprite* lostSprite = nullptr;
hgeFont* figuresFont = nullptr;
// The picture of the game just ended.
hgeSprite* endSprite = nullptr;
// The figures' lines (Windows-1251), made when the screen is entered.
std::string figures;
// The left button went down on this screen (a press carried over from the game is no click here).
bool pressedHere = false;

// Turns, zombies killed, spots searched and who survived.
std::string Figures() {
  std::string survivors;
  for (const Person* p : team) {
    if (!p->alive) continue;
    if (!survivors.empty()) survivors += ", ";
    survivors += p->FirstName();
  }
  if (survivors.empty()) survivors = ToCp1251("никто");
  return ToCp1251("Ходов: ") + std::to_string(gameStats.turns) + "\n" + ToCp1251("Убито зомби: ") +
         std::to_string(gameStats.zombiesKilled) + "\n" + ToCp1251("Обыскано мест: ") +
         std::to_string(gameMap != nullptr ? gameMap->searchesMade : 0) + "\n" + ToCp1251("Выжили: ") +
         survivors;
}

bool EndFrame() {
  if (hge->Input_KeyDown(HGEK_ESCAPE)) return true;
  if (hge->Input_KeyDown(HGEK_LBUTTON)) pressedHere = true;
  if (pressedHere && hge->Input_KeyUp(HGEK_LBUTTON)) StartMenu();
  return false;
}

bool EndRender() {
  hge->Gfx_BeginScene(0);
  endSprite->Render(0, 0);
  figuresFont->Render(SCREEN_W / 2, 205, HGETEXT_CENTER, figures.c_str());
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartEnd() {
  InstallScreen(Screen::End, EndFrame, EndRender);
  if (wonSprite == nullptr) {
    wonTexture = hge->Texture_Load("Data/end.png", 0, false);
    wonSprite = new hgeSprite(wonTexture, 0, 0, SCREEN_W, SCREEN_H);
    lostTexture = hge->Texture_Load("Data/end_lost.png", 0, false);
    lostSprite = new hgeSprite(lostTexture, 0, 0, SCREEN_W, SCREEN_H);
    figuresFont = new hgeFont("Data/font.fnt", false);
  }
  endSprite = outcome == OUTCOME_LOST ? lostSprite : wonSprite;
  pressedHere = false;
  figures = Figures();
}
