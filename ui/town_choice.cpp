// The team screen's town choice: pictures from Data/towns.png, the choice kept in chosenTown.
#include "ui/town_choice.h"

#include <cstdint>
#include <vector>

#include "config/settings.h"
#include "engine/button.h"
#include "engine/font.h"
#include "engine/gui.h"
#include "engine/hge.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "game/sound_cues.h"
#include "map/map_tokens.h"
#include "map/towns.h"

hgeGUI* townButtons = nullptr;

namespace {

HTEXTURE townTexture = 0;
hgeSprite* townPanel = nullptr;
std::vector<hgeSprite*> townPreviews;

// Colour of the town's name, the warm gold of the screen's titles.
constexpr uint32_t kNameColour = 0xFFFFDE96;

void Choose(int id) {
  switch (id) {
    case BTN_TOWN_PREVIOUS:
      StepTown(-1);
      break;
    case BTN_TOWN_NEXT:
      StepTown(1);
      break;
    case BTN_TOWN_RANDOM:
      ChooseRandomTown();
      break;
    default:
      return;
  }
  PlaySound(SND_CLICK);
}

}  // namespace

void ReloadTownChoicePicture() {
  if (townTexture != 0) hge->Texture_Reload(townTexture, LocalisedFile("Data/towns.png").c_str());
}

void CreateTownChoice() {
  if (townButtons != nullptr) return;
  townTexture = hge->Texture_Load(LocalisedFile("Data/towns.png").c_str(), 0, false);
  townPanel = new hgeSprite(townTexture, TOWN_PANEL_TX, TOWN_PANEL_TY, TOWN_PANEL_W, TOWN_PANEL_H);
  for (size_t k = 0; k < Towns().size(); ++k) {
    townPreviews.push_back(new hgeSprite(townTexture, TOWN_PREVIEW_TX + k * TOWN_PREVIEW_W, TOWN_PREVIEW_TY,
                                         TOWN_PREVIEW_W, TOWN_PREVIEW_H));
  }
  townButtons = new hgeGUI();
  townButtons->AddCtrl(new hgeGUIPushButton(BTN_TOWN_PREVIOUS, TOWN_LEFT_X, TOWN_ARROW_Y, TOWN_ARROW_W,
                                            TOWN_ARROW_H, townTexture, TOWN_ARROW_TX, TOWN_ARROW_TY));
  townButtons->AddCtrl(new hgeGUIPushButton(BTN_TOWN_NEXT, TOWN_RIGHT_X, TOWN_ARROW_Y, TOWN_ARROW_W,
                                            TOWN_ARROW_H, townTexture, TOWN_ARROW_TX + 2 * TOWN_ARROW_W,
                                            TOWN_ARROW_TY));
  townButtons->AddCtrl(new hgeGUIPushButton(BTN_TOWN_RANDOM, TOWN_RANDOM_X, TOWN_RANDOM_Y, TOWN_RANDOM_W,
                                            TOWN_RANDOM_H, townTexture, TOWN_RANDOM_TX, TOWN_RANDOM_TY));
}

void UpdateTownChoice(float dt) {
  if (townButtons == nullptr) return;
  Choose(townButtons->Update(dt));
  if (hge->Input_KeyDown(HGEK_LEFT)) Choose(BTN_TOWN_PREVIOUS);
  if (hge->Input_KeyDown(HGEK_RIGHT)) Choose(BTN_TOWN_NEXT);
}

void RenderTownChoice() {
  if (townButtons == nullptr) return;
  townPanel->Render(TOWN_PANEL_X, TOWN_PANEL_Y);
  if (chosenTown >= 0 && chosenTown < static_cast<int>(townPreviews.size())) {
    townPreviews[chosenTown]->Render(TOWN_PREVIEW_X, TOWN_PREVIEW_Y);
    if (font1 != nullptr) {
      const uint32_t colour = font1->GetColor();
      font1->SetColor(kNameColour);
      font1->Render(TOWN_PREVIEW_X + TOWN_PREVIEW_W / 2, TOWN_NAME_Y, HGETEXT_CENTER,
                    Towns()[chosenTown].name);
      font1->SetColor(colour);
    }
  }
  townButtons->Render();
}
