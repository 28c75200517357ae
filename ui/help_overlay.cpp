// The help screen: its lines, the dimmed game behind them and the panel's art they stand on.
#include "ui/help_overlay.h"

#include <algorithm>

#include "config/settings.h"
#include "engine/font.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "map/map_tokens.h"
#include "ui/resources.h"

bool helpShown = false;
bool helpHintShown = true;

namespace {

// Pixels between the panel's edge and the text.
constexpr float kPadding = 18.0f;

// A translucent black rectangle, made once and kept to the end of the run.
hgeSprite* Shade() {
  static hgeSprite* const shade = [] {
    auto* sprite = new hgeSprite(0, 0.0f, 0.0f, 1.0f, 1.0f);
    sprite->SetColor(0xB0000000u);
    return sprite;
  }();
  return shade;
}

}  // namespace

const std::vector<std::string>& HelpLines() {
  static const std::vector<std::string> lines = [] {
    const char* const utf8[] = {
        "Цель: найти ключи от машины, дойти до машины и завести её.",
        "Игра проиграна, когда погибнет вся команда.",
        "",
        "Левая кнопка мыши: идти, обыскать место, ударить или выстрелить,",
        "    взять и переложить предмет, выбрать участника по фото.",
        "Правая кнопка: отменить перенос, сменить действие предмета.",
        "1-4: выбрать участника команды.",
        "E или кнопка \"Конец хода\": закончить ход.",
        "W, A, S, D, стрелки или край экрана: прокрутка карты.",
        "Наведите курсор на зомби: шансы убить и отбросить.",
        "Tab или квадрат рядом с \"?\": где зомби могут ударить в свой ход.",
        "H: эта справка. Escape: выйти из игры (игра сохраняется).",
        "",
        "Любая клавиша или щелчок закрывают справку.",
    };
    std::vector<std::string> out;
    for (const char* line : utf8) out.push_back(ToCp1251(line));
    return out;
  }();
  return lines;
}

const std::string& HelpHintLine() {
  static const std::string line = ToCp1251("Нажмите H, чтобы открыть справку");
  return line;
}

void DrawHelp() {
  if (font1 == nullptr) return;
  const float screenW = static_cast<float>(hge->System_GetState(HGE_SCREENWIDTH));
  const float screenH = static_cast<float>(hge->System_GetState(HGE_SCREENHEIGHT));
  Shade()->RenderStretch(0.0f, 0.0f, screenW, screenH);
  const std::vector<std::string>& lines = HelpLines();
  float width = 0.0f;
  for (const std::string& line : lines) width = std::max(width, font1->GetStringWidth(line.c_str()));
  const float height = static_cast<float>(lines.size()) * font1->GetHeight();
  const float left = std::max(0.0f, (screenW - width) / 2 - kPadding);
  const float top = std::max(0.0f, (screenH - height) / 2 - kPadding);
  if (inventoryPanel != nullptr) {
    inventoryPanel->RenderStretch(left, top, left + width + 2 * kPadding, top + height + 2 * kPadding);
  }
  // The panel's slots, stretched, would show through the lines: calm its inside down, keep its rim.
  Shade()->RenderStretch(left + 6.0f, top + 6.0f, left + width + 2 * kPadding - 6.0f,
                         top + height + 2 * kPadding - 6.0f);
  float y = top + kPadding;
  for (const std::string& line : lines) {
    font1->Render(left + kPadding, y, HGETEXT_LEFT, line.c_str());
    y += font1->GetHeight();
  }
}

float HelpButtonX() {
  return END_BUTTON_X;
}

float HelpButtonY() {
  return END_BUTTON_Y + END_BUTTON_H + 2.0f;
}

void DrawHelpButton() {
  if (font1 == nullptr) return;
  const float x = HelpButtonX(), y = HelpButtonY();
  // The bag's empty cell, shrunk, gives it the display's rim.
  hgeSprite* frame = smallFrame[0] != nullptr ? smallFrame[0] : Shade();
  frame->RenderStretch(x, y, x + HELP_BUTTON_SIZE, y + HELP_BUTTON_SIZE);
  font1->Render(x + HELP_BUTTON_SIZE / 2, y + (HELP_BUTTON_SIZE - font1->GetHeight()) / 2, HGETEXT_CENTER,
                "?");
}

void DrawHelpHint() {
  if (font1 == nullptr) return;
  const float screenW = static_cast<float>(hge->System_GetState(HGE_SCREENWIDTH));
  const float width = font1->GetStringWidth(HelpHintLine().c_str());
  const float x = (screenW - width) / 2;
  Shade()->RenderStretch(x - 4.0f, 4.0f, x + width + 4.0f, 8.0f + font1->GetHeight());
  font1->Render(x, 6.0f, HGETEXT_LEFT, HelpHintLine().c_str());
}
