// The options screen: one row per option of the options table, changed by mouse and keyboard; Escape or
// the back button writes the options file and returns to the menu.
#include "app/options_screen.h"

#include <string>

#include "app/options.h"
#include "app/options_file.h"
#include "app/screens.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/button.h"
#include "engine/font.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "ui/resources.h"

namespace {

enum : int { BUTTON_BACK = 1 };

hgeSprite* background = nullptr;
hgeSprite* panel = nullptr;
hgeSprite* highlight = nullptr;
hgeFont* font = nullptr;
hgeGUI* gui = nullptr;
int picked = 0;
// The left button went down on this screen (the press that opened it is no click here).
bool pressedHere = false;

// How many rows the table has.
int RowCount() {
  int n = 0;
  while (OptionsTable()[n].key != nullptr) ++n;
  return n;
}

// The largest window scale the display takes (at least 1).
int MaxScale() {
  const int most = hge->System_GetState(HGE_MAXSCALE);
  return most < 1 ? 1 : most;
}

// The scale the window has now: 0 stands for the largest that fits.
int ShownScale() {
  const int most = MaxScale();
  return activeOptions.scale <= 0 || activeOptions.scale > most ? most : activeOptions.scale;
}

// The value of a row as the player reads it (UTF-8).
std::string Value(const OptionInfo& o) {
  const int value = activeOptions.*(o.field);
  if (o.field == &PlayerOptions::scale) return "x" + std::to_string(ShownScale());
  if (o.names != nullptr) return o.names[(value < o.min ? o.min : (value > o.max ? o.max : value)) - o.min];
  return std::to_string(value);
}

// Makes the options in force take effect: sound at once, the window's mode and size at once.
void Apply() {
  ApplySoundVolumes();
  hge->System_SetState(HGE_WINDOWED, activeOptions.fullscreen == 0);
  hge->System_SetState(HGE_SCALE, activeOptions.scale);
}

// Steps row `row` down (-1) or up (+1); `wrap` goes round from the last value to the first (Enter).
void Step(int row, int direction, bool wrap) {
  const OptionInfo& o = OptionsTable()[row];
  int value = activeOptions.*(o.field);
  const int step = o.step < 1 ? 1 : o.step;
  int low = o.min, high = o.max;
  // The scale's steps are the whole scales the display takes.
  if (o.field == &PlayerOptions::scale) {
    low = 1;
    high = MaxScale();
    value = ShownScale();
  }
  int next = value + direction * step;
  if (step > 1) next = (direction > 0 ? next : next + step - 1) / step * step;  // back onto the steps
  if (next > high) next = wrap ? low : high;
  if (next < low) next = low;
  if (next == activeOptions.*(o.field)) return;
  activeOptions.*(o.field) = next;
  // What the player changes here goes into the file too.
  fileOptions.*(o.field) = next;
  Apply();
  PlaySound(SND_CLICK);
}

void Leave() {
  std::string error;
  if (!SaveOptionsFile(&error)) hge->System_Log("Options: not kept: %s", error.c_str());
  StartMenu();
}

float RowTop(int row) {
  return OPTIONS_ROW_Y + row * OPTIONS_ROW_STEP;
}

// A press of the left button at (x, y): picks the row under it and steps it on the arrows.
void Click(float x, float y) {
  for (int row = 0; row < RowCount(); ++row) {
    if (y < RowTop(row) || y >= RowTop(row) + OPTIONS_ROW_STEP - 4 || x < OPTIONS_ROW_X1 || x >= OPTIONS_ROW_X2)
      continue;
    picked = row;
    if (x >= OPTIONS_LESS_X && x < OPTIONS_LESS_X + OPTIONS_ARROW_W) Step(row, -1, false);
    if (x >= OPTIONS_MORE_X && x < OPTIONS_MORE_X + OPTIONS_ARROW_W) Step(row, +1, false);
  }
}

bool OptionsFrame() {
  const int rows = RowCount();
  if (hge->Input_KeyDown(HGEK_ESCAPE)) {
    Leave();
    return false;
  }
  if (hge->Input_KeyDown(HGEK_UP)) picked = (picked + rows - 1) % rows;
  if (hge->Input_KeyDown(HGEK_DOWN)) picked = (picked + 1) % rows;
  if (hge->Input_KeyDown(HGEK_LEFT)) Step(picked, -1, false);
  if (hge->Input_KeyDown(HGEK_RIGHT)) Step(picked, +1, false);
  if (hge->Input_KeyDown(HGEK_ENTER)) Step(picked, +1, true);
  if (hge->Input_KeyDown(HGEK_LBUTTON)) {
    pressedHere = true;
    float x = 0.0f, y = 0.0f;
    hge->Input_GetMousePos(&x, &y);
    Click(x, y);
  }
  const int id = gui->Update(hge->Timer_GetDelta());
  if (id == BUTTON_BACK && pressedHere) {
    PlaySound(SND_CLICK);
    Leave();
  }
  return false;
}

bool OptionsRender() {
  hge->Gfx_BeginScene(0);
  background->Render(0, 0);
  panel->RenderStretch(OPTIONS_ROW_X1 - 20, OPTIONS_ROW_Y - 46, OPTIONS_ROW_X2 + 20,
                       OPTIONS_BACK_BUT_POSY + OPTIONS_BACK_BUT_H + 16);
  font->SetColor(0xFFFFE6C8);
  font->SetScale(1.4f);
  font->Render(SCREEN_W / 2, OPTIONS_ROW_Y - 38, HGETEXT_CENTER, ToCp1251("Настройки").c_str());
  font->SetScale(1.0f);
  const std::vector<options_row_struct> rows = OptionsRows();
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const float top = RowTop(row);
    if (row == picked) highlight->RenderStretch(OPTIONS_ROW_X1, top, OPTIONS_ROW_X2, top + OPTIONS_ROW_STEP - 4);
    font->SetColor(row == picked ? 0xFFFFFFFF : 0xFFD0C4DC);
    const float textY = top + (OPTIONS_ROW_STEP - 4 - font->GetHeight()) / 2;
    font->Render(OPTIONS_ROW_X1 + 14, textY, HGETEXT_LEFT, ToCp1251(rows[row].label).c_str());
    font->Render(OPTIONS_LESS_X + OPTIONS_ARROW_W / 2, textY, HGETEXT_CENTER, "<");
    font->Render((OPTIONS_LESS_X + OPTIONS_ARROW_W + OPTIONS_MORE_X) / 2, textY, HGETEXT_CENTER,
                 ToCp1251(rows[row].value).c_str());
    font->Render(OPTIONS_MORE_X + OPTIONS_ARROW_W / 2, textY, HGETEXT_CENTER, ">");
  }
  gui->Render();
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartOptions() {
  InstallScreen(Screen::Options, OptionsFrame, OptionsRender);
  if (gui == nullptr) {
    const HTEXTURE menuTexture = hge->Texture_Load("Data/menu.png", 0, false);
    background = new hgeSprite(menuTexture, 0, 0, SCREEN_W, SCREEN_H);
    panel = new hgeSprite(0, 0, 0, 1, 1);
    panel->SetColor(0xF0100C1C);
    highlight = new hgeSprite(0, 0, 0, 1, 1);
    highlight->SetColor(0x60E0A050);
    font = new hgeFont("Data/font.fnt", false);
    gui = new hgeGUI();
    gui->AddCtrl(new hgeGUIPushButton(BUTTON_BACK, OPTIONS_BACK_BUT_POSX, OPTIONS_BACK_BUT_POSY, OPTIONS_BACK_BUT_W,
                                      OPTIONS_BACK_BUT_H, menuTexture, OPTIONS_BACK_BUT_X, OPTIONS_BACK_BUT_Y));
  }
  picked = 0;
  pressedHere = false;
}

std::vector<options_row_struct> OptionsRows() {
  std::vector<options_row_struct> rows;
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) rows.push_back({o->label, Value(*o)});
  return rows;
}

int OptionsPickedRow() {
  return picked;
}
